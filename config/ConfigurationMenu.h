#pragma once

#include "cli/BackupFile.h"
#include "cli/TransmitterRecord.h"
#include "controls/SaveFile.h"

#include <functional>
#include <optional>
#include <string>

namespace ortavel {

class Ortavel;
class WindowHost;

// The main window's Configuration menu: the selected transmitter's values
// saved as a configuration file (the format of `ortavel-cli backup`), and
// the windows that compare a file with a transmitter and apply it to many.
// A file that is not a configuration is refused before any window opens.
class ConfigurationMenu {
public:
    static constexpr const char *kCompareWindow = "CompareConfiguration";
    static constexpr const char *kApplyWindow = "ApplyConfiguration";

    ConfigurationMenu(Ortavel &main, WindowHost &windows);
    ConfigurationMenu(const ConfigurationMenu &) = delete;
    ConfigurationMenu &operator=(const ConfigurationMenu &) = delete;

    void mnuSaveConfig_Click();
    void mnuCompareConfig_Click();
    void mnuApplyConfig_Click();

    // What the main window shows of the selected transmitter, each value
    // only when it came from a good reply in this selection (a typed value is
    // not the transmitter's).
    cli::TransmitterRecord recordShown() const;

    // A file checked and waiting for the window about to open.
    struct Opened {
        cli::BackupFile file;
        std::string path;
    };
    std::optional<Opened> takeOpened();

    // The view's side.
    ChooseSaveFile chooseSaveFile;
    std::function<std::optional<std::string>()> chooseOpenFile;
    // nullopt with `error` naming the problem when the file cannot be read or
    // is no configuration.
    std::function<std::optional<cli::BackupFile>(const std::string &path, std::string &error)> readConfiguration;
    std::function<bool(const std::string &path, const cli::BackupFile &file)> writeConfiguration;

private:
    // Asks for a file and checks it; nullopt (and the operator told why) when
    // there is none to use.
    std::optional<Opened> openChecked(const std::string &title);

    Ortavel &m_main;
    WindowHost &m_windows;
    std::optional<Opened> m_opened;
};

} // namespace ortavel
