#include "TestWindow.h"
#include "ui/FormBinder.h"
#include "ui/QtMessageBox.h"
#include "ui/QtWindowHost.h"
#include "ui/TimerBinder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace ortavel::test {
namespace {

// Rows shown through the real box; the operator reads it once it is up,
// then presses its OK button, and show() returns.
TEST(QtMessageBoxTest, ShowsTextTitleAndIconWithOkAloneAndReturnsWhenClosed)
{
    const struct {
        const char *text;
        const char *title;
        bool exclamation;
        QMessageBox::Icon icon;
    } rows[] = {{"The communication port is not open！", "Error", true, QMessageBox::Warning},
                {"<b>1 < 2</b>", "Kavrin", false, QMessageBox::NoIcon}}; // texts are not markup
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        bool read = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            read = true;
            EXPECT_EQ(box->text(), row.text);
            EXPECT_EQ(box->windowTitle(), row.title);
            EXPECT_EQ(box->icon(), row.icon);
            EXPECT_EQ(box->buttons().size(), 1);
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        QtMessageBox().show(row.text, row.title, row.exclamation);
        EXPECT_TRUE(read);
    }
}

TEST(QtWindowHostTest, ShowsKnownWindowsAndClosesThroughTheirForm)
{
    TestForm form;
    form.mayClose = false;
    QWidget window;
    new FormBinder(form, &window);
    QtWindowHost host;
    host.showWindow("frmTest");
    EXPECT_FALSE(window.isVisible()) << "unknown until added";

    host.addWindow("frmTest", &window);
    host.showWindow("frmTest");
    EXPECT_TRUE(window.isVisible());

    host.requestClose(form);
    EXPECT_TRUE(window.isVisible()) << "the form refused";
    form.mayClose = true;
    host.requestClose(form);
    EXPECT_FALSE(window.isVisible());
}

TEST(QtWindowHostTest, ClosingTheMainWindowEndsTheToolWhileOthersAreOpen)
{
    TestForm mainForm;
    QWidget mainWindow;
    QWidget other;
    new FormBinder(mainForm, &mainWindow);
    QtWindowHost host;
    host.addWindow("frmAbout", &other);
    host.addWindow(mainForm.name(), &mainWindow, true);
    host.showWindow(mainForm.name());
    host.showWindow("frmAbout");
    QTimer::singleShot(0, [&] {
        host.requestClose(mainForm);
        EXPECT_TRUE(other.isVisible());
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "the tool went on with the other window open";
    giveUp.stop();
}

class TimerTest : public ::testing::Test {
protected:
    TimerTest()
    {
        timer.onTimer = [this] { ++ticks; };
    }
    // Declared first: the binder unsubscribes from it when qtimer goes.
    Timer timer{"Timer1", 20};
    QTimer qtimer;
    TimerBinder *binder = new TimerBinder(timer, &qtimer);
    int ticks = 0;
};

TEST_F(TimerTest, FollowsEnabledAndInterval)
{
    EXPECT_FALSE(qtimer.isActive()) << "a timer starts disabled";
    timer.setEnabled(true);
    EXPECT_TRUE(qtimer.isActive());
    EXPECT_EQ(qtimer.interval(), 20);
    EXPECT_TRUE(QTest::qWaitFor([this] { return ticks >= 3; }, 2000));

    timer.setInterval(35);
    EXPECT_EQ(qtimer.interval(), 35);
    timer.setInterval(0);
    EXPECT_FALSE(qtimer.isActive()) << "an interval of 0 stops it";
    timer.setInterval(20);
    timer.setEnabled(false);
    EXPECT_FALSE(qtimer.isActive());
    const int before = ticks;
    QTest::qWait(80);
    EXPECT_EQ(ticks, before);
}

TEST_F(TimerTest, TicksMissedWhileBusyArriveOnce)
{
    timer.setEnabled(true);
    // Busy for several intervals, as during a long exchange.
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace ortavel::test
