#include "RandomOperator.h"

#include "calib/frmYHJZ.h"
#include "link/Commands.h"
#include "mainwin/AccessLevels.h"
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "sim/Bus.h"
#include "sim/FrameSplitter.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"
#include "support/MemorySettingsStore.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <set>

namespace ortavel::test {
namespace {

constexpr int kBusPort = 3;
constexpr int kLastAddress = 4;
// Far above any action's real time, even under the sanitizers.
constexpr auto kSlowAction = std::chrono::seconds(5);

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
        entry.fault == Fault::Silent || entry.fault == Fault::Late)
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

// The value a request carries, or nothing for a read.
std::optional<std::string> writtenValue(const std::string &command)
{
    for (const auto &info : cmd::kCatalogue) {
        const std::size_t readLength = info.letters.size() + (info.pointDigit ? 1 : 0);
        if (info.writeForm && command.starts_with(info.letters) && command.size() > readLength)
            return command.substr(readLength);
    }
    return std::nullopt;
}

sim::BusConfig busConfig(std::uint64_t seed)
{
    sim::BusConfig bus;
    bus.seed = seed;
    const int bauds[] = {9600, 4800, 1200};
    for (int i = 0; i < 3; ++i) {
        sim::TransmitterConfig t;
        t.address = i + 1;
        t.baud = bauds[i];
        t.version = i == 1 ? "2.00" : "2.10";
        t.pressure = 12.5 * (i + 1);
        t.pressureNoise = 0.5;
        t.working.pointCount = 3;
        t.fault.randomProbability = 0.15;
        bus.transmitters.push_back(t);
    }
    return bus;
}

// Plays the operator, and is the window host that opens and closes the calibration window.
class Operator final : public WindowHost {
public:
    Operator(std::uint64_t seed, OperatorRun &run, bool trace)
        : m_run(run), m_random(seed), m_bus(busConfig(seed), sim::WireTiming{}), m_trace(trace)
    {
        m_port.setResponder([this](const std::string &bytes) -> std::optional<FakeReply> {
            m_requests.push_back({commandOf(bytes), {}});
            if (m_port.portNumber() == kBusPort)
                onFrames(bytes);
            return std::nullopt;
        });
        m_settings.setValue(Ortavel::kAppTitle, Ortavel::kSettingsSection, Ortavel::kSettingsKey,
                            std::to_string(kBusPort));
        // Com4 is an empty line; the others cannot be opened.
        m_port.missingPorts = {1, 2, 5, 6};
        m_texts.insert("0"); // "Recalibrate" writes a count of 0
        m_numbers.insert(0.0);
        openMain();
    }

    // One random action; false when a check failed.
    bool step()
    {
        Action action;
        while (!action)
            action = pick();
        m_console = false;
        m_description = "(nothing: the control went out of use)";
        const auto started = std::chrono::steady_clock::now();
        action();
        const auto took = std::chrono::steady_clock::now() - started;
        m_run.actions.push_back(m_description);
        m_closed.clear();
        if (m_mainClosed)
            openMain();
        if (took > kSlowAction) {
            m_run.failure = "the action took " +
                            std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()) + " ms";
            return false;
        }
        return check();
    }

    void showWindow(const std::string &name) override
    {
        if (name != "frmYHJZ" || m_cal)
            return;
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
        if (m_cal && m_cal->queryUnload())
            m_closed.push_back(std::move(m_cal));
    }

private:
    using Action = std::function<void()>;
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
        m_main = std::make_unique<Ortavel>(m_port, m_clock, m_settings, m_messages, m_events, *this);
        m_main->setSearchLastAddress(kLastAddress);
        m_main->Form_Load();
        // A search first, so that most actions meet a transmitter.
        m_main->cmdSEARCH.click();
        m_mainClosed = false;
    }

    void onFrames(const std::string &bytes)
    {
        const auto &settings = m_port.settings();
        const int baud =
            settings.ends_with(",N,8,1") ? static_cast<int>(std::strtol(settings.c_str(), nullptr, 10)) : 0;
        for (const auto &frame : m_splitter.feed(bytes)) {
            const auto plan = m_bus.onFrame(frame, baud);
            for (const auto &burst : plan.bursts) {
                const auto ms = std::chrono::ceil<std::chrono::milliseconds>(burst.at).count();
                m_port.deliver(burst.bytes, static_cast<int>(ms));
            }
            if (plan.commitPending)
                m_bus.commitPending();
            m_requests.back().entries.push_back(plan.entry);
        }
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

    void typed(const std::string &text)
    {
        m_typed.insert(text);
        m_texts.insert(text);
        char *end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || std::isnan(value))
            return;
        // The window shows a typed number, as single, rounded to the decimals in force.
        for (const double number : {value, static_cast<double>(static_cast<float>(value))}) {
            for (const double scale : {1.0, 10.0, 100.0, 1000.0, 10000.0})
                m_numbers.insert(std::round(number * scale) / scale);
        }
        m_numbers.insert(value);
    }

    std::vector<Form *> forms() const
    {
        std::vector<Form *> out{m_main.get()};
        if (m_cal)
            out.push_back(m_cal.get());
        return out;
    }

    template <typename T> std::vector<T *> usable(const Form &form) const
    {
        std::vector<T *> out;
        for (Control *control : form.controls()) {
            auto *typedControl = dynamic_cast<T *>(control);
            if (typedControl == nullptr || !control->enabled() || !control->visible())
                continue;
            const Control *parent = &form == m_main.get() ? m_main->parentOf(*control) : m_cal->parentOf(*control);
            if (parent == nullptr || (parent->enabled() && parent->visible()))
                out.push_back(typedControl);
        }
        return out;
    }

    // By weight: 20 % lists, 25 % boxes, 10 % focus moves, 25 % clicks, 8 % trim bars,
    // 7 % timer ticks, the rest the same-settings box. Each takes the focus first, as a click does.
    Action pick()
    {
        Form *form = &any(forms());
        const auto named = [this, form](const std::string &what, Control &control) {
            describe(form->name() + " " + what + " " + control.name());
            return form->requestFocus(control);
        };
        const int kind = below(100);
        if (kind < 20) {
            auto lists = usable<ComboBox>(*form);
            if (lists.empty())
                return {};
            ComboBox &list = any(lists);
            // Other ports than the bus's cost a failed open; seldom.
            if (&list == &m_main->cmbCommPort && below(8) != 0)
                return {};
            if (list.editable() && below(3) == 0) {
                const std::string text = garbage();
                return [this, &list, text, named] {
                    if (!named("types '" + printable(text) + "' into", list))
                        return;
                    typed(text);
                    list.setText(text);
                };
            }
            if (list.count() == 0)
                return {};
            const int index = &list == &m_main->cmbCommPort && below(2) == 0 ? kBusPort - 1 : below(list.count());
            return [this, &list, index, named] {
                if (!named("picks " + std::to_string(index) + " in", list))
                    return;
                typed(list.entries()[static_cast<std::size_t>(index)].text);
                typed(std::to_string(index));
                typed(std::to_string(list.itemData(index)));
                list.choose(index);
            };
        }
        if (kind < 45) {
            auto boxes = usable<TextBox>(*form);
            std::erase_if(boxes, [](const TextBox *box) { return box->readOnly(); });
            if (boxes.empty())
                return {};
            // Half the time the operator mends the box that keeps the focus.
            auto *focused = dynamic_cast<TextBox *>(form->focused());
            TextBox &box = focused != nullptr && !focused->readOnly() && below(2) == 0 ? *focused : any(boxes);
            std::string text = garbage();
            if (box.name() == "txtPass" && below(2) == 0) {
                const std::string_view codes[] = {kDisplayCode, kFactoryCode, kHideCode};
                text = std::string(codes[below(3)]);
            }
            return [this, &box, text, named] {
                if (!named("types '" + printable(text) + "' into", box))
                    return;
                typed(text);
                m_console = &box == &m_main->txtInsSend;
                box.setText(text);
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
                targets.push_back(m_cal.get());
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
                    target.click();
                }
            };
        }
        if (kind < 88 && form == m_main.get()) {
            ScrollBar &bar = below(2) == 0 ? m_main->VScroll1 : m_main->VScroll2;
            const int step = below(2) == 0 ? bar.smallChange() : bar.largeChange();
            const int value = std::clamp(bar.value() + (below(2) == 0 ? step : -step), bar.minimum(), bar.maximum());
            return [this, &bar, value, named] {
                if (!bar.enabled() || !named("scrolls to " + std::to_string(value) + " on", bar))
                    return;
                typed(std::to_string(value));
                bar.setValue(value);
            };
        }
        if (kind < 95) {
            return [this] {
                describe("Timer1 ticks");
                m_clock.advance(m_main->Timer1.interval());
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

    bool legit(const std::string &value) const
    {
        if (m_texts.count(value) != 0)
            return true;
        const auto number = asNumber(value);
        if (!number)
            return false;
        // Single precision is as exact as the transmitter keeps a value.
        const double slack = 1e-6 * std::max(1.0, std::fabs(*number));
        const auto near = m_numbers.lower_bound(*number - slack);
        return near != m_numbers.end() && *near <= *number + slack;
    }

    std::string boxWithError() const
    {
        for (const Form *form : forms()) {
            for (const Control *control : form->controls()) {
                const auto *box = dynamic_cast<const TextBox *>(control);
                if (box == nullptr || !box->holdsValue() || m_typed.count(box->text()) != 0)
                    continue;
                const std::string &text = box->text();
                if (text == " 0" || text == " 3" || text.find("ERR") != std::string::npos ||
                    text.find("EER") != std::string::npos)
                    return box->name() + " holds '" + printable(text) + "' as a value";
            }
        }
        return {};
    }

    bool writeFailure(const std::string &command, const std::string &value)
    {
        m_run.failure = "request " + printable(command) + " writes '" + printable(value) +
                        "', a value that came from no good reply and no operator; the action's requests:";
        for (const auto &r : m_requests) {
            for (const auto &e : r.entries)
                m_run.failure += "\n  " + printable(e.frame) + " -> " + printable(e.reply) + " (" +
                                 std::string(sim::faultName(e.fault)) + ")";
        }
        return false;
    }

    bool check()
    {
        for (const auto &request : m_requests) {
            ++m_run.requests;
            const auto value = writtenValue(request.command);
            if (value && !m_console) {
                ++m_run.writesChecked;
                if (!legit(*value))
                    return writeFailure(request.command, *value);
            }
            for (const auto &entry : request.entries) {
                m_run.faultsInjected += entry.fault != sim::Fault::None ? 1 : 0;
                if (const auto data = goodData(entry)) {
                    m_texts.insert(*data);
                    // A trim bar takes a reply's value as a whole position, rounded to even.
                    if (const auto number = asNumber(*data))
                        m_numbers.insert({*number, std::nearbyint(*number)});
                }
            }
        }
        m_requests.clear();
        m_run.failure = boxWithError();
        return m_run.failure.empty();
    }

    OperatorRun &m_run;
    std::mt19937_64 m_random;
    FakeClock m_clock;
    FakeSerialPort m_port{m_clock};
    MemorySettingsStore m_settings;
    FakeMessageBox m_messages;
    FakeEventPump m_events;
    sim::Bus m_bus;
    sim::FrameSplitter m_splitter;
    std::unique_ptr<Ortavel> m_main;
    std::unique_ptr<frmYHJZ> m_cal;
    std::vector<std::unique_ptr<Form>> m_closed; // deleted after the action that closed them
    bool m_mainClosed = false;
    bool m_console = false; // the action sends the console's text as typed
    // Each request as the window wrote it, with what the bus made of it.
    struct Request {
        std::string command;
        std::vector<sim::TraceEntry> entries;
    };
    std::vector<Request> m_requests;
    std::set<std::string> m_texts; // values from good replies or the operator
    std::set<double> m_numbers;    // the same, as numbers
    std::set<std::string> m_typed; // what the operator typed: a box may hold " 0" as his value
    std::string m_description;
    bool m_trace;
};

} // namespace

OperatorRun runRandomOperator(std::uint64_t seed, int actionCount, bool trace)
{
    OperatorRun run;
    run.seed = seed;
    Operator player(seed, run, trace);
    int played = 0;
    while (played < actionCount && player.step())
        ++played;
    return run;
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
