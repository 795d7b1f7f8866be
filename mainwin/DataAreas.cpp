#include "DataAreas.h"

#include "controls/MessageBox.h"
#include "link/Commands.h"
#include "link/Numbers.h"
#include "mainwin/Answers.h"
#include "mainwin/Ortavel.h"
#include "text/OperatorText.h"

namespace ortavel {

struct DataAreas::Save {
    std::string_view command;
    const char *title;
    const char *success;
    const char *failure;
};

DataAreas::DataAreas(Ortavel &window) : m_window(window)
{
    m_window.CMD_USER.onClick = [this] { CMD_USER_Click(); };
    m_window.CMD_FACT.onClick = [this] { CMD_FACT_Click(); };
    m_window.CMD_LD.onClick = [this] { CMD_LD_Click(); };
}

void DataAreas::CMD_USER_Click()
{
    save({cmd::SaveUser, OT_TR("Ortavel", "Save Data"), OT_TR("Ortavel", "Data Saved!"),
          OT_TR("Ortavel", "Data saved error!")});
}

void DataAreas::CMD_FACT_Click()
{
    save({cmd::SaveFactory, OT_TR("Ortavel", "写入工厂数据区"), OT_TR("Ortavel", "写入工厂数据区完成!"),
          OT_TR("Ortavel", "写入工厂数据区出错")});
}

void DataAreas::save(const Save &area)
{
    Ortavel &w = m_window;
    if (refused(area.title))
        return;
    const std::string skipped = w.chkSame.checked() ? broadcast(area.command) : std::string();
    const std::string address = w.selectedAddress();
    const bool stored = isStored(w.Comm_Send(address, std::string(area.command)), address);
    std::string text = stored ? area.success : area.failure;
    if (!skipped.empty())
        text = joinTexts({text, fill(OT_TR("Ortavel", "Not written to all transmitters: %1"), {skipped})}, "\r\n");
    w.messageBox().show(text, area.title, false);
}

std::string DataAreas::broadcast(std::string_view store)
{
    Ortavel &w = m_window;
    SkipList skipped;
    const auto send = [&](std::string_view letters, const Control &control, const std::string &value, ValueKind kind) {
        if (const auto why = whyNotSendable(w.hasTransmitter(), control, value, kind))
            skipped.add(letters, *why);
        else
            w.Comm_Send(kEveryone, cmd::write(letters, value));
    };
    const auto sendBox = [&](std::string_view letters, const TextBox &box) {
        send(letters, box, box.text(), &box == &w.txtType ? ValueKind::Text : ValueKind::Number);
    };
    const auto sendList = [&](std::string_view letters, const ComboBox &list) {
        send(letters, list, list.selectedIndex() < 0 ? std::string() : codeText(list.selectedIndex()),
             ValueKind::Number);
    };
    sendBox(cmd::Type, w.txtType);
    sendList(cmd::Unit, w.cmbUnit);
    sendList(cmd::Decimals, w.Cmb_DP);
    sendBox(cmd::DisplayZero, w.TXT_DPL);
    sendBox(cmd::DisplayFull, w.TXT_DPH);
    sendBox(cmd::Output4mA, w.TXT_DAL);
    sendBox(cmd::Output20mA, w.TXT_DAH);
    sendBox(cmd::Trim4mA, w.TXT_DAZF);
    sendBox(cmd::Trim20mA, w.TXT_DAFF);
    w.Comm_Send(kEveryone, std::string(store));
    return skipped.text();
}

// With no transmitter selected, or while a search runs, the stores and the
// broadcast would go to whatever the list shows: nothing is sent.
bool DataAreas::refused(const char *title)
{
    const auto why = m_window.whyNoOperation();
    if (why)
        m_window.messageBox().show(fill(OT_TR("Ortavel", "Nothing sent: %1."), {*why}), title, false);
    return why.has_value();
}

// Only the transmitter's own "OK" counts: a dead line restores nothing.
void DataAreas::CMD_LD_Click()
{
    if (refused(OT_TR("Ortavel", "Restore")))
        return;
    const std::string address = m_window.selectedAddress();
    const bool restored = isStored(m_window.Comm_Send(address, std::string(cmd::LoadFactory)), address);
    // The transmitter now works with its factory values: what the window
    // shows is what it had before, and must not go back to it.
    if (restored)
        m_window.forgetValuesShown();
    m_window.messageBox().show(restored ? OT_TR("Ortavel", "Restore the factory Setting")
                                        : OT_TR("Ortavel", "Restore the factory Setting failed!"),
                               OT_TR("Ortavel", "Restore"), false);
}

} // namespace ortavel
