#pragma once

#include "FakeBus.h"
#include "FakeServices.h"
#include "mainwin/Ortavel.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace ortavel::test {

// The main window on fake services, with a fake bus behind its port.
class WindowFixture : public ::testing::Test {
protected:
    void rememberPort(const std::string &value) { settings.setValue("Kavrin", "Transmitter", "CommPort", value); }
    std::string rememberedPort() const { return settings.value("Kavrin", "Transmitter", "CommPort", "<none>"); }

    // Loads the window with port 3 remembered and open.
    void loadOnPort3()
    {
        rememberPort("3");
        window.Form_Load();
        ASSERT_TRUE(port.isOpen());
    }

    // Searches with the window's own button, then forgets what it asked.
    void searchAll()
    {
        window.cmdSEARCH.click();
        bus.clearRequests();
    }

    FakeClock clock;
    FakeSerialPort port{clock};
    FakeBus bus{port};
    MemorySettingsStore settings;
    FakeMessageBox messages;
    FakeEventPump events;
    FakeWindowHost windows;
    Ortavel window{port, clock, settings, messages, events, windows};
};

} // namespace ortavel::test
