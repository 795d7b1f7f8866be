#include "Ortavel.h"

#include "controls/EventPump.h"
#include "controls/MessageBox.h"
#include "link/Commands.h"
#include "link/LineSettings.h"
#include "link/SerialPort.h"
#include "text/OperatorText.h"

#include <cstdio>

namespace ortavel {

namespace {

constexpr const char *kSearchCaption = OT_TR("Ortavel", "Search");
constexpr const char *kStopCaption = OT_TR("Ortavel", "Stop");
constexpr const char *kPortNotOpen = OT_TR("Ortavel", "The communication port is not open！");
constexpr const char *kQuickSearchTitle = OT_TR("Ortavel", "Quick Search");
constexpr const char *kPortErrorTitle = OT_TR("Ortavel", "Error");

std::string twoDigits(int number)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%02d", number);
    return text.data();
}

// A count with the blank that stands for its sign: " 2".
std::string countText(int count)
{
    return count < 0 ? std::to_string(count) : " " + std::to_string(count);
}

} // namespace

bool Ortavel::searching() const
{
    return cmdSEARCH.caption() == kStopCaption;
}

void Ortavel::changeBaud(int bandIndex)
{
    CMB_BAND.setSelectedIndex(bandIndex);
    MSCommBsq.setSettings(lineSettingsText(CMB_BAND.text()));
}

void Ortavel::cmdSEARCH_Click()
{
    if (!m_windowOperation.empty()) {
        tellRefused(m_windowOperation);
        return;
    }
    Timer1.setEnabled(false);
    cmdON_OFF.setCaption(OT_TR("Ortavel", "Collect"));

    if (!MSCommBsq.isOpen()) {
        m_messages.show(kPortNotOpen, kPortErrorTitle, true);
        return;
    }
    if (searching()) {
        // The running search sees this at its next check.
        cmdSEARCH.setCaption(kSearchCaption);
        return;
    }
    // A second click in the same pause as the Stop would start a search
    // inside the one still unwinding.
    if (m_searchRunning)
        return;
    cmdSEARCH.setCaption(kStopCaption);
    m_searchRunning = true;

    OnlineList.clear();
    CMB_ADDR.clear();
    forgetSelection();

    int lastBand = -1;
    bool portLost = false;
    // A device server that keeps its own rate is asked at that rate only.
    const auto fixedBaud = MSCommBsq.fixedBaud();
    for (int band = CMB_BAND.count() - 1; band >= 0 && searching() && !portLost; --band) {
        if (fixedBaud && CMB_BAND.entries().at(static_cast<std::size_t>(band)).text != std::to_string(*fixedBaud))
            continue;
        lastBand = band;
        changeBaud(band);
        for (int address = 1; address <= m_searchLastAddress; ++address) {
            m_events.processEvents();
            if (!searching())
                break;
            // A pulled adapter must not pass for an empty bus.
            if (!MSCommBsq.isOpen()) {
                portLost = true;
                break;
            }
            askAddress(address, band);
        }
    }
    m_searchRunning = false;
    if (portLost) {
        cmdSEARCH.setCaption(kSearchCaption);
        StatusBar1.setPanel(1, OT_TR("Ortavel", "Searching over."));
        m_messages.show(kPortNotOpen, kPortErrorTitle, true);
        return;
    }
    finishSearch(lastBand);
}

bool Ortavel::askAddress(int address, int bandIndex)
{
    // A handler run in the pause (an entry chosen and read) may have moved
    // the line to another rate; this pass asks at its own.
    if (CMB_BAND.selectedIndex() != bandIndex || MSCommBsq.settings() != lineSettingsText(CMB_BAND.text()))
        changeBaud(bandIndex);

    const std::string text = twoDigits(address);
    StatusBar1.setPanel(1, fill(OT_TR("Ortavel", "Searchering Addr：%1"), {text}));
    StatusBar1.setPanel(2, fill(OT_TR("Ortavel", "Online: %1"), {countText(CMB_ADDR.count())}));
    StatusBar1.setPanel(3, fill(OT_TR("Ortavel", "Port:COM%1"), {std::to_string(MSCommBsq.portNumber())}));
    StatusBar1.setPanel(4, fill(OT_TR("Ortavel", "Band:%1"), {CMB_BAND.text()}));

    // No drain: a late echo from another address cannot pass the check.
    if (!isAddressEcho(Comm_Send(text, std::string(cmd::Address), AfterFailure::NoDrain, m_searchWait), text))
        return false;
    CMB_ADDR.addItem(text, CMB_ADDR.count());
    OnlineList.push_back(static_cast<std::int16_t>(bandIndex));
    return true;
}

void Ortavel::mnuQuickSearch_Click()
{
    // Stopping is the Search button's; a second search never starts inside one.
    if (searching() || m_searchRunning)
        return;
    m_searchWait = loadQuickSearchWait(m_settings);
    cmdSEARCH_Click();
    m_searchWait.reset();
}

void Ortavel::mnuQuickWait_Click()
{
    QuickSearchWait wait = loadQuickSearchWait(m_settings);
    // Each value is taken on its own; one refused keeps its old value.
    const auto askFor = [this, &wait](const WaitSetting &setting, int &ms, const std::string &what) {
        const auto text = m_messages.ask(fill(OT_TR("Ortavel", "%1 (%2 to %3 ms):"),
                                              {what, std::to_string(setting.minMs), std::to_string(setting.maxMs)}),
                                         kQuickSearchTitle, std::to_string(ms));
        if (!text)
            return;
        const auto parsed = parseWaitMs(*text, setting);
        if (!parsed) {
            m_messages.show(fill(OT_TR("Ortavel", "Not changed: the %1."), {waitSettingError(setting)}),
                            kQuickSearchTitle, true);
            return;
        }
        ms = *parsed;
        saveQuickSearchWait(m_settings, wait);
    };
    askFor(kTurnaroundSetting, wait.turnaroundMs,
           fill(OT_TR("Ortavel", "%1.\nLongest wait for a transmitter to start answering"),
                {quickSearchNotice(wait.turnaroundMs)}));
    askFor(kAllowanceSetting, wait.allowanceMs,
           OT_TR("Ortavel", "Time a USB serial adapter may hold received bytes back"));
    mnuQuickSearch.setToolTip(quickSearchNotice(wait.turnaroundMs));
}

void Ortavel::finishSearch(int lastBand)
{
    cmdSEARCH.setCaption(kSearchCaption);
    std::string over = OT_TR("Ortavel", "Searching over.");
    if (const auto fixed = MSCommBsq.fixedBaud())
        over = fill(OT_TR("Ortavel", "%1 Only %2 baud was searched: the device server sets the line's rate."),
                    {over, std::to_string(*fixed)});
    if (m_searchWait) {
        if (const std::string added = quickSearchAdditions(MSCommBsq.allowanceMs(), MSCommBsq.latencyMs());
            !added.empty())
            over = fill(OT_TR("Ortavel", "%1 %2."), {over, added});
    }
    StatusBar1.setPanel(1, over);
    if (CMB_ADDR.count() == 0) {
        StatusBar1.setPanel(2, OT_TR("Ortavel", "Online: 0"));
        StatusBar1.setPanel(4, OT_TR("Ortavel", "Band:"));
        return;
    }
    StatusBar1.setPanel(2, fill(OT_TR("Ortavel", "Online: %1"), {countText(CMB_ADDR.count())}));
    // The rate of the last pass, even when a read in a pause moved the list.
    StatusBar1.setPanel(
        4, fill(OT_TR("Ortavel", "Band:%1"),
                {lastBand < 0 ? std::string() : CMB_BAND.entries().at(static_cast<std::size_t>(lastBand)).text}));
    // An entry the operator chose during the search may already be the
    // first; it is read all the same, at its own rate.
    if (CMB_ADDR.selectedIndex() == 0)
        CMB_ADDR_Click();
    else
        CMB_ADDR.setSelectedIndex(0);
}

void Ortavel::CMB_ADDR_Click()
{
    // A window's run owns the line and its rate: the selection stays, and
    // nothing is read between its exchanges.
    if (!m_windowOperation.empty()) {
        tellRefused(m_windowOperation);
        CMB_ADDR.setSelectedIndex(m_selectedEntry);
        return;
    }
    const int selected = CMB_ADDR.selectedIndex();
    // The entry already shown is the same transmitter, read again.
    if (selected != m_selectedEntry) {
        newSelection();
        m_selectedEntry = selected;
    }
    if (selected < 0 || selected >= static_cast<int>(OnlineList.size()))
        return;
    // Picked again, it may be another transmitter on the same address.
    m_history.newSelection(CMB_ADDR.text());
    changeBaud(OnlineList[static_cast<std::size_t>(selected)]);
    cmbUnit.setEnabled(false);
    ReadTransmitterInfo();
    cmbUnit.setEnabled(true);
}

} // namespace ortavel
