#include "history/HistoryRecorder.h"
#include "history/HistoryQueries.h"
#include "support/MemoryHistory.h"

#include <gtest/gtest.h>

#include <chrono>

#include <optional>
#include <string>
#include <vector>

namespace ortavel::test {
namespace {

struct Sent {
    std::string address;
    std::string command;
    std::string result;
};

// What the last entry must hold; nullopt rows expect no entry at all.
struct Expected {
    std::string parameter;
    std::string before;
    std::string sent;
    std::string echo;
    std::string result;
    std::string ident = "";
    std::string address = "07";
};

struct RecorderCase {
    const char *name;
    std::vector<Sent> line;
    std::optional<Expected> last;
    int entries = 1;
};

TEST(HistoryRecorder, KeepsEveryWriteThatWentOutWithWhatWasReadBefore)
{
    const RecorderCase cases[] = {
        {"a write after a read has its value before and is confirmed by its echo",
         {{"07", "ID", "*07PT-114\r"}, {"07", "OL", "*07+0.000\r"}, {"07", "OL4.000", "*07+4.000\r"}},
         Expected{"OL", "+0.000", "4.000", "+4.000", "confirmed", "PT-114"}},
        {"a value never read in this selection is 'not read'",
         {{"07", "OH20", "*07+20.00\r"}},
         Expected{"OH", "not read", "20", "+20.00", "confirmed"}},
        {"an echo of another value is not taken as confirmation",
         {{"07", "DL5", "*07+4.000\r"}},
         Expected{"DL", "not read", "5", "+4.000", "echo differs"}},
        {"silence is no reply", {{"07", "DH9", "ERR 0\r"}}, Expected{"DH", "not read", "9", "ERR 0", "no reply"}},
        {"a garbled reply failed", {{"07", "DH9", "EER 3\r"}}, Expected{"DH", "not read", "9", "EER 3", "failed"}},
        {"a good reply of another address failed",
         {{"07", "UT2", "*08+2\r"}},
         Expected{"UT", "not read", "2", "*08+2", "failed"}},
        {"reads, the search's probe and polls leave nothing",
         {{"07", "AD", "*0707\r"}, {"07", "RP0", "*07+1.234\r"}, {"07", "FC3", "*07+1.0\r"}},
         std::nullopt,
         0},
        {"a broadcast is recorded once, without an answer",
         {{"AA", "OL4", "ERR 0\r"}},
         Expected{"OL", "not read", "4", "", "broadcast", "", "AA"}},
        {"a store answered OK is confirmed", {{"07", "WU", "*07OK\r"}}, Expected{"WU", "", "WU", "OK", "confirmed"}},
        {"a store without an answer is no reply",
         {{"07", "WF", "ERR 0\r"}},
         Expected{"WF", "", "WF", "ERR 0", "no reply"}},
        {"after a confirmed restore the values read before no longer count",
         {{"07", "DP", "*072\r"}, {"07", "LD", "*07OK\r"}, {"07", "DP3", "*073\r"}},
         Expected{"DP", "not read", "3", "3", "confirmed"},
         2},
        {"an ID change is recorded under the old ID, and the next write under the new",
         {{"07", "ID", "*07PT-114\r"}, {"07", "IDPT-115", "*07PT-115\r"}, {"07", "UT1", "*071\r"}},
         Expected{"UT", "not read", "1", "1", "confirmed", "PT-115"},
         2},
        {"an address change answered from the new address is confirmed, and what was read moves with it",
         {{"07", "ID", "*07PT-114\r"}, {"07", "AD33", "*3333\r"}, {"33", "TY9", "*339\r"}},
         Expected{"TY", "not read", "9", "9", "confirmed", "PT-114", "33"},
         2},
        {"a rate change is confirmed by its index",
         {{"07", "BD2", "*072\r"}},
         Expected{"BD", "not read", "2", "2", "confirmed"}},
        {"the console's instruction without a selection carries its address",
         {{"", "07OL4", "*07+4.000\r"}},
         Expected{"OL", "not read", "4", "+4.000", "confirmed"}},
        {"a calibration point is named with its digit",
         {{"07", "UC3", "*07+50.0\r"}, {"07", "UC350", "*07+50.0\r"}},
         Expected{"UC3", "+50.0", "50", "+50.0", "confirmed"}},
    };
    for (const RecorderCase &c : cases) {
        SCOPED_TRACE(c.name);
        MemoryHistoryStore store;
        MemoryHistorySink sink(store);
        HistoryRecorder recorder(sink, {"op", "", "host", "test 1"}, [] { return TimeStamp{1000, 60}; });
        recorder.setLine("/dev/ttyS0", 9600);
        for (const Sent &s : c.line)
            recorder.exchanged(s.address, s.command, s.result);
        ASSERT_EQ(store.all().size(), static_cast<std::size_t>(c.entries));
        if (!c.last)
            continue;
        const HistoryEntry &e = store.all().back();
        EXPECT_EQ(e.kind, EntryKind::Write);
        EXPECT_EQ(e.parameter, c.last->parameter);
        EXPECT_EQ(e.before, c.last->before);
        EXPECT_EQ(e.sent, c.last->sent);
        EXPECT_EQ(e.echo, c.last->echo);
        EXPECT_EQ(e.result, c.last->result);
        EXPECT_EQ(e.identity.ident, c.last->ident);
        EXPECT_EQ(e.address, c.last->address);
        EXPECT_EQ(e.port, "/dev/ttyS0");
        EXPECT_EQ(e.baud, 9600);
        EXPECT_EQ(timeText(e.timeMs, e.utcOffsetMinutes), "1970-01-01T01:00:01.000+01:00");
    }
}

std::int64_t utcMs(int y, unsigned m, unsigned d)
{
    using namespace std::chrono;
    return sys_days{year{y} / month{m} / day{d}}.time_since_epoch() / milliseconds{1};
}

TEST(HistoryQueries, DueDatesFollowTheLastPassingAsLeftRunAndIdChangesJoinOneTransmitter)
{
    MemoryHistoryStore store;
    MemoryHistorySink sink(store);
    std::int64_t now = utcMs(2025, 1, 31);
    HistoryRecorder recorder(sink, {}, [&] { return TimeStamp{now, 0}; });
    recorder.exchanged("07", "ID", "*07PT-114\r");
    recorder.verification("07", "as-left", "pass", R"({"points":[{"nominal":0,"error":0.01}]})");
    now = utcMs(2025, 3, 1);
    recorder.exchanged("07", "IDPT-115", "*07PT-115\r");
    recorder.exchanged("07", "UT1", "*071\r");
    recorder.exchanged("08", "ID", "*08FT-2\r");
    recorder.verification("08", "as-left", "fail", "{}");

    const auto list = transmitters(store, 1);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 2U) << "PT-114 and PT-115 are one transmitter";
    const TransmitterSummary &renamed = list->at(1);
    EXPECT_EQ(renamed.ident, "PT-115");
    ASSERT_TRUE(renamed.dueMs);
    EXPECT_EQ(*renamed.dueMs, utcMs(2025, 2, 28)) << "a month after 31 January is the last of February";
    EXPECT_TRUE(renamed.changedSinceVerification);
    EXPECT_FALSE(list->at(0).dueMs) << "a failed run sets no due date";

    EXPECT_EQ(dueWithin(*list, utcMs(2025, 2, 1), 30).size(), 1U);
    EXPECT_TRUE(dueWithin(*list, utcMs(2025, 1, 1), 30).empty());

    HistoryFilter old;
    old.ident = "PT-114";
    const auto history = historyOf(store, old);
    ASSERT_TRUE(history);
    EXPECT_EQ(history->size(), 3U) << "the old ID's history reaches the entries made under the new one";
}

TEST(HistoryQueries, SnapshotsSideBySideMarkWhatDiffers)
{
    HistoryEntry first;
    first.detail = R"({"fields":[{"parameter":"OL","value":"+0.000","good":true},{"parameter":"UT","value":"2"}]})";
    HistoryEntry second;
    second.detail = R"({"fields":[{"parameter":"OL","value":"+4.000"},{"parameter":"UT","value":"2"},)"
                    R"({"parameter":"DP","value":"ERR 0"}]})";
    const auto rows = compareSnapshots(first, second);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_TRUE(rows[0].differs);
    EXPECT_FALSE(rows[1].differs);
    EXPECT_EQ(rows[2].parameter, "DP");
    EXPECT_TRUE(rows[2].differs);
    EXPECT_TRUE(compareSnapshots(HistoryEntry{}, HistoryEntry{}).empty()) << "no detail, no rows";
}

} // namespace
} // namespace ortavel::test
