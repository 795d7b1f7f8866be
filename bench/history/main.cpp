// The instrument history on SQLite and on a PostgreSQL server of its own
// (fsync on, as in production): entries per second and the latency from
// post() to commit through HistoryWriter, in a burst of 100,000 and at a
// steady 200 a second; then a store of 1,000,000 entries built in big
// transactions, and one transmitter's history queried from it (target: under
// 50 ms).

#include "adapters/HistoryStoreSql.h"
#include "adapters/HistoryWriter.h"
#include "support/PostgresServer.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using namespace ortavel;
using Wall = std::chrono::steady_clock;

constexpr int kBurst = 100'000;
constexpr int kSteady = 1'000;
constexpr int kSteadyPerSecond = 200;
constexpr int kBig = 1'000'000;
constexpr int kTransmitters = 1'000;
constexpr int kQueries = 50;

double msSince(Wall::time_point start)
{
    return std::chrono::duration<double, std::milli>(Wall::now() - start).count();
}

HistoryEntry sample(int i)
{
    HistoryEntry e;
    e.kind = i % 10 == 0 ? EntryKind::Snapshot : EntryKind::Write;
    e.timeMs = 1796655651000 + i;
    e.origin = {"jan", "J. de Vries", "bench-3", "ortavel-cli 1.35"};
    e.port = "/dev/ttyUSB0";
    e.baud = 9600;
    const int tx = (i * 7919) % kTransmitters;
    e.address = std::to_string(tx % 100);
    e.identity = {"PTX 7", "PT-" + std::to_string(tx), "V2.1", "0", "10"};
    static const char *parameters[] = {"OL", "OH", "DL", "DH", "FC3"};
    e.parameter = parameters[i % 5];
    e.before = "0.500";
    e.sent = std::to_string(i);
    e.echo = "OL+0000.250";
    e.result = "confirmed";
    if (e.kind == EntryKind::Snapshot)
        e.detail = R"({"fields":[{"parameter":"OL","value":"0.5","good":true},{"parameter":"OH","value":"10"}]})";
    return e;
}

// Posts `count` entries, `perSecond` a second (0: all at once), and waits
// until the last is committed.
void writeThrough(const HistoryPlace &place, const std::string &spool, int count, int perSecond, const char *what)
{
    std::vector<Wall::time_point> posted(count);
    std::vector<double> latencyMs(count, -1);
    std::mutex mutex;
    int committed = 0;
    Wall::time_point start;
    {
        HistoryWriter writer(place, spool);
        writer.setOnStored([&](const std::vector<HistoryEntry> &entries) {
            const auto now = Wall::now();
            std::lock_guard lock(mutex);
            for (const HistoryEntry &e : entries) {
                const int i = std::stoi(e.sent);
                latencyMs[i] = std::chrono::duration<double, std::milli>(now - posted[i]).count();
                ++committed;
            }
        });
        writer.flush(10000); // connected
        start = Wall::now();
        for (int i = 0; i < count; ++i) {
            if (perSecond > 0)
                std::this_thread::sleep_until(start + std::chrono::microseconds(1'000'000LL * i / perSecond));
            std::lock_guard lock(mutex);
            posted[i] = Wall::now();
            writer.post(sample(i));
        }
        writer.flush(600000);
    }
    const double totalMs = msSince(start);
    std::sort(latencyMs.begin(), latencyMs.end());
    std::printf("  %-34s %8d entries, %9.0f entries/s, post->commit p50 %7.1f ms, p99 %7.1f ms, max %7.1f ms%s\n", what,
                count, count * 1000.0 / totalMs, latencyMs[count / 2], latencyMs[count * 99 / 100], latencyMs.back(),
                committed == count ? "" : " (NOT ALL COMMITTED)");
}

bool bigStore(const HistoryPlace &place)
{
    {
        HistoryStoreSql store(place);
        if (!store.open()) {
            std::printf("  cannot open: %s\n", store.errorString().c_str());
            return false;
        }
        const auto start = Wall::now();
        for (int first = 0; first < kBig; first += 10'000) {
            std::vector<HistoryEntry> batch;
            for (int i = first; i < first + 10'000; ++i)
                batch.push_back(sample(i));
            if (!store.append(batch)) {
                std::printf("  append failed: %s\n", store.errorString().c_str());
                return false;
            }
        }
        std::printf("  built %d entries in %.1f s (10,000 a transaction)\n", kBig, msSince(start) / 1000);
    }
    // Queried in a later session, as the window would.
    HistoryStoreSql store(place);
    if (!store.open())
        return false;
    auto start = Wall::now();
    std::vector<double> ms;
    std::size_t rows = 0;
    for (int q = 0; q < kQueries; ++q) {
        HistoryFilter filter;
        filter.ident = "PT-" + std::to_string(q * 17 % kTransmitters);
        start = Wall::now();
        rows += store.entries(filter).value_or(std::vector<HistoryEntry>{}).size();
        ms.push_back(msSince(start));
    }
    std::sort(ms.begin(), ms.end());
    std::printf("  one transmitter's history by ID text (%zu entries each): median %.1f ms, max %.1f ms "
                "(target < 50 ms)\n",
                rows / kQueries, ms[ms.size() / 2], ms.back());
    const auto timed = [&](const char *what, auto &&call) {
        start = Wall::now();
        const std::size_t n = call();
        std::printf("  %-58s %8.1f ms (%zu)\n", what, msSince(start), n);
    };
    timed("by address and parameter, newest 100:", [&] {
        HistoryFilter filter;
        filter.address = sample(12345).address;
        filter.parameter = sample(12345).parameter;
        filter.limit = 100;
        return store.entries(filter).value_or(std::vector<HistoryEntry>{}).size();
    });
    timed("newest entry of every transmitter:",
          [&] { return store.latestPerTransmitter().value_or(std::vector<HistoryEntry>{}).size(); });
    timed("whole chain checked:", [&] {
        return static_cast<std::size_t>(store.checkChain().value_or(ChainBreak{-1, ""}).id);
    });
    return ms.back() < 50;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    test::PostgresServer server(true);
    bool fast = true;
    for (const bool postgres : {false, true}) {
        HistoryPlace place{HistoryPlace::Backend::Sqlite, dir.filePath("history.sqlite").toStdString()};
        HistoryPlace big{HistoryPlace::Backend::Sqlite, dir.filePath("big.sqlite").toStdString()};
        if (postgres) {
            const auto writes = server.createDatabase();
            const auto store = server.createDatabase();
            if (!writes || !store) {
                std::printf("PostgreSQL: %s\n", server.error().c_str());
                return 1;
            }
            place = {HistoryPlace::Backend::Postgres, *writes};
            big = {HistoryPlace::Backend::Postgres, *store};
        }
        std::printf("%s\n",
                    postgres ? "PostgreSQL (own server, Unix socket, fsync on)" : "SQLite (WAL, synchronous full)");
        const std::string spool = dir.filePath("spool.sqlite").toStdString();
        writeThrough(place, spool, kBurst, 0, "burst through HistoryWriter:");
        writeThrough(place, spool, kSteady, kSteadyPerSecond, "steady 200/s through HistoryWriter:");
        fast = bigStore(big) && fast;
    }
    return fast ? 0 : 1;
}
