#include "CommonOptions.h"
#include "Interrupt.h"
#include "LinkSession.h"
#include "MultiBusRun.h"
#include "Subcommand.h"
#include "VerifyCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// The history needs Qt SQL, which some builds lack.
#if ORTAVEL_HISTORY
#define ORTAVEL_HISTORY_USAGE                                                                                          \
    "  history [ID | --address ADDR] [--since DATE] [--parameter P] [--json | --csv]\n"                                \
    "                                   one transmitter's history, newest first, or every\n"                           \
    "                                   transmitter known; DATE as YYYY-MM-DD or ISO time\n"                           \
    "  history --check                  whether any entry was changed or removed\n"                                    \
    "  due [--within DAYS] [--json] | due --set-interval ID MONTHS\n"                                                  \
    "                                   transmitters due for verification (default 30 days)\n"                         \
    "every run that talks to transmitters records its writes, reads and runs in the\n"                                 \
    "history: --history for this run, else the window's, else the default place\n"
#else
#define ORTAVEL_HISTORY_USAGE ""
#endif

namespace {

constexpr const char *kUsage =
    "usage: ortavel-cli [--device PATH | --port N[,N...]]... [--port-map N=PATH] [--baud 1200|2400|4800|9600|auto]\n"
    "                   [--settings-dir DIR] [--json] [--trace]\n"
    "                   [--history sqlite:PATH|postgresql:SERVICE | --no-history] [--operator NAME]\n"
    "                   SUBCOMMAND ...\n"
    "PATH may be a serial device server: tcp://HOST:PORT[?baud=9600] or rfc2217://HOST:PORT, with options\n"
    "?allowance=MS (added to every reply wait) and echo=off|on|auto, joined by &\n"
    "subcommands:\n"
    "  send [--repeat N] ADDR COMMAND   send COMMAND to ADDR and print each result\n"
    "  ports                            serial ports and what stands behind com1 to com6\n"
    "  search [--addresses 1-99] [--bauds 9600,4800,2400,1200]\n"
    "         [--quick [--turnaround 5-200] [--allowance 0-50]]\n"
    "                                   find the transmitters on the bus; --quick ends a\n"
    "                                   silence once its first character is overdue (turnaround\n"
    "                                   bound default 30 ms, adapter allowance 20 ms) and misses\n"
    "                                   transmitters that start answering later\n"
    "  read ADDR                        every parameter of one transmitter\n"
    "  set ADDR KEY=VALUE... [--save user|factory]\n"
    "                                   write and confirm values; keys: type id unit decimals\n"
    "                                   display_zero display_full_scale output_4ma output_20ma\n"
    "                                   trim_4ma trim_20ma address baud\n"
    "  backup ADDR [FILE]               the writable configuration as JSON\n"
    "  apply FILE ADDR... | apply FILE --all [--addresses A] [--bauds B]\n"
    "        [--save user|factory] [--with-calibration] [--with-trims] [--dry-run]\n"
    "                                   write a backup to transmitters; the trims and the\n"
    "                                   calibration only to the one it was taken from\n"
    "                                   (same type, id and version) unless --with-trims\n"
    "  poll ADDR [--count N] [--interval MS]\n"
    "                                   pressure and temperature as CSV\n"
    "  zero ADDR | save ADDR user|factory | restore-factory ADDR\n"
    "  verify ADDR [--points 0,25,50,75,100] [--updown] [--tolerance 0.25] [--samples 5]\n"
    "        [--reference-values V1,V2,...] [--as-found FILE.csv | --as-left] [--range LOW,HIGH]\n"
    "        [--csv FILE] [--pdf FILE] [--operator TEXT] [--instrument TEXT]\n"
    "        [--procedure plan|dkd-a|dkd-b|dkd-c|cg17-basic] [--dwell SECONDS]\n"
    "                                   a verification run (reads only); exit 1 on FAIL or "
    "INCOMPLETE\n" ORTAVEL_HISTORY_USAGE "ortavel-cli --help | --version    this text | the version\n"
    "several buses: --port 1,3,4 or --device repeated runs search, read, backup, apply or\n"
    "  verify on every bus at once (verify one bus after another), each row led by its port\n"
    "  and files named FILE-com3.EXT; the exit status is the worst of the buses\n"
    "exit status: 0 done and confirmed, 1 a transmitter failed, 2 usage error or port, 130 Ctrl-C\n";

int usageError(const std::string &message)
{
    std::fprintf(stderr, "ortavel-cli: %s\n%s", message.c_str(), kUsage);
    return ortavel::cli::kExitUsage;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    // A PDF needs fonts, which come with the GUI module; no display is used.
    std::unique_ptr<QCoreApplication> app;
    if (ortavel::cli::VerifyCommand::wantsPdf(args)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!args.empty() && args.front() == "--version") {
        std::fputs("ortavel-cli " ORTAVEL_VERSION "\n", stdout);
        return 0;
    }
    QCoreApplication::setApplicationVersion(ORTAVEL_VERSION);
    std::string error;
    const auto parsed = ortavel::cli::parseCommandLine(args, error);
    if (!parsed)
        return usageError(error);
    const auto command = ortavel::cli::makeSubcommand(parsed->subcommand);
    if (!command)
        return usageError("unknown subcommand " + parsed->subcommand);
    if (!parsed->options.buses.empty()) {
        if (const auto why = ortavel::cli::whyNotOnSeveralBuses(parsed->subcommand))
            return usageError(*why);
    }
    if (!command->parse(parsed->arguments, parsed->options, error)) {
        if (parsed->subcommand == "send")
            return usageError(error);
        std::fprintf(stderr, "ortavel-cli: %s (ortavel-cli --help for usage)\n", error.c_str());
        return ortavel::cli::kExitUsage;
    }
    if (!command->usesPort())
        return command->runWithoutPort(parsed->options);

    if (!parsed->options.buses.empty()) {
        ortavel::cli::Interrupt::install();
        return ortavel::cli::runOnSeveralBuses(*parsed);
    }
    ortavel::cli::LinkSession session(parsed->options);
    if (!session.open(error)) {
        std::fprintf(stderr, "ortavel-cli: %s\n", error.c_str());
        return ortavel::cli::kExitUsage;
    }
    // `send` keeps the default: Ctrl-C ends it at once, as it always has.
    if (parsed->subcommand != "send")
        ortavel::cli::Interrupt::install();
    const int status = command->run(session.bus(), parsed->options);
    session.finish();
    return status;
}
