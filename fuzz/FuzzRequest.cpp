#include "FuzzInput.h"
#include "link/Commands.h"
#include "link/Exchange.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"

// Every catalogue command, with any address and value, is framed with the checksum of what it covers.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ortavel;
    auto parts = fuzz::splitInput(data, size);
    parts.resize(2);
    const std::string &address = parts[0];
    const std::string &value = parts[1];
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    port.open();
    port.setResponder([](const std::string &frame) { return test::FakeReply{frame, 0}; }); // the line's echo
    Exchange exchange(port, clock);
    for (const auto &info : cmd::kCatalogue) {
        std::string command =
            info.pointDigit ? cmd::point(info.letters, static_cast<int>(value.size() % 8)) : std::string(info.letters);
        if (info.writeForm)
            command = cmd::write(command, value);
        const std::string frame = Exchange::requestFrame(address, command);
        fuzz::require(frame.size() == address.size() + command.size() + 4, "frame length");
        fuzz::require(frame.front() == '$' && frame.back() == '\r', "frame delimiters");
        const std::string covered = frame.substr(1, frame.size() - 4);
        fuzz::require(covered == address + command, "covered text unchanged");
        unsigned x = 0;
        for (const char c : covered)
            x ^= static_cast<unsigned char>(c);
        const std::string checksum = frame.substr(frame.size() - 3, 2);
        fuzz::require(std::stoul(checksum, nullptr, 16) == x, "checksum is the XOR");
        fuzz::require(checksum.find_first_of("abcdef") == std::string::npos, "upper-case hex");

        const std::string result = exchange.Comm_Send(address, command);
        fuzz::require(port.writes().back() == frame, "the frame goes on the line unchanged");
        fuzz::require(result.front() != '*', "an echo is no reply");
    }
    return 0;
}
