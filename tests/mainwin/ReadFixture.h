#pragma once

#include "WindowFixture.h"

#include <iterator>
#include <sstream>

namespace ortavel::test {

// One transmitter at 07, found by a short search and read once.
class ReadFixture : public WindowFixture {
protected:
    // prepare: faults set before the search.
    FakeTransmitter &findAndRead(const std::string &version = "1.50", int band = 3,
                                 const std::function<void(FakeTransmitter &)> &prepare = {})
    {
        loadOnPort3();
        FakeTransmitter &transmitter = bus.add("07", {band});
        transmitter.values = FakeBus::typicalValues(version);
        if (prepare)
            prepare(transmitter);
        window.setSearchLastAddress(8);
        window.cmdSEARCH.click();
        EXPECT_EQ(window.CMB_ADDR.count(), 1);
        return transmitter;
    }

    // The commands sent since the search, without its "AD" questions.
    std::vector<std::string> readCommands() const
    {
        std::vector<std::string> out;
        for (const auto &command : bus.commands()) {
            if (command != "AD")
                out.push_back(command);
        }
        return out;
    }

    // Commands that carry a value to the transmitter.
    std::vector<std::string> writes() const
    {
        std::vector<std::string> out;
        for (const auto &command : bus.commands()) {
            if (command.size() > 2 && command != "RP0" && command != "RT0")
                out.push_back(command);
        }
        return out;
    }

    static std::vector<std::string> split(const std::string &text)
    {
        std::istringstream words(text);
        return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
    }
};

} // namespace ortavel::test
