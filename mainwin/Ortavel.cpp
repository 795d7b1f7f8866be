#include "Ortavel.h"

#include "Answers.h"
#include "controls/EventPump.h"
#include "controls/MessageBox.h"
#include "controls/WindowHost.h"
#include "link/Clock.h"
#include "link/Commands.h"
#include "link/LineSettings.h"
#include "link/Numbers.h"
#include "link/ReplyCheck.h"
#include "link/SerialPort.h"
#include "link/SettingsStore.h"
#include "text/OperatorText.h"

#include <algorithm>

namespace ortavel {

Ortavel::Ortavel(SerialPort &port, const Clock &clock, SettingsStore &settings, MessageBox &messages, EventPump &events,
                 WindowHost &windows, HistoryRecorder &history)
    : Form("Ortavel", kCaption), MSCommBsq(port), m_clock(clock), m_settings(settings), m_messages(messages),
      m_events(events), m_windows(windows), m_history(history), m_exchange(port, clock)
{
    registerControls();
    setInitialState();
    mnuQuickSearch.setToolTip(quickSearchNotice(loadQuickSearchWait(m_settings).turnaroundMs));
    wireHandlers();
    m_traffic.setOrigin(clock.nowMs());
}

Ortavel::~Ortavel() = default;

Control *Ortavel::parentOf(const Control &control) const
{
    const auto it = m_parents.find(&control);
    return it == m_parents.end() ? nullptr : it->second;
}

std::string Ortavel::parentName(const Control &control) const
{
    const Control *parent = parentOf(control);
    return parent == nullptr ? std::string() : parent->name();
}

std::string Ortavel::Comm_Send(const std::string &send_addr, const std::string &send_comm, AfterFailure afterFailure,
                               const std::optional<QuickSearchWait> &quick)
{
    if (!isBusAddress(send_addr)) {
        tellRefused(OT_TR("Ortavel", "no transmitter selected"));
        return std::string(kNoReply);
    }
    return exchange(send_addr, send_comm, afterFailure, quick);
}

std::string Ortavel::sendInstruction(const std::string &instruction)
{
    return exchange(selectedAddress(), instruction, AfterFailure::Drain, std::nullopt);
}

std::string Ortavel::exchange(const std::string &send_addr, const std::string &send_comm, AfterFailure afterFailure,
                              const std::optional<QuickSearchWait> &quick)
{
    // The recorder sees every exchange of every window; it costs the
    // exchange a few copies into a ring slot whose storage is reused.
    const bool wasOpen = MSCommBsq.isOpen();
    std::string result = m_exchange.Comm_Send(send_addr, send_comm, afterFailure, quick);
    // A lost network link or a pulled adapter: every request after it gets
    // no reply at once, so this is the one place that can say why.
    if (wasOpen && !MSCommBsq.isOpen())
        lineNotice(
            fill(OT_TR("Ortavel", "The port closed: %1. Nothing more is sent; choose the port again to reconnect."),
                 {MSCommBsq.errorString()}));
    const int baud = baudOfSettings(MSCommBsq.settings()).value_or(0);
    if (const auto &late = m_exchange.lateReply()) {
        m_traffic.record(late->startMs, late->endMs, baud, late->address, late->request, late->bytes,
                         ExchangeResult::LateReply);
        lineNotice(lateReplyNotice(late->address, late->timeoutMs));
    }
    m_traffic.record(m_exchange.lastStartMs(), m_clock.nowMs(), baud, send_addr, m_exchange.lastRequest(),
                     m_exchange.lastReceived(), result);
    // The history only queues here. The port and its rate change in several
    // places; the line is taken as it was for this exchange.
    if (!m_exchange.lastRequest().empty()) {
        m_history.setLine(m_openDevice, baud);
        m_history.exchanged(send_addr, send_comm, result);
    }
    checkHistoryTrouble(false);
    return result;
}

void Ortavel::lineNotice(const std::string &notice)
{
    if (!OperationReport::noteLateReply(notice))
        StatusBar1.setPanel(1, notice);
}

void Ortavel::checkHistoryTrouble(bool showMessage)
{
    auto trouble = m_history.trouble();
    if (trouble != m_historyTrouble) {
        StatusBar1.setPanelToolTip(1, trouble ? fill(OT_TR("Ortavel", "History: %1"), {*trouble}) : std::string());
        if (!trouble)
            m_historyTroubleTold = false;
        m_historyTrouble = std::move(trouble);
    }
    if (showMessage && m_historyTrouble && !m_historyTroubleTold && !whyLineBusy()) {
        m_historyTroubleTold = true;
        m_messages.show(fill(OT_TR("Ortavel", "The instrument history cannot store entries now: %1. They are kept on "
                                              "this computer and stored once it can."),
                             {*m_historyTrouble}),
                        kAppTitle, true);
    }
}

Reply Ortavel::ask(std::string_view command)
{
    return askAt(selectedAddress(), std::string(command));
}

Reply Ortavel::askAt(const std::string &address, const std::string &command)
{
    return {Comm_Send(address, command), address};
}

void Ortavel::writeBox(std::string_view letters, TextBox &box, ValueKind kind, OperationReport &report)
{
    if (const auto value = sendable(box, kind, letters, report)) {
        const Reply reply = ask(cmd::write(letters, *value));
        report.checkEcho(takeEcho(box, reply, *value, kind), letters, reply);
    }
}

std::string Ortavel::selectedAddress() const
{
    return hasTransmitter() ? CMB_ADDR.text() : std::string();
}

bool Ortavel::hasTransmitter() const
{
    const int selected = CMB_ADDR.selectedIndex();
    return selected >= 0 && selected < static_cast<int>(OnlineList.size());
}

HeldTransmitter Ortavel::holdSelected() const
{
    return {selectedAddress(), m_selection.current(), MSCommBsq.settings()};
}

bool Ortavel::stillSelected(const HeldTransmitter &held) const
{
    return !held.address.empty() && !whyNoOperation() && m_selection.current() == held.selection &&
           selectedAddress() == held.address && MSCommBsq.settings() == held.lineSettings;
}

void Ortavel::beginWindowOperation(const std::string &what)
{
    m_windowOperation = what;
    Timer1.setEnabled(false);
    cmdON_OFF.setCaption(OT_TR("Ortavel", "Collect"));
}

void Ortavel::endWindowOperation()
{
    m_windowOperation.clear();
}

std::optional<std::string> Ortavel::whyLineBusy() const
{
    if (!m_windowOperation.empty())
        return m_windowOperation;
    if (searchUnderWay())
        return OT_TR("Ortavel", "a search is running");
    return std::nullopt;
}

std::optional<std::string> Ortavel::whyNoOperation() const
{
    if (auto why = whyLineBusy())
        return why;
    if (!hasTransmitter())
        return OT_TR("Ortavel", "no transmitter selected");
    return std::nullopt;
}

bool Ortavel::refuses(OperationReport &report) const
{
    const auto why = whyNoOperation();
    if (why)
        report.refused(*why);
    return why.has_value();
}

std::optional<std::string> Ortavel::sendable(const TextBox &box, ValueKind kind, std::string_view letters,
                                             OperationReport &report) const
{
    if (const auto why = whyNotSendable(hasTransmitter(), box, box.text(), kind)) {
        report.notWritten(letters, *why);
        return std::nullopt;
    }
    return box.text();
}

std::optional<int> Ortavel::sendable(const ComboBox &list, std::string_view letters, OperationReport &report) const
{
    const int selected = list.selectedIndex();
    const std::string code = selected < 0 ? std::string() : codeText(selected);
    if (const auto why = whyNotSendable(hasTransmitter(), list, code, ValueKind::Number)) {
        report.notWritten(letters, *why);
        return std::nullopt;
    }
    return selected;
}

// Stopped but still unwinding counts too: the line may be at the search's
// rate.
bool Ortavel::searchUnderWay() const
{
    return searching() || m_searchRunning;
}

void Ortavel::tellRefused(const std::string &why)
{
    if (!OperationReport::noteRefused(why))
        StatusBar1.setPanel(1, fill(OT_TR("Ortavel", "Nothing sent: %1"), {why}));
}

bool Ortavel::refusesRequest()
{
    const auto why = whyNoOperation();
    if (why)
        tellRefused(*why);
    return why.has_value();
}

bool Ortavel::refusesWhileLineBusy()
{
    return whyLineBusy() && refusesRequest();
}

void Ortavel::newSelection()
{
    m_selection.next();
}

void Ortavel::forgetValuesShown()
{
    newSelection();
    for (Control *control : valueControls())
        control->forgetValue();
}

// A search or another port: what was read belongs to no transmitter now.
void Ortavel::forgetSelection()
{
    forgetValuesShown();
    m_selectedEntry = -1;
    m_history.forgetAll();
}

void Ortavel::setSearchLastAddress(int lastAddress)
{
    m_searchLastAddress = std::clamp(lastAddress, 0, kDefaultSearchLastAddress);
}

void Ortavel::wireHandlers()
{
    UserCal.onClick = [this] { UserCal_Click(); };
    About.onClick = [this] { About_Click(); };
    mnuTraffic.onClick = [this] { mnuTraffic_Click(); };
    mnuTrend.onClick = [this] { mnuTrend_Click(); };
    mnuQuickSearch.onClick = [this] { mnuQuickSearch_Click(); };
    mnuQuickWait.onClick = [this] { mnuQuickWait_Click(); };
    mnuVerify.onClick = [this] { mnuVerify_Click(); };
    mnuHistory.onClick = [this] { mnuHistory_Click(); };
    tmrHistory.onTimer = [this] { checkHistoryTrouble(true); };
    Exit.onClick = [this] { Exit_Click(); };
    cmbCommPort.onClick = [this] { cmbCommPort_Click(); };
    CMB_ADDR.onClick = [this] { CMB_ADDR_Click(); };
    cmdSEARCH.onClick = [this] { cmdSEARCH_Click(); };
    cmdReFresh.onClick = [this] { cmdReFresh_Click(); };
    COM_QUIT.onClick = [this] { COM_QUIT_Click(); };
    onQueryUnload = [this] { return Form_QueryUnload(); };
}

} // namespace ortavel
