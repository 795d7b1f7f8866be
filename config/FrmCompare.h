#pragma once

#include "ConfigurationCompare.h"
#include "MainWindowBus.h"
#include "cli/BackupFile.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "mainwin/HeldTransmitter.h"
#include "text/OperatorText.h"

#include <functional>
#include <string>
#include <vector>

namespace ortavel {

class Ortavel;

// The Compare window: a configuration file beside a fresh read of the
// transmitter selected when it opened, a row per parameter. Nothing is
// written until Write Selected, which writes the ticked rows in the order
// `ortavel-cli set` writes them, each judged by its echo, then reads them
// back into the rows.
class FrmCompare : public Form {
public:
    FrmCompare(Ortavel &main, cli::BackupFile file, const std::string &fileName);

    Label lblFile{"lblFile", ""};
    Label lblSource{"lblSource", ""};
    CheckBox chkSave{"chkSave", OT_TR("Ortavel", "Save to the user area afterwards")};
    Button cmdWrite{"cmdWrite", OT_TR("Ortavel", "Write Selected")};
    Button cmdRead{"cmdRead", OT_TR("Ortavel", "Read Again")};
    Label lblResult{"lblResult", ""};

    // Reads the transmitter selected now and compares.
    void Form_Load();
    void cmdWrite_Click();
    void cmdRead_Click();

    const std::vector<CompareRow> &rows() const { return m_rows; }
    // The operator's tick; a row that is not offered keeps none.
    void setTicked(int row, bool ticked);
    const std::string &address() const { return m_held.address; }

    // The view's side.
    std::function<void()> onRowsChanged;

private:
    // Why nothing may go to the transmitter now; nullopt when it may.
    std::optional<std::string> whyRefused() const;
    void read();
    void rowsChanged() const;

    Ortavel &m_main;
    MainWindowBus m_bus;
    cli::BackupFile m_file;
    HeldTransmitter m_held;
    std::vector<CompareRow> m_rows;
};

} // namespace ortavel
