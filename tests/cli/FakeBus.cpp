#include "FakeBus.h"

#include "link/LineSettings.h"

namespace ortavel::test {

namespace {
bool isLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}
} // namespace

FakeBus::FakeBus()
{
    port.open();
    port.setResponder([this](const std::string &frame) { return answer(frame); });
    bus.setStopCheck(
        [this] { return m_interruptAfter >= 0 && static_cast<int>(port.writes().size()) >= m_interruptAfter; });
}

FakeTransmitter &FakeBus::add(FakeTransmitter transmitter)
{
    m_transmitters.push_back(std::move(transmitter));
    return m_transmitters.back();
}

FakeTransmitter *FakeBus::at(const std::string &address)
{
    for (auto &t : m_transmitters) {
        if (t.address == address)
            return &t;
    }
    return nullptr;
}

std::vector<std::string> FakeBus::commands() const
{
    std::vector<std::string> out;
    for (const auto &frame : port.writes()) {
        const auto request = FakeSerialPort::parseRequest(frame);
        out.push_back(request ? request->second : frame);
    }
    return out;
}

std::map<std::string, std::string> FakeBus::typicalValues(const std::string &version)
{
    std::map<std::string, std::string> v = {
        {"TY", "PT-100"}, {"ID", "SN4711"}, {"VR", version}, {"OL", "+000.0"}, {"OH", "+100.0"}, {"DL", "+000.0"},
        {"DH", "+100.0"}, {"UT", "0"},      {"DP", "1"},     {"ZF", "+0000"},  {"FF", "+0000"},  {"RP0", "+012.34"},
        {"RT0", "25.46"}, {"PN", "2"},      {"SL", "0"},     {"SH", "100"},    {"FU", "0"},
    };
    for (int i = 0; i < 8; ++i) {
        v["UC" + std::to_string(i)] = std::to_string(i * 10);
        v["FC" + std::to_string(i)] = std::to_string(i * 10) + ".1";
    }
    return v;
}

std::optional<FakeReply> FakeBus::answer(const std::string &frame)
{
    const auto request = FakeSerialPort::parseRequest(frame);
    const auto baud = baudOfSettings(port.settings());
    if (!request || !baud)
        return std::nullopt;
    const auto &[address, command] = *request;
    for (auto &t : m_transmitters) {
        if (t.address != address || t.baud != *baud || t.silent)
            continue;
        std::size_t letters = 2;
        if (command.size() > 2 && (command.compare(0, 2, "FC") == 0 || command.compare(0, 2, "UC") == 0 ||
                                   command.compare(0, 2, "RP") == 0 || command.compare(0, 2, "RT") == 0))
            letters = 3;
        if (command.size() < 2 || !isLetter(command[0]) || !isLetter(command[1]))
            return std::nullopt;
        const std::string key = command.substr(0, letters);
        const std::string value = command.substr(std::min(letters, command.size()));
        const std::string from = t.address;
        auto reply = [](const std::string &payload) { return FakeReply{FakeSerialPort::replyFrame(payload), 5}; };
        for (const auto &rejected : t.rejects) {
            if (rejected == command)
                return reply(from);
        }
        if (key == "AD") {
            if (!value.empty())
                t.address = value;
            return reply(t.address + t.address);
        }
        if (key == "BD") {
            t.baud = kBaudRates.at(static_cast<std::size_t>(std::stoi(value)));
            return reply(from + value);
        }
        if (key == "WU" || key == "WF" || key == "LD")
            return reply(from + "OK");
        if (key == "SZ")
            return reply(from + "+000.00");
        if (!value.empty())
            t.values[key] = value;
        const auto it = t.values.find(key);
        return reply(from + (it == t.values.end() ? std::string() : it->second));
    }
    return std::nullopt;
}

} // namespace ortavel::test
