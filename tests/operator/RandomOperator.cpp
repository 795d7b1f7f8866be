#include "RandomOperator.h"

#include "InProcessLine.h"
#include "calib/frmYHJZ.h"
#include "cli/BackupJson.h"
#include "cli/SettingKey.h"
#include "config/ConfigurationMenu.h"
#include "config/FrmApply.h"
#include "config/FrmCompare.h"
#include "link/Commands.h"
#include "link/LineSettings.h"
#include "link/Numbers.h"
#include "mainwin/AccessLevels.h"
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "support/FakeSerialPort.h"
#include "support/MemoryHistory.h"
#include "support/MemorySettingsStore.h"
#include "verify/FrmVerify.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>

namespace ortavel::test {
namespace {

// Two lines with transmitters on the same addresses and rates, and an empty one.
constexpr int kBusPort = 3;
constexpr int kOtherBusPort = 4;
constexpr int kEmptyPort = 5;
constexpr int kLastAddress = 4;
// Display and output values the transmitters take: half the operator's whole numbers lie outside.
constexpr double kValueSpan = 5000.0;
const sim::FaultSetting kRandomFaults{sim::Fault::None, 0.15};

// The whole text as a number ("+012.50", " 7 "), or nothing.
std::optional<double> asNumber(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos || std::isalpha(static_cast<unsigned char>(text[first])) != 0)
        return std::nullopt;
    char *end = nullptr;
    const double value = std::strtod(text.c_str() + first, &end);
    if (end == text.c_str() + first || std::isnan(value))
        return std::nullopt;
    while (*end == ' ')
        ++end;
    return *end == '\0' ? std::optional(value) : std::nullopt;
}

// Control and non-ASCII bytes as \xNN: one action a line in the replay list.
std::string printable(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
        out += c >= 0x20 && c < 0x7f ? std::string(1, c) : std::string(hex);
    }
    return out;
}

// The data of a well-formed reply in time: a late one is never taken, so its value must never go out.
std::optional<std::string> goodData(const sim::TraceEntry &entry)
{
    using sim::Fault;
    if (entry.responders != 1 || entry.fault == Fault::BadChecksum || entry.fault == Fault::Collision ||
        entry.fault == Fault::Silent || entry.fault == Fault::Late || entry.fault == Fault::Stray)
        return std::nullopt;
    const auto start = entry.reply.rfind("*" + entry.address);
    const auto end = entry.reply.find('\r', start);
    if (start == std::string::npos || end == std::string::npos || end < start + 5)
        return std::nullopt;
    return entry.reply.substr(start + 3, end - start - 5);
}

// The command of "$", address, command, checksum, CR; the address is two digits, "AA",
// the list's non-ASCII design text before a search, or empty after a failed one.
std::string commandOf(const std::string &frame)
{
    if (frame.size() < 4 || frame.front() != '$')
        return {};
    const std::string covered = frame.substr(1, frame.size() - 4);
    const auto digit = [&](std::size_t i) { return i < covered.size() && covered[i] >= '0' && covered[i] <= '9'; };
    std::size_t address = 0;
    if ((digit(0) && digit(1)) || covered.starts_with("AA"))
        address = 2;
    while (address < covered.size() && static_cast<unsigned char>(covered[address]) >= 0x80)
        ++address;
    return covered.substr(address);
}

// A request's field ("OL", "FC3": the letters and any point digit) and the value it carries, none for a read.
std::pair<std::string, std::optional<std::string>> fieldAndValue(const std::string &command)
{
    for (const auto &info : cmd::kCatalogue) {
        const std::size_t readLength = info.letters.size() + (info.pointDigit ? 1 : 0);
        if (command.starts_with(info.letters))
            return {command.substr(0, std::min(readLength, command.size())),
                    info.writeForm && command.size() > readLength ? std::optional(command.substr(readLength))
                                                                  : std::nullopt};
    }
    return {command, std::nullopt};
}

// A write is confirmed when the value sent comes back: the same text, or the same number in the reply's
// pattern (its decimals round the value sent).
bool echoes(const std::string &sent, const std::string &echo)
{
    const auto a = asNumber(sent);
    const auto b = asNumber(echo);
    if (sent == echo || !a || !b)
        return sent == echo;
    const auto point = echo.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(echo.size() - point - 1);
    return std::fabs(*a - *b) <= 0.5 * std::pow(10.0, -decimals) + 1e-6 * std::max(1.0, std::fabs(*a));
}

// Every transmitter of both lines reports its own value for every parameter, so that a value of one
// written to another shows.
sim::BusConfig busConfig(std::uint64_t seed, int line)
{
    sim::BusConfig bus;
    bus.seed = seed + static_cast<std::uint64_t>(line);
    const int bauds[] = {9600, 4800, 1200};
    const char *versions[2][3] = {{"2.10", "2.00", "1.50"}, {"1.50", "2.10", "2.00"}};
    for (int i = 0; i < 3; ++i) {
        const int k = line * 3 + i;
        sim::TransmitterConfig t;
        t.address = i + 1;
        t.baud = bauds[i];
        t.version = versions[line][i];
        auto &w = t.working;
        w.type = "PT" + std::to_string(100 + k);
        w.ident = "SN" + std::to_string(4700 + k);
        w.unit = k;
        w.decimals = k % 5;
        // Whole numbers: any decimals pattern writes them back unchanged.
        w.displayLow = -(k + 1);
        w.displayHigh = 100 + 17 * k;
        w.outputLow = 3 + k;
        w.outputHigh = 50 + 23 * k;
        w.trimZero = -4000 + 1300 * k;
        w.trimFull = 3500 - 1100 * k;
        w.pointCount = 1 + k;
        for (int j = 0; j < sim::kCalibrationPoints; ++j) {
            w.measured[static_cast<std::size_t>(j)] = 10 * j + k + 0.5;
            w.standard[static_cast<std::size_t>(j)] = 10 * j + k + 0.25;
        }
        // A restore brings other values than any working ones, so a value from before it shows.
        sim::DataArea f = w;
        f.type = "PF" + std::to_string(100 + k);
        f.ident = "FS" + std::to_string(4700 + k);
        f.unit = (k + 3) % 7;
        f.decimals = (k + 2) % 5;
        f.displayLow = -(k + 31);
        f.displayHigh = 300 + 13 * k;
        f.outputLow = 40 + k;
        f.outputHigh = 200 + 7 * k;
        f.trimZero = 4150 - 900 * k;
        f.trimFull = -4450 + 1000 * k;
        f.pointCount = (k + 5) % 9;
        for (int j = 0; j < sim::kCalibrationPoints; ++j) {
            f.measured[static_cast<std::size_t>(j)] = 10 * j + k + 0.75;
            f.standard[static_cast<std::size_t>(j)] = 10 * j + k + 0.125;
        }
        t.factory = f;
        t.valueLow = -kValueSpan;
        t.valueHigh = kValueSpan;
        t.pressure = 12.5 * (k + 1);
        t.pressureNoise = 0.5;
        t.fault = kRandomFaults;
        bus.transmitters.push_back(t);
    }
    return bus;
}

// One simulated transmitter: its line's port and its place on that line.
using Unit = std::pair<int, int>;

// The values a transmitter may be sent, by field ("OL", "FC3", ...): what it reported there, and what the
// operator typed or picked for it ("*": any field; "~": the same, rounded to a decimals pattern).
struct Legit {
    std::map<std::string, std::set<std::string>> texts;
    std::map<std::string, std::set<double>> numbers;

    void add(const std::string &field, const std::string &text)
    {
        texts[field].insert(text);
        if (const auto number = asNumber(text))
            numbers[field].insert(*number);
    }
    bool has(const std::string &field, const std::string &value) const
    {
        if (const auto it = texts.find(field); it != texts.end() && it->second.count(value) != 0)
            return true;
        const auto number = asNumber(value);
        const auto it = numbers.find(field);
        if (!number || it == numbers.end())
            return false;
        // Single precision is as exact as the transmitter keeps a value.
        const double slack = 1e-6 * std::max(1.0, std::fabs(*number));
        const auto near = it->second.lower_bound(*number - slack);
        return near != it->second.end() && *near <= *number + slack;
    }
    // Takes the text, and its number, out of every field.
    void forget(const std::string &text)
    {
        for (auto &[field, set] : texts)
            set.erase(text);
        if (const auto number = asNumber(text)) {
            for (auto &[field, set] : numbers)
                set.erase(*number);
        }
    }
};

// Plays the operator, and is the window host that opens and closes the calibration window.
class Operator final : public WindowHost {
public:
    Operator(OperatorLine &line, std::uint64_t seed, OperatorRun &run, bool trace)
        : m_line(line), m_run(run), m_random(seed), m_trace(trace)
    {
        m_line.onRequest = [this](const std::string &frame) { onRequest(frame); };
        m_line.onAnswer = [this](const sim::TraceEntry &entry) { onAnswer(entry); };
        m_settings.setValue(Ortavel::kAppTitle, Ortavel::kSettingsSection, Ortavel::kSettingsKey,
                            std::to_string(kBusPort));
        openMain();
    }
    ~Operator() override
    {
        m_line.onRequest = nullptr;
        m_line.onAnswer = nullptr;
    }
    Operator(const Operator &) = delete;
    Operator &operator=(const Operator &) = delete;

    // One random action; false when a check failed.
    bool step()
    {
        // What the window did before the first action (or since it was opened again) is checked too.
        if (!m_requests.empty() && !check())
            return false;
        Action action;
        while (!action)
            action = pick();
        m_console = false;
        m_saving = false;
        m_inSearch.clear();
        m_events.actions.clear();
        // Now and then the action starts a search, and something happens in one of its pauses.
        if (below(3) == 0)
            m_events.actions[m_events.calls + 1 + below(40)] = [this] { duringSearch(); };
        m_description = "(nothing: the control went out of use)";
        // Now and then one address answers with another address's frames for the whole action.
        std::optional<int> strayPort;
        std::string strays;
        if (const int port = m_line.port().portNumber(); !m_line.transmitters(port).empty() && below(20) == 0) {
            strayPort = port;
            const int address = 1 + below(3);
            const auto fault = below(2) == 0 ? sim::Fault::Stray : sim::Fault::StrayBefore;
            m_line.setFault(port, address, {fault, 0.0});
            strays = " [" + std::string(sim::faultName(fault)) + " from " + std::to_string(address) + "]";
        }
        const auto started = std::chrono::steady_clock::now();
        action();
        const auto took = std::chrono::steady_clock::now() - started;
        settleLine();
        settleRestore();
        judgeRefusedBox();
        // An address written in the action may have taken the fault along.
        if (strayPort) {
            for (const auto &state : m_line.transmitters(*strayPort))
                m_line.setFault(*strayPort, state.config.address, kRandomFaults);
        }
        m_run.actions.push_back(m_description + m_inSearch + strays);
        m_closed.clear();
        if (m_mainClosed)
            openMain();
        if (took > m_line.slowAction()) {
            m_run.failure = "the action took " +
                            std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()) + " ms";
            return false;
        }
        return check();
    }

    void showWindow(const std::string &name) override
    {
        // The Verification window only reads: whatever it is made to do, no write may come of it.
        if (name == "Verification" && !m_verify)
            m_verify = std::make_unique<FrmVerify>(*m_main);
        if (name == ConfigurationMenu::kCompareWindow || name == ConfigurationMenu::kApplyWindow)
            openConfigurationWindow(name);
        if (name != "frmYHJZ" || m_cal)
            return;
        m_calTarget = target();
        m_cal = std::make_unique<frmYHJZ>(*m_main);
        m_cal->Form_Load();
    }
    void requestClose(Form &form) override
    {
        if (m_cal && &form == m_cal.get() && m_cal->queryUnload())
            m_closed.push_back(std::move(m_cal));
        if (&form == m_main.get() && m_main->queryUnload())
            m_mainClosed = true;
    }
    void closeOtherWindows(const Form &) override
    {
        if (m_verify)
            m_closed.push_back(std::move(m_verify));
        if (m_compare)
            m_closed.push_back(std::move(m_compare));
        if (m_apply && m_apply->queryUnload())
            m_closed.push_back(std::move(m_apply));
        if (m_cal && m_cal->queryUnload())
            m_closed.push_back(std::move(m_cal));
    }

private:
    using Action = std::function<void()>;
    // Each request as the window wrote it: its transmitter (none for "AA" or nobody there), the one
    // selected at the time, and what the bus made of it.
    struct Request {
        std::string command;
        std::vector<sim::TraceEntry> entries;
        std::vector<Unit> recipients;
        std::optional<Unit> target;
        bool toAll = false;
        std::uint64_t selection = 0; // the main window's selection count at the time
        bool saving = false;         // sent by a calibration save
        bool inSearch = false;       // while the main window's search ran
        int baud = 0;                // the line's rate
        std::size_t messages = 0;    // message boxes shown before it
        std::string address;         // as the frame names it
    };
    // A configuration move's writes: the file's values they may carry by field, the file, the transmitters
    // chosen for them, and whether Cancel was pressed.
    struct ConfigMove {
        Legit values;
        cli::BackupFile file;
        std::set<Unit> to;
        bool cancelled = false;
    };

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <typename T> T &any(const std::vector<T *> &from)
    {
        return *from[static_cast<std::size_t>(below(static_cast<int>(from.size())))];
    }

    void describe(const std::string &text)
    {
        m_description = text;
        if (m_trace)
            std::cerr << m_run.actions.size() << ": " << text << std::endl;
    }

    void openMain()
    {
        m_compare.reset();
        m_apply.reset();
        m_main = std::make_unique<Ortavel>(m_line.port(), m_line.clock(), m_settings, m_messages, m_events, *this,
                                           m_history.recorder);
        openConfigurationMenu();
        m_main->setSearchLastAddress(kLastAddress);
        m_seenSelection = 0;
        m_typedBySelection.clear();
        m_main->Form_Load();
        // A search first, so that most actions meet a transmitter.
        m_main->cmdSEARCH.click();
        m_mainClosed = false;
    }

    // As the operator sees it: the Search button offers to stop.
    bool searching() const { return m_main->cmdSEARCH.caption() == "Stop"; }

    int lineBaud() const { return lineBaudOf(m_line.port().settings()); }

    // The transmitters behind an address on the line in force: more than one where a change of address
    // or rate put two on the same.
    std::vector<Unit> unitsAt(const std::string &address, int baud) const
    {
        std::vector<Unit> out;
        const int port = m_line.port().portNumber();
        if (address.size() != 2)
            return out;
        const auto states = m_line.transmitters(port);
        for (std::size_t i = 0; i < states.size(); ++i) {
            const auto &config = states[i].config;
            if (std::to_string(100 + config.address).substr(1) == address && config.baud == baud)
                out.emplace_back(port, static_cast<int>(i));
        }
        return out;
    }

    // The transmitter the main window has selected: the one at its address when it was chosen, followed
    // through a change of address or rate that took effect even when its answer was lost.
    std::optional<Unit> target()
    {
        if (!m_main->hasTransmitter())
            return std::nullopt;
        if (m_main->selection().current() != m_seenSelection || !m_selected) {
            m_seenSelection = m_main->selection().current();
            const auto units = unitsAt(m_main->CMB_ADDR.text(), lineBaud());
            m_selected = units.empty() ? std::nullopt : std::optional(units.front());
        }
        return m_selected;
    }

    std::optional<Unit> targetOf(const Form &form)
    {
        return &form == m_main.get() ? target() : &form == m_cal.get() ? m_calTarget : std::nullopt;
    }

    // Judged as it goes out, against what was known and typed until then.
    void onRequest(const std::string &frame)
    {
        settleRestore();
        judgeRefusedBox();
        Request request{commandOf(frame),
                        {},
                        {},
                        target(),
                        false,
                        m_main->selection().current(),
                        m_saving,
                        searching(),
                        lineBaud(),
                        m_messages.shown.size(),
                        {}};
        const auto parsed = FakeSerialPort::parseRequest(frame);
        if (parsed && isBusAddress(parsed->first))
            noteLineWrite(parsed->second);
        request.toAll = parsed && parsed->first == "AA";
        if (parsed && !request.toAll)
            request.recipients = unitsAt(parsed->first, lineBaud());
        if (parsed)
            request.address = parsed->first;
        m_requests.push_back(request);
        if (m_run.failure.empty())
            judge(m_requests.back());
    }

    // What the bus made of the oldest request not yet answered.
    void onAnswer(const sim::TraceEntry &entry)
    {
        if (m_answered >= m_requests.size())
            return;
        Request &request = m_requests[m_answered++];
        if (m_trace && entry.note != "no bus")
            std::cerr << "  " << printable(entry.frame) << " -> " << printable(entry.reply) << std::endl;
        request.entries.push_back(entry);
        learn(request, entry);
    }

    // Every request written so far has its answer learnt, and reached its bus as written.
    void settleLine()
    {
        std::string error;
        if (!m_line.settle(error) && m_run.failure.empty())
            fail(error);
    }

    std::string garbage()
    {
        // No error texts: typed, they would pass as the operator's values.
        static const std::vector<std::string> odd = {
            "",      " ",        "abc",    "-",     "+",   ".",   "1e308", "-1e-320", "99999999999999999999", "0x1F",
            "12abc", "\x01\x7f", "\t\r\n", "ä漢字", "nan", "inf", " 0",    " 3",      std::string(300, '9'),  "+012.50",
            "-0.0",  "ERR",      "3 EER"};
        switch (below(4)) {
        case 0:
            return odd[static_cast<std::size_t>(below(static_cast<int>(odd.size())))];
        case 1:
            return std::to_string(1 + below(kLastAddress));
        case 2:
            return std::to_string(below(20001) - 10000);
        default:
            return std::to_string(below(2001) - 1000) + "." + std::to_string(below(100));
        }
    }

    // What the operator typed or picked, for the transmitter he meant.
    void typed(const std::optional<Unit> &unit, const std::string &text, bool inMainWindow = false)
    {
        m_typed.insert(text);
        // The broadcast sends what was typed for the selection, wherever its transmitter is now.
        if (inMainWindow)
            remember(m_typedBySelection[m_main->selection().current()], text);
        if (unit) {
            remember(m_legit[*unit], text);
            m_refused[*unit].forget(text);
        }
    }

    // Under `field` as typed, under `rounded` also in each decimals pattern.
    static void remember(Legit &legit, const std::string &text, const std::string &field = "*",
                         const std::string &rounded = "~")
    {
        legit.add(field, text);
        char *end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || std::isnan(value))
            return;
        // The window writes a typed range value, as single, in the decimals in force; a half typed as such
        // (2.675, below it as single) goes away from zero.
        for (const double number : {value, static_cast<double>(static_cast<float>(value))}) {
            legit.numbers[field].insert(number);
            for (const double scale : {1.0, 10.0, 100.0, 1000.0, 10000.0}) {
                legit.numbers[rounded].insert(std::round(number * scale) / scale);
                legit.numbers[rounded].insert(std::round(number * scale * (1 + 1e-9)) / scale);
            }
        }
    }

    bool typedInSelection(std::uint64_t selection, const std::string &field, const std::string &value) const
    {
        const auto it = m_typedBySelection.find(selection);
        return it != m_typedBySelection.end() &&
               (it->second.has("*", value) || ((field == "DL" || field == "DH") && it->second.has("~", value)));
    }

    // A value the oracle holds for the unit in any field, or held until a restore (the box shows it still, and
    // an edit of it is the operator's).
    bool known(const std::optional<Unit> &unit, const std::string &text) const
    {
        for (const auto *values : {&m_legit, &m_restoredAway}) {
            const auto it = unit ? values->find(*unit) : values->end();
            if (it != values->end() &&
                std::any_of(it->second.texts.begin(), it->second.texts.end(),
                            [&](const auto &field) { return it->second.has(field.first, text); }))
                return true;
        }
        return false;
    }

    std::vector<Form *> forms() const
    {
        std::vector<Form *> out{m_main.get()};
        if (m_cal)
            out.push_back(m_cal.get());
        if (m_verify)
            out.push_back(m_verify.get());
        return out;
    }

    template <typename T> std::vector<T *> usable(const Form &form) const
    {
        std::vector<T *> out;
        for (Control *control : form.controls()) {
            auto *typedControl = dynamic_cast<T *>(control);
            if (typedControl == nullptr || !control->enabled() || !control->visible())
                continue;
            const Control *parent = &form == m_main.get()  ? m_main->parentOf(*control)
                                    : &form == m_cal.get() ? m_cal->parentOf(*control)
                                                           : nullptr;
            if (parent == nullptr || (parent->enabled() && parent->visible()))
                out.push_back(typedControl);
        }
        return out;
    }

    // A partial edit as keys make it: Backspace, Delete, a slice cut out, a character put in.
    std::string edited(const std::string &text)
    {
        if (text.empty())
            return std::string(1, static_cast<char>('0' + below(10)));
        const auto at = static_cast<std::size_t>(below(static_cast<int>(text.size())));
        switch (below(4)) {
        case 0:
            return text.substr(0, text.size() - 1);
        case 1:
            return text.substr(1);
        case 2:
            return text.substr(0, at) + text.substr(std::min(text.size(), at + 1 + static_cast<std::size_t>(below(3))));
        default:
            return text.substr(0, at) + static_cast<char>('0' + below(10)) + text.substr(at);
        }
    }

    // A step is the operator's only from a position of the transmitter shown that it did not refuse.
    void stepBar(ScrollBar &bar, int value)
    {
        const auto unit = target();
        const std::string field = &bar == &m_main->VScroll1 ? "ZF" : "FF";
        const std::string position = std::to_string(bar.value());
        const auto legit = unit ? m_legit.find(*unit) : m_legit.end();
        if (legit != m_legit.end() && (legit->second.has(field, position) || legit->second.has("*", position)) &&
            !m_refused[*unit].has(field, position))
            typed(unit, std::to_string(value), true);
        bar.setValue(value);
    }

    // In a later pause of the search than the pick, on the search's rate again: whatever writes.
    void writeInPause()
    {
        Ortavel &w = *m_main;
        switch (below(4)) {
        case 0: {
            ScrollBar &bar = below(2) == 0 ? w.VScroll1 : w.VScroll2;
            const int value = std::clamp(bar.value() + (below(2) == 0 ? 1 : -1), bar.minimum(), bar.maximum());
            if (!bar.enabled())
                return;
            m_inSearch += " [then: scrolls to " + std::to_string(value) + " on " + bar.name() + "]";
            stepBar(bar, value);
            break;
        }
        case 1: {
            if (!w.cmbUnit.enabled() || w.cmbUnit.count() == 0)
                return;
            const int index = below(w.cmbUnit.count());
            m_inSearch += " [then: picks " + std::to_string(index) + " in cmbUnit]";
            for (const std::string &text : {w.cmbUnit.entries()[static_cast<std::size_t>(index)].text,
                                            std::to_string(index), std::to_string(w.cmbUnit.itemData(index))})
                typed(target(), text, true);
            w.cmbUnit.choose(index);
            break;
        }
        case 2: {
            Button &button = any(std::vector<Button *>{&w.cmdSCALE_Write, &w.cmdDA_Write, &w.COM_ADDR});
            m_inSearch += " [then: clicks " + button.name() + "]";
            button.click();
            break;
        }
        default: {
            // A calibration window opened in the pause, on the picked entry's rate, is used in a later one.
            if (!m_cal) {
                m_inSearch += " [then: UserCal]";
                w.UserCal.click();
                m_events.actions[m_events.calls + 1 + below(3)] = [this] { writeInPause(); };
                return;
            }
            Button &button = any(std::vector<Button *>{&m_cal->cmdSAVE, &m_cal->CmdReCal, &m_cal->cmdExit});
            m_inSearch += " [then: frmYHJZ clicks " + button.name() + "]";
            m_saving = &button == &m_cal->cmdSAVE;
            button.click();
        }
        }
    }

    void duringSearch()
    {
        Ortavel &w = *m_main;
        switch (below(4)) {
        case 0:
            m_inSearch += " [in the search: Stop]";
            w.cmdSEARCH.click();
            break;
        case 1:
            if (w.CMB_ADDR.count() > 0) {
                const int index = below(w.CMB_ADDR.count());
                m_inSearch += " [in the search: picks " + std::to_string(index) + " in CMB_ADDR]";
                w.CMB_ADDR.choose(index);
                if (below(2) == 0)
                    m_events.actions[m_events.calls + 1 + below(3)] = [this] { writeInPause(); };
            }
            break;
        case 2: {
            const std::vector<Button *> buttons = {&w.cmdSCALE_Write, &w.cmdDA_Write, &w.COM_ADDR, &w.CMD_USER,
                                                   &w.CMD_LD,         &w.cmdReFresh,  &w.COM_SC};
            Button &button = any(buttons);
            m_inSearch += " [in the search: clicks " + button.name() + "]";
            button.click();
            break;
        }
        default: {
            const int port = below(2) == 0 ? kOtherBusPort : kBusPort;
            m_inSearch += " [in the search: port com" + std::to_string(port) + "]";
            w.cmbCommPort.choose(port - 1);
        }
        }
    }

    // By weight, after one in 15 for a restore or a refused value and one in 12 for the Configuration menu:
    // 20 % lists, 20 % boxes, 7 % partial edits, 8 % focus moves, 25 % clicks, 8 % trim bars
    // (in the calibration window a whole calibration), 7 % timer ticks, the rest the same-settings box. Each takes the
    // focus first, as a click does.
    Action pick()
    {
        Form *form = &any(forms());
        const auto named = [this, form](const std::string &what, Control &control) {
            describe(form->name() + " " + what + " " + control.name());
            return form->requestFocus(control);
        };
        if (form == m_main.get() && below(15) == 0)
            return below(2) == 0 ? restoreAndWrite() : writeOutOfRange();
        // Save the selected transmitter's values; compare the file with the transmitter selected now (or in a
        // window left open) and write some ticked rows; or apply it to part of the online list.
        if (form == m_main.get() && below(12) == 0) {
            return [this, move = below(3)] {
                describe(move == 0 ? "Ortavel saves the configuration" : "Ortavel uses the file");
                if (move == 0)
                    m_main->mnuSaveConfig.click();
                else
                    move == 1 ? compareAndWrite() : applyToMany();
            };
        }
        const int kind = below(100);
        if (kind < 20) {
            auto lists = usable<ComboBox>(*form);
            if (lists.empty())
                return {};
            ComboBox &list = any(lists);
            const bool ports = &list == &m_main->cmbCommPort;
            // Other ports than the two lines cost a failed open; seldom.
            if (ports && below(3) != 0)
                return {};
            if (list.editable() && below(3) == 0) {
                const std::string text = garbage();
                return [this, form, &list, text, named] {
                    if (!named("types '" + printable(text) + "' into", list))
                        return;
                    typed(targetOf(*form), text, form == m_main.get());
                    list.setText(text);
                };
            }
            if (list.count() == 0)
                return {};
            const int lines[] = {kBusPort - 1, kOtherBusPort - 1, kBusPort - 1, kOtherBusPort - 1, kEmptyPort - 1};
            const int index = ports && below(4) != 0 ? lines[below(5)] : below(list.count());
            // After a change of line the operator mostly searches it, as the status bar asks.
            const bool thenSearch = ports && below(4) != 0;
            return [this, form, &list, index, thenSearch, named] {
                if (!named("picks " + std::to_string(index) + " in", list))
                    return;
                if (thenSearch) {
                    m_description += " and searches";
                    list.choose(index);
                    m_main->cmdSEARCH.click();
                    return;
                }
                // The address and port lists choose a transmitter; the others a value for it.
                if (&list != &m_main->CMB_ADDR && &list != &m_main->cmbCommPort) {
                    for (const std::string &text : {list.entries()[static_cast<std::size_t>(index)].text,
                                                    std::to_string(index), std::to_string(list.itemData(index))})
                        typed(targetOf(*form), text, form == m_main.get());
                }
                list.choose(index);
            };
        }
        if (kind < 47) {
            auto boxes = usable<TextBox>(*form);
            std::erase_if(boxes, [](const TextBox *box) { return box->readOnly(); });
            if (boxes.empty())
                return {};
            // Half the time the operator mends the box that keeps the focus.
            auto *focused = dynamic_cast<TextBox *>(form->focused());
            TextBox &box = focused != nullptr && !focused->readOnly() && below(2) == 0 ? *focused : any(boxes);
            if (kind >= 40) {
                const std::string text = edited(box.text());
                return [this, form, &box, text, named] {
                    if (!named("edits to '" + printable(text) + "'", box))
                        return;
                    // An edit is the operator's value, also of a value no longer the transmitter's (shown
                    // grey); an edit of a failed answer is no value.
                    if (known(targetOf(*form), box.text()) || m_typed.count(box.text()) != 0 ||
                        !failureText(box.text()))
                        typed(targetOf(*form), text, form == m_main.get());
                    m_console = &box == &m_main->txtInsSend;
                    box.type(text);
                };
            }
            std::string text = garbage();
            if (box.name() == "txtPass" && below(2) == 0) {
                const std::string_view codes[] = {kDisplayCode, kFactoryCode, kHideCode};
                text = std::string(codes[below(3)]);
            }
            return [this, form, &box, text, named] {
                if (!named("types '" + printable(text) + "' into", box))
                    return;
                typed(targetOf(*form), text, form == m_main.get());
                m_console = &box == &m_main->txtInsSend;
                box.type(text);
            };
        }
        if (kind < 55) {
            Control &target = any(usable<Control>(*form));
            return [&target, named] { named("moves the focus to", target); };
        }
        if (kind < 80) {
            std::vector<Label *> targets;
            for (auto *button : usable<Button>(*form))
                targets.push_back(button);
            if (form == m_main.get()) {
                for (auto *item : usable<MenuItem>(*form)) {
                    if (!item->isSeparator() && (item != &m_main->Exit || below(10) == 0))
                        targets.push_back(item);
                }
                if (below(10) == 0)
                    targets.push_back(m_main.get());
            } else if (below(10) == 0) {
                targets.push_back(form);
            }
            std::erase_if(targets, [this](const Label *l) { return l == &m_main->COM_QUIT && below(10) != 0; });
            if (targets.empty())
                return {};
            Label &target = any(targets);
            return [this, form, &target, named] {
                if (&target == form) {
                    describe(form->name() + " clicks the window");
                    target.click();
                } else if (named("clicks", target)) {
                    m_console = &target == &m_main->Cmd_INS;
                    if (m_cal && (&target == &m_cal->cmdSAVE || &target == &m_cal->cmdSaveFactory))
                        m_saving = true;
                    if (m_cal && &target == &m_cal->CmdReCal)
                        typed(m_calTarget, "0"); // a count of 0 goes out
                    target.click();
                }
            };
        }
        if (kind < 88 && form == m_verify.get()) {
            return [this] {
                describe("Verification takes a point");
                m_verify->cmdTake.click();
                for (int tick = 0; m_verify->taking() && tick <= verify::Plan::kMaxSamples; ++tick)
                    m_verify->tmrSample.tick();
            };
        }
        if (kind < 88 && form == m_cal.get()) {
            // The calibration as the operator does it: read, recalibrate, a count, save.
            const int count = 1 + below(frmYHJZ::kPoints);
            return [this, count] {
                describe("frmYHJZ reads, recalibrates and saves " + std::to_string(count) + " points");
                m_cal->cmdReadCAL.click();
                typed(m_calTarget, "0");
                m_cal->CmdReCal.click();
                typed(m_calTarget, std::to_string(count));
                m_cal->Combo1.choose(count);
                m_saving = true;
                m_cal->cmdSAVE.click();
            };
        }
        if (kind < 88) {
            ScrollBar &bar = below(2) == 0 ? m_main->VScroll1 : m_main->VScroll2;
            const int step = below(2) == 0 ? bar.smallChange() : bar.largeChange();
            const int value = std::clamp(bar.value() + (below(2) == 0 ? step : -step), bar.minimum(), bar.maximum());
            return [this, &bar, value, named] {
                if (bar.enabled() && named("scrolls to " + std::to_string(value) + " on", bar))
                    stepBar(bar, value);
            };
        }
        if (kind < 95) {
            return [this] {
                describe("Timer1 ticks");
                m_line.letPass(std::chrono::milliseconds(m_main->Timer1.interval()));
                m_main->Timer1.tick();
            };
        }
        if (form == m_main.get() && m_main->chkSame.visible()) {
            return [this] {
                describe("chkSame toggles");
                m_main->chkSame.setChecked(!m_main->chkSame.checked());
            };
        }
        return {};
    }

    bool isUsable(Control &control)
    {
        const auto controls = usable<Control>(*m_main);
        return std::find(controls.begin(), controls.end(), &control) != controls.end();
    }

    // Back to Factory Setting, then a write that may carry a value from before it: a trim step, a panel's
    // Write, or Save Modified Value to all with the factory code.
    Action restoreAndWrite()
    {
        if (!isUsable(m_main->CMD_LD))
            return {};
        const int then = below(3);
        const bool up = below(2) == 0;
        return [this, then, up] {
            Ortavel &w = *m_main;
            describe("Ortavel clicks CMD_LD");
            if (!w.requestFocus(w.CMD_LD))
                return;
            w.CMD_LD.click();
            settleRestore();
            if (then == 0) {
                ScrollBar &bar = up ? w.VScroll1 : w.VScroll2;
                const int value = std::clamp(bar.value() + 1, bar.minimum(), bar.maximum());
                if (!isUsable(bar) || !w.requestFocus(bar))
                    return;
                m_description += " and scrolls to " + std::to_string(value) + " on " + bar.name();
                stepBar(bar, value);
                return;
            }
            if (then == 1) {
                Button &button = up ? w.cmdDA_Write : w.cmdSCALE_Write;
                if (isUsable(button) && w.requestFocus(button)) {
                    m_description += " and clicks " + button.name();
                    button.click();
                }
                return;
            }
            if (!w.chkSame.visible()) {
                typed(target(), std::string(kFactoryCode), true);
                w.txtPass.type(std::string(kFactoryCode));
            }
            if (!isUsable(w.chkSame) || !isUsable(w.CMD_USER))
                return;
            m_description += " and saves to all";
            w.chkSame.setChecked(true);
            if (w.requestFocus(w.CMD_USER))
                w.CMD_USER.click();
        };
    }

    // A value its transmitter refuses, echoing the one it keeps, written from its panel.
    Action writeOutOfRange()
    {
        Ortavel &w = *m_main;
        const std::pair<TextBox *, Button *> rows[] = {
            {&w.TXT_DAL, &w.cmdDA_Write},  {&w.TXT_DAH, &w.cmdDA_Write},    {&w.TXT_DAZF, &w.cmdDA_Write},
            {&w.TXT_DAFF, &w.cmdDA_Write}, {&w.TXT_DPL, &w.cmdSCALE_Write}, {&w.TXT_DPH, &w.cmdSCALE_Write}};
        const auto [box, button] = rows[below(6)];
        const std::string text = (below(2) == 0 ? "-" : "") +
                                 std::to_string(static_cast<int>(kValueSpan) + 1 + below(static_cast<int>(kValueSpan)));
        if (!isUsable(*box) || box->readOnly())
            return {};
        return [this, box, button, text] {
            describe("Ortavel types '" + text + "' into " + box->name() + " and clicks " + button->name());
            if (!m_main->requestFocus(*box))
                return;
            typed(target(), text, true);
            box->type(text);
            if (isUsable(*button) && m_main->requestFocus(*button))
                button->click();
        };
    }

    // The Configuration menu over a file the operator keeps, through the codec the program writes files with.
    void openConfigurationMenu()
    {
        m_menu = std::make_unique<ConfigurationMenu>(*m_main, *this);
        m_menu->chooseSaveFile = [](const std::string &suggested) { return std::optional(suggested); };
        m_menu->chooseOpenFile = [this] {
            return m_fileJson.isEmpty() ? std::nullopt : std::optional<std::string>("c");
        };
        m_menu->readConfiguration = [this](const std::string &, std::string &error) {
            return cli::parseBackup(m_fileJson, error);
        };
        m_menu->writeConfiguration = [this](const std::string &, const cli::BackupFile &file) {
            checkSaved(file);
            m_fileJson = cli::backupToJson(file);
            return true;
        };
    }

    // A window replaces the one of its kind; Compare reads the transmitter selected now, the one it is for.
    void openConfigurationWindow(const std::string &name)
    {
        auto opened = m_menu->takeOpened();
        if (!opened)
            return;
        const bool apply = name == ConfigurationMenu::kApplyWindow;
        m_closed.push_back(apply ? std::unique_ptr<Form>(std::move(m_apply)) : std::move(m_compare));
        (apply ? m_applyMove : m_compareMove) = ConfigMove{{}, opened->file, {}};
        if (apply) {
            m_apply = std::make_unique<FrmApply>(*m_main, std::move(opened->file), opened->path);
            return;
        }
        if (const auto unit = target())
            m_compareMove.to.insert(*unit);
        m_compare = std::make_unique<FrmCompare>(*m_main, std::move(opened->file), opened->path);
        m_compare->Form_Load();
    }

    // What Save keeps as the transmitter's must be what it reported in that field: no typed value, failure
    // or value from before a restore.
    void checkSaved(const cli::BackupFile &file)
    {
        const auto unit = target();
        auto fields = file.settings;
        fields.insert(fields.end(), {{"id", file.sourceId}, {"VR", file.sourceVersion}});
        for (auto &[field, value] : fields) {
            if (const auto key = cli::settingKeyNamed(field))
                field = cli::settingLetters(*key);
            if (unit && !value.empty() && !m_legit[*unit].has(field, value) && m_run.failure.empty())
                fail("Save Configuration keeps " + field + " '" + printable(value) + "' as " + unitName(unit) +
                     "'s, a value it never reported there (or not since a restore)");
        }
    }

    // Starts judging a move's writes: the file's values of the rows ticked (of all without rows), in any pattern.
    void startMove(const ConfigMove &move, const std::optional<std::set<std::string>> &ticked = std::nullopt)
    {
        m_config = move;
        for (const auto &[name, value] : move.file.settings) {
            const std::string field(cli::settingLetters(*cli::settingKeyNamed(name)));
            if (!ticked || ticked->count(name) != 0)
                remember(m_config->values, value, field, field);
        }
        if (ticked && ticked->count("id") != 0)
            remember(m_config->values, move.file.sourceId, std::string(cmd::Ident));
    }

    void compareAndWrite()
    {
        if (!m_compare || below(3) != 0)
            m_main->mnuCompareConfig.click();
        if (!m_compare)
            return;
        std::set<std::string> ticked;
        for (std::size_t i = 0; i < m_compare->rows().size(); ++i) {
            if (below(3) == 0)
                m_compare->setTicked(static_cast<int>(i), below(2) == 0);
            if (m_compare->rows()[i].ticked)
                ticked.insert(m_compare->rows()[i].key);
        }
        m_compare->chkSave.setChecked(below(2) == 0);
        m_description +=
            " to write " + std::to_string(ticked.size()) + " rows" + (m_compare->chkSave.checked() ? " and save" : "");
        startMove(m_compareMove, ticked);
        m_compare->cmdWrite_Click();
        m_config.reset();
    }

    void applyToMany()
    {
        m_main->mnuApplyConfig.click();
        if (!m_apply)
            return;
        startMove(m_applyMove);
        m_description += " to apply to";
        for (std::size_t i = 0; i < m_apply->targets().size(); ++i) {
            const ApplyTarget &t = m_apply->targets()[i];
            m_apply->setTicked(static_cast<int>(i), below(3) != 0);
            m_description += t.ticked ? " " + t.address : "";
            for (const Unit &unit : t.ticked
                                        ? unitsAt(t.address, static_cast<int>(std::strtol(t.baud.c_str(), nullptr, 10)))
                                        : std::vector<Unit>{})
                m_config->to.insert(unit);
        }
        m_apply->chkCalibration.setChecked(m_apply->chkCalibration.enabled() && below(2) == 0);
        m_apply->chkSave.setChecked(below(2) == 0);
        m_description += m_apply->chkSave.checked() ? " and save" : "";
        if (below(3) == 0) {
            const int pause = 1 + below(12);
            m_description += ", Cancel at pause " + std::to_string(pause);
            m_events.actions[m_events.calls + pause] = [this] {
                m_config->cancelled = m_apply->running();
                m_apply->cmdCancel_Click();
            };
        }
        target(); // the selection's transmitter, found at its rate before the run moves the line
        m_apply->cmdApply_Click();
        m_config.reset();
    }

    // A configuration's write carries the file's value of a key chosen, to a transmitter chosen; trims and
    // the table go only to the file's own transmitter; a store follows only confirmed writes; nothing goes
    // out after Cancel.
    bool judgeConfiguration(const Request &request, const std::string &field, const std::optional<std::string> &value)
    {
        const bool store = field == cmd::SaveUser || field == cmd::SaveFactory;
        const auto reaches = [&request](const auto &test) {
            return std::any_of(request.recipients.begin(), request.recipients.end(), test);
        };
        const std::string what =
            "the configuration's " + printable(request.command) + " to " +
            unitName(request.recipients.empty() ? std::nullopt : std::optional(request.recipients.front()));
        if (!value && !store)
            return true;
        if (m_config->cancelled)
            return fail(what + " goes out after Cancel");
        if (!request.recipients.empty() && !reaches([this](const Unit &unit) { return m_config->to.count(unit) != 0; }))
            return fail(what + " reaches no transmitter the operator chose for it");
        for (const Request &earlier : m_requests) {
            if (store && earlier.address == request.address && earlier.baud == request.baud && !confirmedWrite(earlier))
                return fail(what + " stores after " + printable(earlier.command) + ", which it did not confirm");
        }
        m_run.writesChecked += store ? 0 : 1;
        if (!store && !m_config->values.has(field, *value))
            return fail(what + " carries no value the file holds for " + field + " in a row chosen");
        const bool own = field == cmd::Trim4mA || field == cmd::Trim20mA || field == cmd::PointCount ||
                         field.starts_with(cmd::Measured) || field.starts_with(cmd::Standard);
        if (own && !reaches([this](const Unit &unit) {
                const auto states = m_line.transmitters(unit.first);
                const auto &config = states.at(static_cast<std::size_t>(unit.second)).config;
                return m_config->file.isTakenFrom(config.working.type, config.working.ident, config.version);
            }))
            return fail(what + " is a trim or the table of another transmitter than the file's own");
        return true;
    }

    // A read, or a write whose value came back in a good reply.
    static bool confirmedWrite(const Request &request)
    {
        const auto value = fieldAndValue(request.command).second;
        return !value || std::any_of(request.entries.begin(), request.entries.end(), [&value](const auto &entry) {
            const auto data = goodData(entry);
            return data && echoes(*value, *data);
        });
    }

    // A value may go to a field as reported there or typed for the transmitter; a typed range value or
    // address also rounded to a pattern (output values only below version 2.0); a measured point also as
    // the live pressure it was taken from.
    bool legit(const Unit &unit, const std::string &field, const std::string &value) const
    {
        const auto it = m_legit.find(unit);
        if (it == m_legit.end())
            return false;
        const Legit &l = it->second;
        const std::string version =
            m_line.transmitters(unit.first).at(static_cast<std::size_t>(unit.second)).config.version;
        const bool patterned = field == "DL" || field == "DH" || field == cmd::Address ||
                               ((field == "OL" || field == "OH") && readNumber(version) < 2.0);
        return l.has(field, value) || l.has("*", value) || (patterned && l.has("~", value)) ||
               (field.starts_with(cmd::Measured) && l.has(std::string(cmd::Pressure), value));
    }

    // What the window shows for a failed answer.
    static bool failureText(const std::string &text)
    {
        return text == " 0" || text == " 3" || text.find("ERR") != std::string::npos ||
               text.find("EER") != std::string::npos;
    }

    std::string boxWithError() const
    {
        for (const Form *form : forms()) {
            for (const Control *control : form->controls()) {
                const auto *box = dynamic_cast<const TextBox *>(control);
                if (box == nullptr || !box->holdsValue() || m_typed.count(box->text()) != 0)
                    continue;
                if (failureText(box->text()))
                    return box->name() + " holds '" + printable(box->text()) + "' as a value";
            }
        }
        return {};
    }

    static std::string unitName(const std::optional<Unit> &unit)
    {
        return unit ? "com" + std::to_string(unit->first) + "#" + std::to_string(unit->second) : "nobody";
    }

    bool fail(const std::string &what)
    {
        m_run.failure = what + "; the action's requests:";
        for (const auto &r : m_requests) {
            for (const auto &e : r.entries)
                m_run.failure += "\n  " + printable(e.frame) + " -> " + printable(e.reply) + " (" +
                                 std::string(sim::faultName(e.fault)) + ")";
        }
        return false;
    }

    // A unit answered at the rate (its band in "BD"), or confirmed it as its new rate.
    bool answeredAt(const Unit &unit, int baud) const
    {
        const auto band = bandIndexOfBaud(baud);
        const auto it = m_legit.find(unit);
        return band && it != m_legit.end() && it->second.has(std::string(cmd::Baud), std::to_string(*band));
    }

    // A restore counts once the window has told the operator it was done: an answer it could not take (a
    // spoiled one, or one behind a late reply) leaves the values on show theirs.
    void settleRestore()
    {
        const auto restoring = std::exchange(m_restoring, std::nullopt);
        if (restoring && m_messages.shown.size() > restoring->messages &&
            m_messages.shown.back().text == "Restore the factory Setting")
            restored(restoring->unit, restoring->selection);
    }

    // After a confirmed restore a unit keeps its address and rate; every other value it had, reported or
    // typed, is no longer its own.
    void restored(const Unit &unit, std::uint64_t selection)
    {
        Legit kept;
        for (const auto letters : {cmd::Address, cmd::Baud}) {
            const std::string field(letters);
            kept.texts[field] = m_legit[unit].texts[field];
            kept.numbers[field] = m_legit[unit].numbers[field];
        }
        // Boxes may show values from before several restores.
        Legit &away = m_restoredAway[unit];
        for (const auto &[field, set] : std::exchange(m_legit[unit], kept).texts) {
            for (const auto &text : set)
                away.add(field, text);
        }
        m_refused.erase(unit);
        m_typedBySelection.erase(selection);
    }

    // What a transmitter answered, under the field it was asked for, with the address and rate it answers at;
    // a write answered with another value was refused.
    void learn(const Request &request, const sim::TraceEntry &entry)
    {
        m_run.faultsInjected += entry.fault != sim::Fault::None ? 1 : 0;
        const auto data = goodData(entry);
        if (!data || request.recipients.size() != 1)
            return;
        const Unit unit = request.recipients.front();
        const auto [field, value] = fieldAndValue(request.command);
        if (field == cmd::LoadFactory && *data == "OK") {
            m_restoring = Restoring{unit, request.selection, request.messages};
            return;
        }
        // What it reports is its own again, even a value it refused before.
        m_refused[unit].forget(*data);
        if (value && !echoes(*value, *data)) {
            m_refused[unit].add(field, *value);
            if (request.saving)
                m_refusedInSave.insert(unit);
            // A configuration's writes come from its file, not from a box.
            if (!m_console && !m_config)
                m_refusedBox = {boxOf(field), "the echo '" + printable(*data) + "' of " + printable(request.command)};
        }
        Legit &l = m_legit[unit];
        l.add(field, *data);
        // A trim bar takes a reply's value as a whole position, rounded to even.
        if (const auto number = asNumber(*data))
            l.numbers[field].insert(std::nearbyint(*number));
        l.add(std::string(cmd::Address), entry.address);
        if (const auto band = bandIndexOfBaud(entry.lineBaud))
            l.add(std::string(cmd::Baud), std::to_string(*band));
    }

    // The main window's box a field is written from.
    TextBox *boxOf(const std::string &field) const
    {
        Ortavel &w = *m_main;
        const std::pair<std::string_view, TextBox *> boxes[] = {
            {cmd::Output4mA, &w.TXT_DAL}, {cmd::Output20mA, &w.TXT_DAH},  {cmd::Trim4mA, &w.TXT_DAZF},
            {cmd::Trim20mA, &w.TXT_DAFF}, {cmd::DisplayZero, &w.TXT_DPL}, {cmd::DisplayFull, &w.TXT_DPH},
            {cmd::Type, &w.txtType},      {cmd::Ident, &w.txtID}};
        for (const auto &[letters, box] : boxes) {
            if (field == letters)
                return box;
        }
        return nullptr;
    }

    // Once the window has taken a refused echo (by its next request, or the action's end), the box the value
    // was written from shows a failure: the echo is no confirmation.
    void judgeRefusedBox()
    {
        const auto [box, write] = std::exchange(m_refusedBox, {});
        if (box != nullptr && m_run.failure.empty() && box->holdsValue())
            fail(write + " is not the value sent, yet " + box->name() + " holds '" + printable(box->text()) +
                 "' as a value");
    }

    // One request as it goes out.
    bool judge(const Request &request)
    {
        ++m_run.requests;
        const auto [field, value] = fieldAndValue(request.command);
        const std::string what = "request " + printable(request.command);
        if (request.saving && !value && (field.starts_with(cmd::Measured) || field.starts_with(cmd::Standard)))
            return fail("the calibration save sends " + printable(request.command) + " without a value");
        if (value && request.inSearch)
            return fail(what + " writes while a search runs");
        if (request.saving && (field == cmd::SaveUser || field == cmd::SaveFactory) &&
            std::any_of(request.recipients.begin(), request.recipients.end(),
                        [this](const Unit &unit) { return m_refusedInSave.count(unit) != 0; }))
            return fail("the calibration save stores with " + what + " after a write its transmitter refused");
        if (m_config)
            return judgeConfiguration(request, field, value);
        if (!value || m_console)
            return true;
        if (!request.toAll && request.target && !answeredAt(*request.target, request.baud))
            return fail(what + " goes out at " + std::to_string(request.baud) + " baud, a rate " +
                        unitName(request.target) + " never answered at");
        // To all at once the values must be the selected one's or typed while it was selected; to an
        // address nobody answers at (a write that took effect though its answer was lost) they reach
        // nobody; where two share an address and rate, it is meant for one of them.
        if (!request.toAll && request.recipients.empty())
            return true;
        ++m_run.writesChecked;
        const auto &candidates = request.toAll
                                     ? (request.target ? std::vector<Unit>{*request.target} : std::vector<Unit>{})
                                     : request.recipients;
        if (std::any_of(candidates.begin(), candidates.end(),
                        [&](const Unit &unit) { return legit(unit, field, *value); }) ||
            (request.toAll && typedInSelection(request.selection, field, *value)))
            return true;
        return fail(what + " writes '" + printable(*value) + "' to " +
                    unitName(candidates.empty() ? std::nullopt : std::optional(candidates.front())) +
                    ", a value it never reported there (or not since a restore) and no operator typed for it");
    }

    // A write form, store, restore or zero on the line: what the history must hold for it.
    void noteLineWrite(const std::string &command)
    {
        const auto [field, value] = fieldAndValue(command);
        if (value)
            m_lineWrites.emplace_back(field, *value);
        else if (command == cmd::SetZero || command == cmd::SaveUser || command == cmd::SaveFactory ||
                 command == cmd::LoadFactory)
            m_lineWrites.emplace_back(command, command);
    }

    // One history entry per write seen on the line, in order, with the value sent; only what came
    // since the last check is compared.
    std::string historyMismatch()
    {
        const auto &entries = m_history.store.all();
        const auto shown = [](const std::string &field, const std::string &value) {
            return field + " '" + printable(value) + "'";
        };
        for (; m_entriesChecked < entries.size(); ++m_entriesChecked) {
            const HistoryEntry &e = entries[m_entriesChecked];
            if (e.kind != EntryKind::Write)
                continue;
            if (m_writesChecked == m_lineWrites.size())
                return "the history holds " + shown(e.parameter, e.sent) + ", a write the line never carried";
            const auto &[field, value] = m_lineWrites[m_writesChecked++];
            if (e.parameter != field || e.sent != value)
                return "the history holds " + shown(e.parameter, e.sent) + " where the line carried " +
                       shown(field, value) + " (write " + std::to_string(m_writesChecked) + ")";
        }
        if (m_writesChecked != m_lineWrites.size())
            return "the history holds nothing for " +
                   shown(m_lineWrites[m_writesChecked].first, m_lineWrites[m_writesChecked].second);
        return {};
    }

    bool check()
    {
        settleLine();
        m_requests.clear();
        m_answered = 0;
        m_refusedInSave.clear();
        if (m_run.failure.empty())
            m_run.failure = boxWithError();
        // Builds without the history record nothing.
        if (m_run.failure.empty() && ORTAVEL_HISTORY)
            m_run.failure = historyMismatch();
        return m_run.failure.empty();
    }

    OperatorLine &m_line;
    OperatorRun &m_run;
    std::mt19937_64 m_random;
    MemorySettingsStore m_settings;
    FakeMessageBox m_messages;
    FakeEventPump m_events;
    MemoryHistory m_history;
    std::unique_ptr<Ortavel> m_main;
    std::unique_ptr<frmYHJZ> m_cal;
    std::unique_ptr<FrmVerify> m_verify;
    std::unique_ptr<ConfigurationMenu> m_menu;
    QByteArray m_fileJson; // the configuration file the operator saved
    std::unique_ptr<FrmCompare> m_compare;
    std::unique_ptr<FrmApply> m_apply;
    ConfigMove m_compareMove; // as each window was opened
    ConfigMove m_applyMove;
    std::optional<ConfigMove> m_config;
    std::optional<Unit> m_calTarget; // the transmitter the calibration window was opened for
    std::optional<Unit> m_selected;  // the main window's, as of its selection count below
    std::uint64_t m_seenSelection = 0;
    std::vector<std::unique_ptr<Form>> m_closed; // deleted after the action that closed them
    bool m_mainClosed = false;
    bool m_console = false; // the action sends the console's text as typed
    bool m_saving = false;  // the action saves the calibration table
    std::vector<Request> m_requests;
    std::size_t m_answered = 0;                                    // of m_requests, those the line has answered
    std::vector<std::pair<std::string, std::string>> m_lineWrites; // field and value, as the history must hold them
    std::size_t m_writesChecked = 0;                               // of m_lineWrites
    std::size_t m_entriesChecked = 0;                              // of the history's entries
    std::map<Unit, Legit> m_legit;
    std::map<Unit, Legit> m_restoredAway; // what it held before a restore
    std::map<Unit, Legit> m_refused;      // values a transmitter answered with another one, until typed again
    std::set<Unit> m_refusedInSave;       // units that refused a write of this action's calibration save
    // A box whose write was refused, and the write, until the window has taken its echo.
    std::pair<TextBox *, std::string> m_refusedBox;
    struct Restoring {
        Unit unit;
        std::uint64_t selection = 0;
        std::size_t messages = 0; // shown before it
    };
    std::optional<Restoring> m_restoring; // a restore the transmitter did, until the window has told of it
    std::map<std::uint64_t, Legit> m_typedBySelection;
    std::set<std::string> m_typed; // what the operator typed: a box may hold " 0" as his value
    std::string m_description;
    std::string m_inSearch;
    bool m_trace;
};

} // namespace

LineLayout operatorLayout(std::uint64_t seed)
{
    LineLayout layout;
    layout.buses = {{kBusPort, busConfig(seed, 0)}, {kOtherBusPort, busConfig(seed, 1)}};
    layout.emptyPort = kEmptyPort;
    layout.missingPorts = {1, 2, 6};
    return layout;
}

OperatorRun runRandomOperator(OperatorLine &line, std::uint64_t seed, int actionCount, bool trace)
{
    OperatorRun run;
    run.seed = seed;
    Operator player(line, seed, run, trace);
    int played = 0;
    while (played < actionCount && player.step())
        ++played;
    return run;
}

OperatorRun runRandomOperator(std::uint64_t seed, int actionCount, bool trace)
{
    InProcessLine line(operatorLayout(seed));
    return runRandomOperator(line, seed, actionCount, trace);
}

std::string replayText(const OperatorRun &run)
{
    std::string text = "ORTAVEL_OPERATOR_SEED=" + std::to_string(run.seed) +
                       " ORTAVEL_OPERATOR_ACTIONS=" + std::to_string(run.actions.size()) + " replays:\n";
    for (std::size_t i = 0; i < run.actions.size(); ++i)
        text += std::to_string(i) + ": " + run.actions[i] + "\n";
    return text + "failed: " + run.failure + "\n";
}

} // namespace ortavel::test
