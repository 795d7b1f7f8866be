#pragma once

#include "FakeBus.h"
#include "FakeServices.h"
#include "mainwin/Ortavel.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"
#include "support/MemoryHistory.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <sstream>
#include <utility>

namespace ortavel::test {

// The main window on fake services, with a fake bus behind its port.
struct WindowRig {
    void rememberPort(const std::string &value) { settings.setValue("Kavrin", "Transmitter", "CommPort", value); }
    std::string rememberedPort() const { return settings.value("Kavrin", "Transmitter", "CommPort", "<none>"); }

    std::vector<std::string> panels() const
    {
        std::vector<std::string> out;
        for (int panel = 1; panel <= 4; ++panel)
            out.push_back(window.StatusBar1.panel(panel));
        return out;
    }

    FakeClock clock;
    FakeSerialPort port{clock};
    FakeBus bus{port};
    MemorySettingsStore settings;
    FakeMessageBox messages;
    FakeEventPump events;
    FakeWindowHost windows;
    MemoryHistory history;
    Ortavel window{port, clock, settings, messages, events, windows, history.recorder};
};

inline std::vector<std::string> entries(const ComboBox &list)
{
    std::vector<std::string> out;
    for (const auto &entry : list.entries())
        out.push_back(entry.text);
    return out;
}

inline void expectTexts(std::initializer_list<std::pair<const Control *, std::string>> rows)
{
    for (const auto &[control, expected] : rows) {
        const auto *label = dynamic_cast<const Label *>(control);
        const auto *box = dynamic_cast<const TextBox *>(control);
        const auto *list = dynamic_cast<const ComboBox *>(control);
        const std::string shown = label ? label->caption() : box ? box->text() : list ? list->text() : "?";
        EXPECT_EQ(shown, expected) << control->name();
    }
}

class WindowFixture : public ::testing::Test, protected WindowRig {
protected:
    void loadOnPort3()
    {
        rememberPort("3");
        window.Form_Load();
        ASSERT_TRUE(port.isOpen());
    }
};

// One transmitter at 07, found by a short search and read once.
class ReadFixture : public WindowFixture {
protected:
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
