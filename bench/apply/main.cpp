// ortavel-cli apply to ten transmitters at 9600 baud on the simulated bus
// with wire time: how long it takes against the time the wire itself needs
// for every request and reply it causes (10 bits a character).
#include "sim/DemoBus.h"
#include "sim/SimServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace ortavel;

constexpr int kTargets = 10;
constexpr int kBaud = 9600;

sim::BusConfig tenAndASource()
{
    const sim::TransmitterConfig pattern = sim::demoBus().transmitters.front();
    sim::BusConfig bus;
    for (int address = 1; address <= kTargets + 1; ++address) {
        sim::TransmitterConfig t = pattern;
        t.address = address;
        t.baud = kBaud;
        t.working.ident = "T" + std::to_string(address);
        if (address == kTargets + 1) { // the source of the backup
            t.working.type = "QX900";
            t.working.decimals = 2;
            t.working.displayHigh = 250.0;
            t.working.trimZero = -321;
        }
        bus.transmitters.push_back(t);
    }
    return bus;
}

int runCli(const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.start(ORTAVEL_CLI_PROGRAM, arguments);
    if (!process.waitForFinished(300000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitCode();
}

struct Figures {
    double wallSeconds = 0;
    double busSeconds = 0; // first request to last reply on the line
    double wireSeconds = 0;
    std::size_t requests = 0;
    int exitCode = 0;
};

Figures measure(std::chrono::nanoseconds turnaround, const QString &folder)
{
    sim::SimServer server;
    sim::SimServer::Options options;
    options.linkPath = (folder + "/line").toStdString();
    options.timing.wireTime = true;
    options.timing.turnaround = turnaround;
    const QString device = QString::fromStdString(server.start(tenAndASource(), options));
    const QStringList common = {"--device", device, "--settings-dir", folder + "/settings"};
    const QString file = folder + "/backup.json";
    if (runCli(common + QStringList{"backup", QString::number(kTargets + 1), file}) != 0) {
        std::fprintf(stderr, "backup failed\n");
        return {};
    }
    server.clearTrace();

    QStringList apply = common + QStringList{"apply", file};
    for (int address = 1; address <= kTargets; ++address)
        apply << QString::number(address);
    // The targets are not the backup's source: --with-trims keeps the trims and the table in the work timed.
    apply << "--with-calibration"
          << "--with-trims"
          << "--save"
          << "user";
    Figures f;
    QElapsedTimer timer;
    timer.start();
    f.exitCode = runCli(apply);
    f.wallSeconds = static_cast<double>(timer.nsecsElapsed()) * 1e-9;

    const auto trace = server.trace();
    f.requests = trace.size();
    std::size_t characters = 0;
    for (const auto &entry : trace)
        characters += entry.frame.size() + entry.reply.size();
    f.wireSeconds = static_cast<double>(characters) * 10.0 / kBaud;
    if (!trace.empty() && trace.back().replyEnd)
        f.busSeconds = std::chrono::duration<double>(*trace.back().replyEnd - trace.front().received).count();
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    // The runs keep their history as a user's do, in the temporary folder instead of the user's own.
    qputenv("XDG_DATA_HOME", folder.path().toLocal8Bit());
    std::printf("apply of a backup with calibration and save to %d transmitters at %d baud\n", kTargets, kBaud);
    const struct {
        const char *name;
        std::chrono::nanoseconds turnaround;
    } runs[] = {{"no turnaround", std::chrono::nanoseconds(0)}, {"5 ms turnaround", std::chrono::milliseconds(5)}};
    int status = 0;
    for (const auto &run : runs) {
        const Figures f = measure(run.turnaround, folder.path());
        if (f.exitCode != 0 || f.wireSeconds <= 0) {
            std::fprintf(stderr, "%s: apply exited %d\n", run.name, f.exitCode);
            status = 1;
            continue;
        }
        std::printf("%-16s %zu requests, wire time %.3f s, on the line %.3f s (x%.2f), whole run %.3f s (x%.2f)\n",
                    run.name, f.requests, f.wireSeconds, f.busSeconds, f.busSeconds / f.wireSeconds, f.wallSeconds,
                    f.wallSeconds / f.wireSeconds);
    }
    return status;
}
