// Every program answers --version and --help on stdout with status 0,
// with no display, no port and no settings.

#include <QProcess>

#include <gtest/gtest.h>

namespace ortavel::test {
namespace {

TEST(ProgramInfo, VersionAndHelp)
{
    const std::pair<const char *, const char *> programs[] = {
        {"ortavel", ORTAVEL_APP_PROGRAM}, {"ortavel-cli", ORTAVEL_CLI_PROGRAM}, {"ortavel-sim", ORTAVEL_SIM_PROGRAM}};
    for (const auto &[name, path] : programs) {
        for (const char *option : {"--version", "--help"}) {
            QProcess process;
            process.setProcessEnvironment(QProcessEnvironment());
            process.start(path, {option});
            ASSERT_TRUE(process.waitForFinished(10000)) << name << ' ' << option;
            const std::string out = process.readAllStandardOutput().toStdString();
            EXPECT_EQ(process.exitCode(), 0) << name << ' ' << option;
            if (std::string(option) == "--version")
                EXPECT_EQ(out, std::string(name) + " " ORTAVEL_VERSION "\n");
            else
                EXPECT_NE(out.find("sage: " + std::string(name) + " "), std::string::npos) << out;
        }
    }
}

} // namespace
} // namespace ortavel::test
