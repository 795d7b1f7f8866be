#include "ConfigurationMenu.h"

#include "cli/Applier.h"
#include "controls/MessageBox.h"
#include "controls/WindowHost.h"
#include "mainwin/Ortavel.h"

namespace ortavel {

namespace {
constexpr const char *kSaveTitle = "Save Configuration";

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
        m_main.messageBox().show("Nothing saved: " + *why + ".", kSaveTitle, true);
        return;
    }
    const cli::TransmitterRecord record = recordShown();
    const auto file = cli::BackupFile::fromPartialRecord(record);
    if (!file) {
        m_main.messageBox().show("Nothing saved: no value of " + record.address +
                                     " has been read in this selection; press Reflash first.",
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
                         m_main.StatusBar1.setPanel(1, "Configuration of " + record.address + " saved" +
                                                           (notRead.empty() ? "" : " (not read: " + notRead + ")"));
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
            *path + " is not a configuration that can be written: " + error + ". Nothing was sent.", title, true);
        return std::nullopt;
    }
    return Opened{std::move(*file), *path};
}

void ConfigurationMenu::mnuCompareConfig_Click()
{
    const std::string title = "Compare Configuration";
    if (const auto why = m_main.whyNoOperation()) {
        m_main.messageBox().show("Nothing sent: " + *why + ".", title, true);
        return;
    }
    m_opened = openChecked(title);
    if (m_opened)
        m_windows.showWindow(kCompareWindow);
}

void ConfigurationMenu::mnuApplyConfig_Click()
{
    const std::string title = "Apply Configuration";
    if (const auto why = m_main.whyLineBusy()) {
        m_main.messageBox().show("Nothing sent: " + *why + ".", title, true);
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
