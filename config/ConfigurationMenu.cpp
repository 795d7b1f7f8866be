#include "ConfigurationMenu.h"

#include "cli/Applier.h"
#include "controls/MessageBox.h"
#include "controls/WindowHost.h"
#include "mainwin/Ortavel.h"
#include "text/OperatorText.h"

namespace ortavel {

namespace {
constexpr const char *kSaveTitle = OT_TR("Ortavel", "Save Configuration");

std::optional<std::string> textRead(const TextBox &box)
{
    return box.holdsReadValue() ? std::optional(box.text()) : std::nullopt;
}

std::optional<int> entryRead(const ComboBox &list)
{
    return list.holdsReadValue() && list.selectedIndex() >= 0 ? std::optional(list.selectedIndex()) : std::nullopt;
}
} // namespace

ConfigurationMenu::ConfigurationMenu(Ortavel &main, WindowHost &windows) : m_main(main), m_windows(windows)
{
    main.mnuSaveConfig.onClick = [this] { mnuSaveConfig_Click(); };
    main.mnuCompareConfig.onClick = [this] { mnuCompareConfig_Click(); };
    main.mnuApplyConfig.onClick = [this] { mnuApplyConfig_Click(); };
}

cli::TransmitterRecord ConfigurationMenu::recordShown() const
{
    const Ortavel &w = m_main;
    cli::TransmitterRecord r;
    r.address = w.selectedAddress();
    r.type = textRead(w.TXT_TYPE);
    r.id = textRead(w.TXT_ID);
    r.version = textRead(w.TXT_VER);
    r.unitCode = entryRead(w.cmbUnit);
    r.decimals = entryRead(w.Cmb_DP);
    r.displayZero = textRead(w.TXT_DPL);
    r.displayFullScale = textRead(w.TXT_DPH);
    r.output4mA = textRead(w.TXT_DAL);
    r.output20mA = textRead(w.TXT_DAH);
    r.trim4mA = textRead(w.TXT_DAZF);
    r.trim20mA = textRead(w.TXT_DAFF);
    return r;
}

void ConfigurationMenu::mnuSaveConfig_Click()
{
    if (const auto why = m_main.whyNoOperation()) {
        m_main.messageBox().show(fill(OT_TR("Ortavel", "Nothing saved: %1."), {*why}), kSaveTitle, true);
        return;
    }
    const cli::TransmitterRecord record = recordShown();
    const auto file = cli::BackupFile::fromPartialRecord(record);
    if (!file) {
        m_main.messageBox().show(
            fill(
                OT_TR("Ortavel", "Nothing saved: no value of %1 has been read in this selection; press Reflash first."),
                {record.address}),
            kSaveTitle, true);
        return;
    }
    std::string notRead;
    for (const auto &name : file->notRead)
        notRead += (notRead.empty() ? "" : ", ") + name;
    saveToChosenFile(chooseSaveFile, "config-" + record.address + ".json", kSaveTitle, m_main.messageBox(),
                     [&](const std::string &path) {
                         if (!writeConfiguration || !writeConfiguration(path, *file))
                             return false;
                         m_main.StatusBar1.setPanel(
                             1, notRead.empty() ? fill(OT_TR("Ortavel", "Configuration of %1 saved"), {record.address})
                                                : fill(OT_TR("Ortavel", "Configuration of %1 saved (not read: %2)"),
                                                       {record.address, notRead}));
                         return true;
                     });
}

std::optional<ConfigurationMenu::Opened> ConfigurationMenu::openChecked(const std::string &title)
{
    const auto path = chooseOpenFile ? chooseOpenFile() : std::nullopt;
    if (!path || !readConfiguration)
        return std::nullopt;
    std::string error;
    auto file = readConfiguration(*path, error);
    // Values are checked as `set` checks them, before any window may send one.
    if (file && !cli::Applier::make(*file, false, false, cli::SaveArea::None, error))
        file.reset();
    if (!file) {
        m_main.messageBox().show(
            fill(OT_TR("Ortavel", "%1 is not a configuration that can be written: %2. Nothing was sent."),
                 {*path, error}),
            title, true);
        return std::nullopt;
    }
    return Opened{std::move(*file), *path};
}

void ConfigurationMenu::mnuCompareConfig_Click()
{
    const std::string title = OT_TR("Ortavel", "Compare Configuration");
    if (const auto why = m_main.whyNoOperation()) {
        m_main.messageBox().show(fill(OT_TR("Ortavel", "Nothing sent: %1."), {*why}), title, true);
        return;
    }
    m_opened = openChecked(title);
    if (m_opened)
        m_windows.showWindow(kCompareWindow);
}

void ConfigurationMenu::mnuApplyConfig_Click()
{
    const std::string title = OT_TR("Ortavel", "Apply Configuration");
    if (const auto why = m_main.whyLineBusy()) {
        m_main.messageBox().show(fill(OT_TR("Ortavel", "Nothing sent: %1."), {*why}), title, true);

        return;
    }
    m_opened = openChecked(title);
    if (m_opened)
        m_windows.showWindow(kApplyWindow);
}

std::optional<ConfigurationMenu::Opened> ConfigurationMenu::takeOpened()
{
    auto opened = std::move(m_opened);
    m_opened.reset();
    return opened;
}

} // namespace ortavel
