#include "traffic/TrafficLine.h"
#include "traffic/TrafficRecorder.h"
#include "traffic/TrafficStatistics.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace ortavel::test {
namespace {

TEST(TrafficRecorder, KeepsEveryFieldAndWrapsItsRing)
{
    TrafficRecorder recorder(3);
    recorder.setOrigin(1000);
    recorder.record(1500, 1521, 9600, "01", "$01TY00\r", "*01QX82012\r", "*01QX820\r");
    const ExchangeRecord &first = recorder.at(0);
    EXPECT_EQ(std::tie(first.timeMs, first.durationMs, first.baud, first.address, first.request, first.reply),
              std::make_tuple(500, 21, 9600, "01", "$01TY00\r", "*01QX82012\r"));

    for (int i = 1; i <= 4; ++i)
        recorder.record(2000 + i, 2100 + i, 4800, std::to_string(i), "req", "", i % 2 ? "ERR 0\r" : "EER 3\r");
    EXPECT_EQ(std::make_tuple(recorder.size(), recorder.firstSequence(), recorder.endSequence()),
              std::make_tuple(3UL, 2UL, 5UL));
    // A wrapped slot holds the new record whole, the old reply gone.
    EXPECT_EQ(recorder.at(2).address, "2");
    EXPECT_EQ(recorder.at(2).result, ExchangeResult::BadReply);
    EXPECT_EQ(recorder.at(3).reply, "");
    EXPECT_EQ(recorder.at(4).timeMs, 1004);
}

TEST(TrafficLine, CsvReadsBackToTheSameRecords)
{
    const auto fields = [](const ExchangeRecord &r) {
        return std::tie(r.timeMs, r.baud, r.address, r.request, r.reply, r.result, r.durationMs);
    };
    TrafficRecorder recorder;
    recorder.record(10, 31, 9600, "01", "$01RP033\r", "*01+12.34838\r", "*01+12.348\r");
    recorder.record(40, 140, 9600, "07", "$07RP035\r", "", "ERR 0\r");
    const std::string noise("\x02,\"*07\\x\r\n", 10);
    recorder.record(150, 190, 4800, "07", "$07TY00\r", noise, "EER 3\r");
    recorder.record(40, 165, 9600, "07", "$07RP035\r", "*07+1.2323\r", ExchangeResult::LateReply);

    std::ostringstream all;
    writeTrafficCsv(all, recorder);
    std::istringstream in(all.str());
    std::string line;
    std::getline(in, line);
    for (std::uint64_t s = 0; s < 4; ++s) {
        ASSERT_TRUE(std::getline(in, line));
        const auto back = parseTrafficLine(line);
        ASSERT_TRUE(back.has_value()) << line;
        EXPECT_EQ(fields(*back), fields(recorder.at(s)));
    }
    EXPECT_FALSE(std::getline(in, line));
    EXPECT_EQ(trafficLine(recorder.at(1)), "40,9600,07,$07RP035\\r,,no reply,100");
    EXPECT_EQ(trafficLine(recorder.at(3)), "40,9600,07,$07RP035\\r,*07+1.2323\\r,late reply,125");

    std::ostringstream filtered;
    writeTrafficCsv(filtered, recorder, "01");
    EXPECT_EQ(filtered.str(), std::string(kTrafficHeader) + "\n10,9600,01,$01RP033\\r,*01+12.34838\\r,good,21\n");
    EXPECT_FALSE(parseTrafficLine("10,9600,01,a,b,fine,21").has_value());
    EXPECT_FALSE(parseTrafficLine("10,9600,01,a,b,good").has_value());
    EXPECT_FALSE(parseTrafficLine("x,9600,01,a,b,good,3").has_value());
    EXPECT_FALSE(parseTrafficLine("1,9600,01,a\\q,b,good,3").has_value());
    EXPECT_FALSE(parseTrafficLine("1,9600,01,a,b\\x4,good,3").has_value());
}

TEST(TrafficStatistics, MatchesAHandComputedTable)
{
    // 01: replies after 10, 20, ..., 200 ms (the last bad), two without; p95 is rank 19 of 20.
    TrafficStatistics statistics;
    ExchangeRecord record;
    record.address = "01";
    for (int i = 1; i <= 20; ++i) {
        record.durationMs = 10LL * i;
        record.result = i == 20 ? ExchangeResult::BadReply : ExchangeResult::Good;
        statistics.add(record);
    }
    record.result = ExchangeResult::NoReply;
    record.durationMs = 1000; // a timeout is no response time
    statistics.add(record);
    statistics.add(record);
    record.address = "07";
    statistics.add(record);
    record.result = ExchangeResult::LateReply; // its request is the no reply before
    statistics.add(record);
    record.result = ExchangeResult::Good;
    record.durationMs = 50;
    statistics.add(record);

    const auto rows = statistics.rows();
    ASSERT_EQ(rows.size(), 2U);
    const auto row = [](const AddressStatistics &r) {
        return std::make_tuple(r.address, r.exchanges, r.noReply, r.badReply, r.meanMs, r.p95Ms, r.longestMs);
    };
    EXPECT_EQ(row(rows[0]), std::make_tuple(std::string("01"), 22, 2, 1, 105.0, 190, 200));
    EXPECT_EQ(row(rows[1]), std::make_tuple(std::string("07"), 2, 1, 0, 50.0, 50, 50));
}

} // namespace
} // namespace ortavel::test
