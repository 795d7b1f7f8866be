#pragma once

#include "controls/MessageBox.h"
#include "mainwin/Ortavel.h"
#include "ui/FormView.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtWindowHost.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ortavel::test {

class RecordingMessageBox final : public MessageBox {
public:
    void show(const std::string &text, const std::string &, bool) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// The main window on screen with the real event pump and window host, over
// the port, clock and settings of Platform, com1 remembered.
template <typename Platform> class MainWindowFixture : public ::testing::Test, protected Platform {
protected:
    void SetUp() override
    {
        windows.addWindow(model.name(), &window);
        this->settings.setValue(Ortavel::kAppTitle, Ortavel::kSettingsSection, Ortavel::kSettingsKey, "1");
        model.Form_Load();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename W> W *get(const Control &control) const
    {
        auto *widget = window.view().template widgetAs<W>(control.name());
        EXPECT_NE(widget, nullptr) << control.name();
        return widget;
    }

    RecordingMessageBox messages;
    QtEventPump events;
    QtWindowHost windows;
    Ortavel model{this->port, this->clock, this->settings, messages, events, windows};
    MainWindow window{model};
};

} // namespace ortavel::test
