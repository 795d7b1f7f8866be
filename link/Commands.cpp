#include "Commands.h"

#include "ReplyCheck.h"

namespace ortavel::cmd {

std::string write(std::string_view letters, std::string_view value)
{
    std::string text(letters);
    text += value;
    return text;
}

std::string point(std::string_view letters, int pointNumber)
{
    return write(letters, std::to_string(pointNumber));
}

std::string writePoint(std::string_view letters, int pointNumber, std::string_view value)
{
    return write(point(letters, pointNumber), value);
}

} // namespace ortavel::cmd

namespace ortavel {

namespace {
std::string expectedResult(std::string_view address, std::string_view data)
{
    std::string text = "*";
    text += address;
    text += data;
    text += '\r';
    return text;
}
} // namespace

std::string replyData(std::string_view result)
{
    if (result.size() < 4)
        return {};
    return std::string(result.substr(3, result.size() - 4));
}

std::string shownResult(std::string_view result)
{
    if (!result.empty() && result.back() == '\r')
        result.remove_suffix(1);
    return std::string(result);
}

bool isErrorResult(std::string_view result)
{
    return result == kNoReply || result == kBadReply;
}

bool isBusAddress(std::string_view address)
{
    if (address == "AA")
        return true;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return address.size() == 2 && digit(address[0]) && digit(address[1]) && address != "00";
}

bool isReplyFrom(std::string_view result, std::string_view address)
{
    return result.size() >= address.size() + 2 && result.front() == '*' && result.back() == '\r' &&
           result.substr(1, address.size()) == address;
}

bool isAddressEcho(std::string_view result, std::string_view address)
{
    return result == expectedResult(address, address);
}

bool isBaudConfirmed(std::string_view result, std::string_view address, std::string_view index)
{
    return result == expectedResult(address, index);
}

bool isStored(std::string_view result, std::string_view address)
{
    return result == expectedResult(address, "OK");
}

} // namespace ortavel
