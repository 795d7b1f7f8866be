#include "cli/BackupFile.h"
#include "cli/SettingChecker.h"

#include <gtest/gtest.h>

namespace ortavel::cli {
namespace {

TransmitterRecord fullRecord()
{
    TransmitterRecord r;
    r.address = "07";
    r.type = "PT-100";
    r.id = "SN1";
    r.version = "2.10";
    r.unitCode = 3;
    r.decimals = 2;
    r.displayZero = "+00.00";
    r.displayFullScale = "+16.00";
    r.output4mA = "0";
    r.output20mA = "16";
    r.trim4mA = "+0012";
    r.trim20mA = "-0040";
    r.calibration.points = 2;
    for (int i = 0; i < kCalibrationRows; ++i)
        r.calibration.rows[static_cast<std::size_t>(i)] = {std::to_string(i), std::to_string(i) + ".5"};
    return r;
}

TEST(BackupFileTest, RoundTripKeepsEveryWritableValueButIdentity)
{
    std::vector<std::string> missing;
    const auto backup = BackupFile::fromRecord(fullRecord(), missing);
    ASSERT_TRUE(backup);
    std::string error;
    const auto parsed = BackupFile::parse(backup->toJson(), error);
    ASSERT_TRUE(parsed) << error;
    auto sorted = [](auto v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(sorted(parsed->settings), sorted(backup->settings));
    EXPECT_EQ(parsed->settings.size(), 9U);
    for (const auto &[name, value] : parsed->settings)
        EXPECT_TRUE(name != "id" && name != "address" && name != "baud") << name;
    EXPECT_TRUE(parsed->hasCalibration);
    EXPECT_EQ(parsed->calibration.points, 2);
    EXPECT_EQ(parsed->calibration.rows[7].measured, "7.5");
    // Every value of a backup passes the checks of `set`.
    std::vector<std::string> errors;
    EXPECT_TRUE(SettingChecker::check(parsed->settings, errors)) << (errors.empty() ? "" : errors.front());
}

TEST(BackupFileTest, ARecordWithHolesIsNoBackup)
{
    auto record = fullRecord();
    record.trim20mA.reset();
    record.calibration.rows[5].standard.reset();
    std::vector<std::string> missing;
    EXPECT_FALSE(BackupFile::fromRecord(record, missing));
    EXPECT_EQ(missing, (std::vector<std::string>{"trim_20ma", "calibration.table.5"}));
}

TEST(BackupFileTest, RejectsFilesItCannotTrust)
{
    const std::string head = R"({"format":"ortavel-backup","format_version":1,)";
    const struct {
        std::string json;
        std::string errorPart;
    } cases[] = {
        {"not json", "not a JSON object"},
        {R"({"format":"other","format_version":1})", "not an ortavel backup"},
        {R"({"format":"ortavel-backup","format_version":2})", "version 2"},
        {head + R"("settings":{"address":"05"}})", "settings.address"},
        {head + R"("settings":{"id":"X"}})", "settings.id"},
        {head + R"("settings":{"unit":[1]}})", "text or a number"},
        {head + R"("calibration":{"points":9,"table":[]}})", "0 to 8"},
        {head + R"("calibration":{"points":1,"table":[{"standard":"1"}]}})", "calibration.table.0"},
    };
    for (const auto &c : cases) {
        std::string error;
        EXPECT_FALSE(BackupFile::parse(QByteArray::fromStdString(c.json), error)) << c.json;
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.json << " -> " << error;
    }
    std::string error;
    const auto numbers = BackupFile::parse(
        QByteArray::fromStdString(head + R"("settings":{"unit":4,"display_zero":12.5,"trim_4ma":-3}})"), error);
    ASSERT_TRUE(numbers) << error;
    std::vector<std::string> errors;
    EXPECT_TRUE(SettingChecker::check(numbers->settings, errors));
}

} // namespace
} // namespace ortavel::cli
