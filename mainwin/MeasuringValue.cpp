#include "MeasuringValue.h"

#include "link/Clock.h"
#include "link/Commands.h"
#include "link/Numbers.h"
#include "mainwin/Answers.h"
#include "mainwin/Ortavel.h"
#include "text/OperatorText.h"

#include <array>
#include <cstdio>

namespace ortavel {

namespace {

constexpr const char *kCollect = OT_TR("Ortavel", "Collect");
constexpr const char *kStop = OT_TR("Ortavel", "Stop");
// "*", two address characters, five characters of pressure and CR.
constexpr std::size_t kShortestPressure = 9;
constexpr std::size_t kShortestTemperature = 5;

// A failed poll shows its whole result, is counted and leaves a gap in the
// trend; an error text is never a value.
bool takeFailedPoll(Ortavel &w, TextBox &box, Label &counter, TrendQuantity quantity, const Reply &reply,
                    std::size_t shortest)
{
    if (reply.text.size() >= shortest && reply.good())
        return false;
    box.showFailure(reply.text);
    counter.setCaption(formatPattern(readNumber(counter.caption()) + 1, "0"));
    w.trend().add(quantity, w.clock().nowMs(), std::nullopt);
    return true;
}

} // namespace

MeasuringValue::MeasuringValue(Ortavel &window) : m_window(window)
{
    m_window.cmdON_OFF.onClick = [this] { cmdON_OFF_Click(); };
    m_window.Timer1.onTimer = [this] { Timer1_Timer(); };
    m_window.cmdReset.onClick = [this] { cmdReset_Click(); };
    m_window.COM_SC.onClick = [this] { COM_SC_Click(); };
}

void MeasuringValue::cmdON_OFF_Click()
{
    Ortavel &w = m_window;
    if (w.cmdON_OFF.caption() != kCollect) {
        w.Timer1.setEnabled(false);
        w.cmdON_OFF.setCaption(kCollect);
        return;
    }
    w.Timer1.setEnabled(true);
    w.cmdON_OFF.setCaption(kStop);
    w.Label19.setCaption("0");
    w.Label20.setCaption("0");
    CollectStart = w.clock().nowMs();
    w.trend().startRun(CollectStart);
}

void MeasuringValue::Timer1_Timer()
{
    // A tick delivered while one is still running (a message box's own
    // event loop) would interleave two polls.
    if (m_ticking)
        return;
    Ortavel &w = m_window;
    // No transmitter chosen (or a search under way): no address to poll.
    if (w.refusesRequest())
        return;
    m_ticking = true;
    w.PollPressure = !w.PollPressure;
    if (w.PollPressure)
        pollPressure();
    else
        pollTemperature();
    w.StatusBar1.setPanel(4, elapsedText(w.clock().nowMs() - CollectStart));
    m_ticking = false;
}

void MeasuringValue::pollPressure()
{
    Ortavel &w = m_window;
    const Reply reply = w.ask(cmd::Pressure);
    if (takeFailedPoll(w, w.TXT_PRESSURE, w.Label19, TrendQuantity::Pressure, reply, kShortestPressure))
        return;
    w.TXT_PRESSURE.setText(reply.data());
    const double pressure = readNumber(w.TXT_PRESSURE.text());
    w.trend().add(TrendQuantity::Pressure, w.clock().nowMs(), pressure);
    // The extremes live only as texts: what the operator types into them
    // counts.
    if (pressure > readNumber(w.txtMAX.text()))
        w.txtMAX.setText(w.TXT_PRESSURE.text());
    else if (pressure < readNumber(w.txtMIN.text()))
        w.txtMIN.setText(w.TXT_PRESSURE.text());
}

// An error text is a failed poll, not a temperature of 0.0 or 3.0.
void MeasuringValue::pollTemperature()
{
    Ortavel &w = m_window;
    const Reply reply = w.ask(cmd::Temperature);
    if (takeFailedPoll(w, w.TXT_TEMPERATURE, w.Label20, TrendQuantity::Temperature, reply, kShortestTemperature))
        return;
    const double temperature = readNumber(reply.data());
    w.TXT_TEMPERATURE.setText(formatPattern(temperature, kTemperaturePattern));
    w.trend().add(TrendQuantity::Temperature, w.clock().nowMs(), temperature);
}

// A failure text is no pressure to start the extremes from.
void MeasuringValue::cmdReset_Click()
{
    Ortavel &w = m_window;
    const bool pressure = w.TXT_PRESSURE.holdsValue();
    w.txtMAX.setText(pressure ? w.TXT_PRESSURE.text() : kNoMaximum);
    w.txtMIN.setText(pressure ? w.TXT_PRESSURE.text() : kNoMinimum);
}

// The whole text stays when the answer is an error: a cut " 0" would read
// as a pressure.
void MeasuringValue::COM_SC_Click()
{
    if (m_window.refusesRequest())
        return;
    takeAnswer(m_window.TXT_PRESSURE, m_window.ask(cmd::SetZero));
}

std::string MeasuringValue::elapsedText(std::int64_t ms)
{
    const std::int64_t seconds = ms < 0 ? 0 : ms / 1000;
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%lld:%02d:%02d", static_cast<long long>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return text.data();
}

} // namespace ortavel
