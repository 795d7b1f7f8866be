#include "link/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ortavel {
namespace {

// Blanks, tabs and line feeds are skipped; reading stops where the number cannot go on.
TEST(ReadNumber, TakesTheLeadingNumber)
{
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"", 0},        {"abc", 0},        {"+012.34", 12.34}, {"-003.0", -3},  {"1 2 3", 123}, {"\t-\n4.5", -4.5},
        {"1.2.3", 1.2}, {"25.46C", 25.46}, {".5", 0.5},        {"-.25", -0.25}, {"+", 0}};
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadNumber, TakesExponentsAndOverflowsToInfinity)
{
    const struct {
        std::string text;
        double value;
    } cases[] = {{"1e3", 1000},       {"1E-2x", 0.01},       {"2d2", 200},  {"5e+", 5},
                 {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}, {"1e-999", 0}, {"99999999999999999999", 1e20}};
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(WholeNumber, RoundsHalfToEven)
{
    const struct {
        double value;
        std::int64_t whole;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-1.5, -2}, {2.5001, 3}, {-3.7, -4}};
    for (const auto &c : cases)
        EXPECT_EQ(wholeNumber(c.value), c.whole) << c.value;
}

TEST(WholeNumber, RefusesWhatDoesNotFit)
{
    EXPECT_EQ(wholeNumber16(32767.4), 32767);
    EXPECT_EQ(wholeNumber16(-32768), -32768);
    EXPECT_FALSE(wholeNumber16(32767.5));
    EXPECT_FALSE(wholeNumber16(-32769));
    EXPECT_FALSE(wholeNumber16(NAN));
    EXPECT_FALSE(wholeNumber32(3e9));
    EXPECT_FALSE(wholeNumber(HUGE_VAL));
    EXPECT_FALSE(wholeNumber(1e19));
}

TEST(ToSingle, RefusesOverflow)
{
    EXPECT_FLOAT_EQ(*toSingle(12.5), 12.5F);
    EXPECT_FALSE(toSingle(1e39));
    EXPECT_FALSE(toSingle(-1e39));
    EXPECT_FALSE(toSingle(NAN));
}

struct PatternCase {
    double value;
    std::string pattern;
    std::string text;
};

TEST(FormatPattern, WritesPlacesPointAndSign)
{
    const PatternCase cases[] = {{12.5, "+000.0", "+012.5"},    {-3, "000.0", "-003.0"},
                                 {12, "+0000.", "+0012."},      {0.125, "+.0000", "+.1250"},
                                 {12345, "+000.0", "+12345.0"}, {1234.56, "+000.0", "+1234.6"},
                                 {123, "0000", "0123"},         {-45, "0000", "-0045"},
                                 {100, "+00.00", "+100.00"},    {12.5, "", "12.5"}};
    for (const auto &c : cases)
        EXPECT_EQ(formatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

// Half-way values round away from zero; "#" places show no leading zero.
TEST(FormatPattern, RoundsHalfAwayFromZeroAndDropsHashPlaces)
{
    const PatternCase cases[] = {{23.46, "###0.0", "23.5"}, {-3, "###0.0", "-3.0"},  {0.125, "0.00", "0.13"},
                                 {-0.125, "0.00", "-0.13"}, {2.675, "0.00", "2.68"}, {9.96, "0.0", "10.0"},
                                 {99.95, "00.0", "100.0"},  {0.05, ".0", ".1"},      {1.5, "###0", "2"},
                                 {2.5, "0", "3"},           {-2.5, "0", "-3"}};
    for (const auto &c : cases)
        EXPECT_EQ(formatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

// With no decimals entry chosen (empty pattern), range texts still carry their sign.
TEST(SignedPatternText, PlusForZeroAndAbove)
{
    EXPECT_EQ(signedPatternText(0, "000.0"), "+000.0");
    EXPECT_EQ(signedPatternText(-3, "000.0"), "-003.0");
    EXPECT_EQ(signedPatternText(static_cast<double>(12.3F), "00.00"), "+12.30");
    EXPECT_EQ(signedPatternText(12.5, ""), "+12.5");
    EXPECT_EQ(signedPatternText(-0.0, ""), "+0");
}

// A box holds a number only when the whole of its text is one: one digit is enough, a sign or a point alone is not.
TEST(IsNumberText, TheWholeTextIsOneNumber)
{
    const std::pair<const char *, bool> cases[] = {
        {"5", true}, {" -0.5\t", true}, {"+12.", true},  {"1.5e3", true},  {".", false},  {"+", false},
        {"", false}, {"  ", false},     {"1.5x", false}, {"1.2.3", false}, {"1e", false}, {"ERR 0", false},
    };
    for (const auto &[text, number] : cases)
        EXPECT_EQ(isNumberText(text), number) << '"' << text << '"';
}

// The echo of a write confirms the number sent when it shows it to its own last decimal; a text only as sent.
TEST(IsEchoOf, TheNumberSentInTheTransmittersPattern)
{
    const struct {
        const char *echo;
        const char *sent;
        bool confirms;
    } cases[] = {
        {"+012.50", "12.5", true}, {"+012.3", "12.34", true},   {"+012.3", "12.36", false},
        {"+0003.", "3.5", true},   {"-0045", "-45", true},      {"+000.0", "12.5", false},
        {"+1.5e1", "15", false},   {"+012.5", "1.25e1", false}, {"", "12.5", false},
        {"PT100", "PT100", true},  {"PT100 ", "PT100", false},  {"0100", "100", true},
        {"+12.", "+-12", false},   {" 7 ", "7", true},          {"+999999.601", "999999.6005", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isEchoOf(c.echo, c.sent), c.confirms) << '"' << c.echo << "\" for \"" << c.sent << '"';
}

} // namespace
} // namespace ortavel
