// Texts of any length and any bytes as address, command and value from the
// command line: ortavel-cli never crashes, exits by its result, and what
// reached the line is the frame of exactly those texts, its checksum
// matching its bytes.

#include "CliChild.h"
#include "link/Checksum.h"
#include "link/Exchange.h"
#include "sim/DemoBus.h"
#include "sim/FrameSplitter.h"
#include "sim/SimServer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ortavel::test {
namespace {

// The frames the simulator sees of the bytes written: cut at each CR, runs
// too long for a frame dropped.
std::vector<std::string> framesOnTheLine(const std::string &bytes)
{
    sim::FrameSplitter splitter;
    return splitter.feed(bytes);
}

std::vector<std::string> tracedFrames(const sim::SimServer &server)
{
    std::vector<std::string> frames;
    for (const auto &entry : server.trace())
        frames.push_back(entry.frame);
    return frames;
}

class CommandText : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        sim::SimServer::Options options;
        options.linkPath = (m_folder.path() + "/com1").toStdString();
        options.timing.wireTime = false;
        options.timing.turnaround = std::chrono::milliseconds(1);
        m_server.start(sim::demoBus(), options);
        m_link = options.linkPath;
    }

    CliResult run(const std::vector<std::string> &arguments)
    {
        m_server.clearTrace();
        std::vector<std::string> all = {"--device", m_link};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return runCliBytes(all);
    }

    // The line still works for an ordinary request.
    void expectLineWorks()
    {
        const auto ok = run({"send", "01", "AD"});
        EXPECT_EQ(ok.out, "*0101\n") << ok.err;
    }

    QTemporaryDir m_folder;
    sim::SimServer m_server;
    std::string m_link;
};

struct SendCase {
    const char *name;
    std::string address;
    std::string command;
    int exitCode;
};

TEST_F(CommandText, SendPutsExactlyItsTextsOnTheLine)
{
    const std::string longText(600, 'Z');
    const std::string hugeText(100000, '7');
    const SendCase cases[] = {
        {"both empty", "", "", 1},
        {"empty command", "01", "", 1},
        {"empty address", "", "01TY", 0}, // the covered text is what counts
        {"one-digit address", "1", "TY", 1},
        {"three-digit address", "001", "TY", 1},
        {"letters as address", "xy", "TY", 1},
        {"all transmitters", "AA", "TY", 1},
        {"lower-case letters", "01", "ty", 1},
        {"control bytes", "01", "\x01\x02\x7F", 1},
        {"carriage return inside", "01", "TY\rAD", 1},
        {"line feed inside", "0\n1", "TY", 1},
        {"CR as address", "\r", "\r", 1},
        {"Chinese", "01", "\xE7\xB1\xBB\xE5\x9E\x8B", 1},
        {"not UTF-8", "\xFF\xFE", "T\xC0Y", 1},
        {"value of odd bytes", "01", "TY\xFF\x80", 0},
        {"longer than a frame", "01", "TY" + longText, 1},
        {"very long address", hugeText, "TY", 1},
        {"very long command", "01", hugeText, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = run({"send", c.address, c.command});
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        const std::string frame = Exchange::requestFrame(c.address, c.command);
        EXPECT_EQ(tracedFrames(m_server), framesOnTheLine(frame));
        // Every complete frame's checksum matches the bytes it covers.
        if (frame.find('\r') == frame.size() - 1 && frame.size() <= sim::FrameSplitter::kMaxFrame) {
            const std::string covered = frame.substr(1, frame.size() - 4);
            EXPECT_EQ(frame.substr(frame.size() - 3, 2), PARITY_XORB(covered));
            EXPECT_EQ(covered, c.address + c.command);
        }
        const bool good = !result.out.empty() && result.out.front() == '*';
        EXPECT_EQ(result.exitCode == 0, good) << result.out;
    }
    expectLineWorks();
}

TEST_F(CommandText, ArgumentsTheCommandRefusesSendNothing)
{
    const std::vector<std::string> refused[] = {
        {"send"},
        {"send", "01"},
        {"send", "01", "TY", "AD"},
        {"send", "--repeat", "0", "01", "TY"},
        {"send", "--repeat", "-1", "01", "TY"},
        {"send", "--repeat", "99999999999999999999", "01", "TY"},
        {"send", "--repeat", "", "01", "TY"},
        {"send", "--repeat"},
        {"send", "--bogus", "01", "TY"},
    };
    for (const auto &arguments : refused) {
        SCOPED_TRACE(arguments.size() > 1 ? arguments[1] : arguments.front());
        const auto result = run(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(result.err.empty());
        EXPECT_TRUE(m_server.trace().empty());
    }
}

struct SetCase {
    const char *name;
    std::string setting;
    std::string sentCommand; // empty: refused before anything is sent
};

TEST_F(CommandText, SetChecksValuesOrSendsThemAsGiven)
{
    const std::string longType(300, 'T');
    const SetCase cases[] = {
        {"empty type", "type=", ""},
        {"type with CR", "type=A\rB", ""},
        {"type with control byte", std::string("type=A\x01", 7), ""},
        {"type of odd bytes", "type=\xE7\xB1\xBB\xFF", "TY\xE7\xB1\xBB\xFF"},
        {"long type", "type=" + longType, "TY" + longType},
        {"no value", "type", ""},
        {"no key", "=X", ""},
        {"unknown key", "colour=red", ""},
        {"two equals", "type==X", "TY=X"},
        {"blank in key", "ty pe=X", ""},
        {"number too big", "display_zero=1e400", ""},
        {"not a number", "display_zero=nan", ""},
        {"comma", "display_zero=1,5", ""},
        {"huge whole number", "trim_4ma=99999999999999999999", ""},
        {"double sign", "trim_4ma=--1", ""},
        {"empty decimals", "decimals=", ""},
        {"unit of odd bytes", "unit=\xFF", ""},
        {"address with a full-width digit", "address=\xEF\xBC\x91", ""},
        {"rate with a blank", "baud=9600 ", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = run({"set", "01", c.setting});
        ASSERT_GE(result.exitCode, 0) << "crashed: " << result.err;
        const auto frames = tracedFrames(m_server);
        if (c.sentCommand.empty()) {
            EXPECT_EQ(result.exitCode, 2) << result.out;
            EXPECT_TRUE(frames.empty());
            EXPECT_FALSE(result.err.empty());
            continue;
        }
        EXPECT_NE(result.exitCode, 2) << result.err;
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames.front(), Exchange::requestFrame("01", c.sentCommand));
    }
    expectLineWorks();
}

} // namespace
} // namespace ortavel::test
