#include "BasicSetting.h"

#include "Answers.h"
#include "Ortavel.h"
#include "controls/MessageBox.h"
#include "link/Commands.h"
#include "link/LineSettings.h"
#include "link/Numbers.h"
#include "link/SerialPort.h"

namespace ortavel {

namespace {

constexpr int kFirstAddress = 1;
constexpr int kLastAddress = 99;

} // namespace

BasicSetting::BasicSetting(Ortavel &window) : m_window(window)
{
    m_window.TXT_ADDR.onValidate = [this] { return TXT_ADDR_Validate(); };
    m_window.COM_ADDR.onClick = [this] { COM_ADDR_Click(); };
}

bool BasicSetting::TXT_ADDR_Validate()
{
    // Anything that is no number reads as 0 and is refused like it.
    const auto value = toSingle(readNumber(m_window.TXT_ADDR.text()));
    if (!value || !(*value >= kFirstAddress && *value <= kLastAddress)) {
        m_window.messageBox().show("Error address！", "Error", false);
        return true;
    }
    // A value of another transmitter stays what it is: formatting would make
    // it this one's.
    if (m_window.TXT_ADDR.holdsCurrentValue())
        m_window.TXT_ADDR.setText(formatSingle(*value, "00"));
    return false;
}

void BasicSetting::COM_ADDR_Click()
{
    Ortavel &w = m_window;
    if (const auto why = w.whyNoOperation()) {
        OperationReport(w.StatusBar1).refused(*why);
        return;
    }
    const int entry = w.CMB_ADDR.selectedIndex();
    if (isListedElsewhere(w.TXT_ADDR.text()))
        return;
    OperationReport report(w.StatusBar1);

    std::string address = w.CMB_ADDR.text();
    if (w.sendable(w.TXT_ADDR, ValueKind::Address, cmd::Address, report))
        report.check(writeAddress(entry, address), cmd::Address);
    if (w.sendable(w.CMB_BAND, cmd::Baud, report))
        report.check(writeBaud(address, entry), cmd::Baud);
    for (auto [letters, box] : {std::pair{cmd::Type, &w.txtType}, std::pair{cmd::Ident, &w.txtID}}) {
        if (const auto value = w.sendable(*box, ValueKind::Text, letters, report))
            report.check(takeData(*box, w.Comm_Send(address, cmd::write(letters, *value))), letters);
    }
}

bool BasicSetting::isListedElsewhere(const std::string &address)
{
    Ortavel &w = m_window;
    if (address == w.CMB_ADDR.text())
        return false;
    for (const auto &entry : w.CMB_ADDR.entries()) {
        if (entry.text != address)
            continue;
        w.messageBox().show("Address " + entry.text + " has been exist,press “OK” return！", "Error", false);
        w.TXT_ADDR.setText(w.CMB_ADDR.text());
        return true;
    }
    return false;
}

// The address in force becomes the new one once the transmitter has
// answered with it; otherwise the address box shows the old one again.
bool BasicSetting::writeAddress(int entry, std::string &address)
{
    Ortavel &w = m_window;
    const std::string wanted = w.TXT_ADDR.text();
    const std::string result = w.Comm_Send(address, cmd::write(cmd::Address, wanted));
    if (isErrorResult(result) || replyData(result) != wanted) {
        w.TXT_ADDR.setText(address);
        return false;
    }
    w.CMB_ADDR.setItemText(entry, wanted);
    address = wanted;
    return true;
}

// The line follows only a rate the transmitter has confirmed.
bool BasicSetting::writeBaud(const std::string &address, int entry)
{
    Ortavel &w = m_window;
    const int band = w.CMB_BAND.selectedIndex();
    const std::string index = codeText(band);
    if (!isBaudConfirmed(w.Comm_Send(address, cmd::write(cmd::Baud, index)), address, index))
        return false;
    w.OnlineList.at(static_cast<std::size_t>(entry)) = static_cast<std::int16_t>(band);
    w.TXT_BAND.setText(w.CMB_BAND.text());
    w.MSCommBsq.setSettings(lineSettingsText(w.CMB_BAND.text()));
    return true;
}

} // namespace ortavel
