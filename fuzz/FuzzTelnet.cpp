#include "FuzzInput.h"
#include "adapters/TelnetComPort.h"

namespace {

// What a device server sends, split anywhere: the data out of it does not
// depend on the split, never holds more than came in, and bytes without a
// 255 among them pass unchanged; every answer is a whole Telnet command.
void checkStream(const std::vector<std::string> &chunks)
{
    using namespace ortavel;
    std::string whole;
    for (const auto &chunk : chunks)
        whole += chunk;
    TelnetComPort atOnce;
    atOnce.greeting();
    std::string replyAtOnce;
    const std::string data = atOnce.feed(whole, replyAtOnce);
    TelnetComPort inPieces;
    inPieces.greeting();
    std::string replyInPieces;
    std::string pieces;
    for (const auto &chunk : chunks)
        pieces += inPieces.feed(chunk, replyInPieces);
    fuzz::require(pieces == data, "the split does not change the data");
    fuzz::require(replyInPieces == replyAtOnce, "the split does not change the answers");
    fuzz::require(data.size() <= whole.size(), "no data invented");
    if (whole.find('\xFF') == std::string::npos)
        fuzz::require(data == whole, "plain bytes pass unchanged");
    fuzz::require(replyAtOnce.size() % 3 == 0, "answers are whole commands");
    for (std::size_t i = 0; i < replyAtOnce.size(); i += 3)
        fuzz::require(replyAtOnce[i] == '\xFF', "each answer starts with IAC");
    // Data sent through the codec comes back out of it unchanged.
    TelnetComPort loop;
    std::string ignored;
    fuzz::require(loop.feed(TelnetComPort::data(whole), ignored) == whole, "escaped data comes back whole");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkStream(ortavel::fuzz::splitInput(data, size));
    return 0;
}
