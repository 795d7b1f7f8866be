#include "SendCommand.h"

#include "Bus.h"
#include "CommonOptions.h"
#include "link/Commands.h"

#include <climits>
#include <cstdio>
#include <optional>

namespace ortavel::cli {

namespace {
struct SendArguments {
    int repeat = 1;
    std::string address;
    std::string command;
};

std::optional<SendArguments> parseSend(const std::vector<std::string> &args, std::string &error)
{
    SendArguments parsed;
    std::size_t i = 0;
    if (i < args.size() && args[i] == "--repeat") {
        if (i + 1 >= args.size()) {
            error = "--repeat needs a value";
            return std::nullopt;
        }
        const auto repeat = parseBoundedInt(args[i + 1], 1, INT_MAX);
        if (!repeat) {
            error = "--repeat takes a whole number of at least 1";
            return std::nullopt;
        }
        parsed.repeat = *repeat;
        i += 2;
    }
    if (args.size() - i != 2) {
        error = "send takes ADDR COMMAND";
        return std::nullopt;
    }
    parsed.address = args[i];
    parsed.command = args[i + 1];
    return parsed;
}
} // namespace

std::string checkSendArguments(const std::vector<std::string> &args)
{
    std::string error;
    parseSend(args, error);
    return error;
}

int runSend(Bus &session, const std::vector<std::string> &args)
{
    std::string error;
    const auto parsed = parseSend(args, error);
    if (!parsed) {
        std::fprintf(stderr, "ortavel-cli: %s\n", error.c_str());
        return 2;
    }
    std::string result;
    for (int n = 0; n < parsed->repeat; ++n) {
        result = session.send(parsed->address, parsed->command);
        std::string line = result;
        if (!line.empty() && line.back() == '\r')
            line.back() = '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fflush(stdout);
    }
    return isErrorResult(result) ? 1 : 0;
}

} // namespace ortavel::cli
