#include "Ortavel.h"

#include "controls/MessageBox.h"
#include "controls/WindowHost.h"
#include "link/Numbers.h"
#include "link/SerialPort.h"
#include "link/SettingsStore.h"
#include "text/OperatorText.h"

#include <optional>

namespace ortavel {

namespace {

constexpr int kPortCount = 6;
constexpr const char *kSearchNeeded = OT_TR("Ortavel", "Press Search to find the online transmitters!");

// The number a remembered text starts with, as a whole number (halves to
// even: "3.5" is port 4); no number selects no port.
std::optional<int> rememberedPort(const std::string &text)
{
    const auto number = numberAtStart(text);
    const auto whole = number ? wholeNumber16(*number) : std::nullopt;
    if (!whole || *whole < 1 || *whole > kPortCount)
        return std::nullopt;
    return *whole;
}

// Each entry names the device behind it; adapters come and go, so the
// names are taken afresh whenever the port is set up or changed.
void showPortDevices(ComboBox &ports, const SerialPort &port)
{
    for (int i = 0; i < ports.count(); ++i) {
        const std::string details = port.linkDetails(ports.itemData(i));
        const std::string device = port.deviceName(ports.itemData(i));
        ports.setItemToolTip(i, details.empty() ? device : fill(OT_TR("Ortavel", "%1 (%2)"), {device, details}));
    }
}

} // namespace

void Ortavel::Form_Load()
{
    UnitNames = {"kPa", "MPa", "mH2O", "Bar", "Psi", "mBar", "Unknown"};
    setUpPort();
    StatusBar1.setPanel(1, kSearchNeeded);
    PollPressure = true;
    tmrHistory.setEnabled(true);
}

// Failures of these steps are skipped silently; only the port change that
// the selection runs reports its own.
void Ortavel::setUpPort()
{
    if (MSCommBsq.isOpen())
        MSCommBsq.close();
    MSCommBsq.setTextInputMode();
    MSCommBsq.setReadLength(0);
    MSCommBsq.discardOutput();
    MSCommBsq.discardInput();
    MSCommBsq.setReceiveThreshold(0);
    MSCommBsq.setSendThreshold(0);

    showPortDevices(cmbCommPort, MSCommBsq);
    const auto port = rememberedPort(m_settings.value(kAppTitle, kSettingsSection, kSettingsKey, ""));
    if (port)
        cmbCommPort.setSelectedIndex(*port - 1);
}

bool Ortavel::Form_QueryUnload()
{
    if (searching())
        return false;
    closeWindowsAndPort();
    return true;
}

// While a search runs the close is refused anyway; the port stays open so
// that the search does not go on against a closed port.
void Ortavel::closePortUnlessSearching()
{
    if (!searching())
        closeWindowsAndPort();
}

// The other windows' closing steps still need the port.
void Ortavel::closeWindowsAndPort()
{
    m_windows.closeOtherWindows(*this);
    if (MSCommBsq.isOpen())
        MSCommBsq.close();
}

void Ortavel::COM_QUIT_Click()
{
    closePortUnlessSearching();
    m_windows.requestClose(*this);
}

void Ortavel::Exit_Click()
{
    COM_QUIT_Click();
}

void Ortavel::About_Click()
{
    m_windows.showWindow("FrmOrtavelAbout");
}

void Ortavel::UserCal_Click()
{
    m_windows.showWindow("frmYHJZ");
}

void Ortavel::mnuTraffic_Click()
{
    m_windows.showWindow("Traffic");
}

void Ortavel::mnuTrend_Click()
{
    m_windows.showWindow("Trend");
}

void Ortavel::mnuVerify_Click()
{
    m_windows.showWindow("Verification");
}

void Ortavel::mnuHistory_Click()
{
    m_windows.showWindow("History");
}

void Ortavel::cmbCommPort_Click()
{
    // A window's run owns the line: its port stays open under it.
    if (!m_windowOperation.empty()) {
        tellRefused(m_windowOperation);
        for (int i = 0; i < cmbCommPort.count(); ++i) {
            if (cmbCommPort.itemData(i) == MSCommBsq.portNumber())
                cmbCommPort.setSelectedIndex(i);
        }
        return;
    }
    const int selected = cmbCommPort.selectedIndex();
    if (selected < 0)
        return;
    showPortDevices(cmbCommPort, MSCommBsq);

    // Every step runs even when an earlier one failed; the last failure is
    // the one reported.
    bool failed = false;
    std::string failure;
    const auto note = [&](bool ok) {
        if (!ok) {
            failed = true;
            failure = MSCommBsq.errorString();
        }
    };
    if (MSCommBsq.isOpen())
        note(MSCommBsq.close());
    note(MSCommBsq.setPortNumber(cmbCommPort.itemData(selected)));
    note(MSCommBsq.open());

    // Whatever answers on the line now, nothing read before belongs to it
    // until it is read again. Another device has other transmitters: the
    // list goes too. The same one again (an adapter plugged back) keeps it,
    // for Reflash.
    forgetSelection();
    std::string device = MSCommBsq.deviceName(cmbCommPort.itemData(selected));
    if (device.empty())
        device = cmbCommPort.text();
    if (device != m_openDevice) {
        OnlineList.clear();
        CMB_ADDR.clear();
        StatusBar1.setPanel(1, kSearchNeeded);
    }
    m_openDevice = device;

    if (failed) {
        m_messages.show(failure, kAppTitle, true);
        return;
    }
    m_settings.setValue(kAppTitle, kSettingsSection, kSettingsKey, std::to_string(MSCommBsq.portNumber()));
}

} // namespace ortavel
