#include "CommonOptions.h"
#include "LinkSession.h"
#include "SendCommand.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char *kUsage =
    "usage: ortavel-cli [--device PATH | --port N] [--port-map N=PATH] [--baud 1200|2400|4800|9600]\n"
    "                   [--settings-dir DIR] [--json] [--trace] SUBCOMMAND ...\n"
    "subcommands:\n"
    "  send [--repeat N] ADDR COMMAND   send COMMAND to ADDR and print each result\n";

int usageError(const std::string &message)
{
    std::fprintf(stderr, "ortavel-cli: %s\n%s", message.c_str(), kUsage);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::string error;
    const auto parsed = ortavel::cli::parseCommandLine(args, error);
    if (!parsed)
        return usageError(error);
    if (parsed->subcommand != "send")
        return usageError("unknown subcommand " + parsed->subcommand);
    if (const std::string problem = ortavel::cli::checkSendArguments(parsed->arguments); !problem.empty())
        return usageError(problem);

    ortavel::cli::LinkSession session(parsed->options);
    if (!session.open(error)) {
        std::fprintf(stderr, "ortavel-cli: %s\n", error.c_str());
        return 2;
    }
    return ortavel::cli::runSend(session, parsed->arguments);
}
