#pragma once

#include "controls/MessageBox.h"
#include "mainwin/Ortavel.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"
#include "support/MemorySettingsStore.h"
#include "ui/FormView.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtWindowHost.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace ortavel::test {

class RecordingMessageBox final : public MessageBox {
public:
    void show(const std::string &text, const std::string &, bool) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// The main window on screen over a fake port on a fake clock, with the real
// event pump and window host.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        windows.addWindow(model.name(), &window);
        settings.setValue("Kavrin", "Transmitter", "CommPort", "1");
        model.Form_Load();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename W> W *get(const Control &control) const
    {
        auto *widget = window.view().widgetAs<W>(control.name());
        EXPECT_NE(widget, nullptr) << control.name();
        return widget;
    }

    FakeClock clock;
    FakeSerialPort port{clock};
    MemorySettingsStore settings;
    RecordingMessageBox messages;
    QtEventPump events;
    QtWindowHost windows;
    Ortavel model{port, clock, settings, messages, events, windows};
    MainWindow window{model};
};

} // namespace ortavel::test
