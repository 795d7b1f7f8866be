#include "FakeBus.h"

#include "cli/AddressText.h"
#include "cli/BusSearch.h"

#include <gtest/gtest.h>

namespace ortavel::cli {
namespace {

using test::FakeBus;
using test::FakeTransmitter;

std::vector<std::pair<std::string, int>> listOf(const SearchOutcome &outcome)
{
    std::vector<std::pair<std::string, int>> list;
    for (const auto &t : outcome.found)
        list.emplace_back(t.address, t.baud);
    return list;
}

TEST(BusSearchTest, RatesFromTheLastToTheFirstAddressesInOrderEachOncePerRate)
{
    FakeBus fake;
    fake.add(FakeTransmitter{"07", 4800, {}, false, {}});
    fake.add(FakeTransmitter{"03", 9600, {}, false, {}});
    fake.add(FakeTransmitter{"05", 1200, {}, false, {}});
    fake.add(FakeTransmitter{"03", 2400, {}, false, {}});
    std::vector<std::string> asked;
    const auto outcome = BusSearch::run(fake.bus, *parseAddressList("1-9"), searchOrderBauds(),
                                        [&](const std::string &address, int baud, std::size_t) {
                                            asked.push_back(address + "@" + std::to_string(baud));
                                        });
    EXPECT_EQ(listOf(outcome),
              (std::vector<std::pair<std::string, int>>{{"03", 9600}, {"07", 4800}, {"03", 2400}, {"05", 1200}}));
    EXPECT_EQ(outcome.exchanges, 36);
    ASSERT_EQ(asked.size(), 36U);
    EXPECT_EQ(asked.front(), "01@9600");
    EXPECT_EQ(asked[9], "01@4800");
    EXPECT_EQ(asked.back(), "09@1200");
    EXPECT_FALSE(outcome.interrupted);
}

TEST(BusSearchTest, OnlyAnExactAddressEchoCounts)
{
    FakeBus fake;
    // 04 answers the address query without its address.
    fake.add(FakeTransmitter{"04", 9600, {}, false, {"AD"}});
    fake.add(FakeTransmitter{"06", 9600, {}, false, {}});
    const auto outcome = BusSearch::run(fake.bus, {4, 6}, {9600});
    EXPECT_EQ(listOf(outcome), (std::vector<std::pair<std::string, int>>{{"06", 9600}}));
}

TEST(BusSearchTest, InterruptEndsBeforeTheNextExchangeAndKeepsWhatWasFound)
{
    FakeBus fake;
    fake.add(FakeTransmitter{"02", 9600, {}, false, {}});
    fake.add(FakeTransmitter{"08", 9600, {}, false, {}});
    fake.interruptAfter(5);
    const auto outcome = BusSearch::run(fake.bus, *parseAddressList("1-99"), searchOrderBauds());
    EXPECT_TRUE(outcome.interrupted);
    EXPECT_EQ(fake.port.writes().size(), 5U);
    EXPECT_EQ(listOf(outcome), (std::vector<std::pair<std::string, int>>{{"02", 9600}}));
}

TEST(BusSearchTest, LocateLeavesTheLineAtTheRateThatAnswers)
{
    FakeBus fake;
    fake.add(FakeTransmitter{"11", 2400, {}, false, {}});
    EXPECT_EQ(BusSearch::locate(fake.bus, "11", searchOrderBauds()), 2400);
    EXPECT_EQ(fake.port.settings(), "2400,N,8,1");
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"AD", "AD", "AD"}));
    EXPECT_FALSE(BusSearch::locate(fake.bus, "12", searchOrderBauds()));
}

TEST(AddressTextTest, ListsAndRates)
{
    EXPECT_EQ(parseAddressList("3,1-2,2"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(parseAddressList("98-99"), (std::vector<int>{98, 99}));
    for (const char *bad : {"", "0", "1-100", "5-3", "1,,2", "a", "1-", "-3"})
        EXPECT_FALSE(parseAddressList(bad)) << bad;
    EXPECT_EQ(parseBaudList("1200,9600,1200"), (std::vector<int>{1200, 9600}));
    for (const char *bad : {"", "300", "9600,", "96OO"})
        EXPECT_FALSE(parseBaudList(bad)) << bad;
    EXPECT_EQ(formatAddress(5), "05");
    EXPECT_EQ(parseAddress("05"), 5);
    EXPECT_FALSE(parseAddress("5.0"));
}

} // namespace
} // namespace ortavel::cli
