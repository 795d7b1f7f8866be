#include "controls/Form.h"
#include "controls/Timer.h"
#include "ui/QtMessageBox.h"
#include "ui/QtWindowHost.h"
#include "ui/TimerBinder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace ortavel::test {
namespace {

// The operator reads the box once it is up, then presses its OK button, and show() returns.
TEST(QtMessageBoxTest, ShowsTextTitleAndIconWithOkAloneAndReturnsWhenClosed)
{
    bool read = false;
    QTimer::singleShot(0, [&read] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        read = true;
        EXPECT_EQ(box->text(), "<b>1 < 2</b>");
        EXPECT_EQ(box->textFormat(), Qt::PlainText) << "a text is not markup";
        EXPECT_EQ(box->windowTitle(), "Error");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->buttons().size(), 1);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QtMessageBox().show("<b>1 < 2</b>", "Error", true);
    EXPECT_TRUE(read);
}

TEST(QtWindowHostTest, ClosingTheMainWindowEndsTheToolWhileOthersAreOpen)
{
    Form mainForm("frmMain", "Main");
    QWidget mainWindow;
    QWidget other;
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

TEST(TimerTest, FollowsEnabledAndInterval)
{
    Timer timer{"Timer1", 20};
    QTimer qtimer;
    new TimerBinder(timer, &qtimer); // goes with qtimer, before timer
    int ticks = 0;
    timer.onTimer = [&ticks] { ++ticks; };
    EXPECT_FALSE(qtimer.isActive()) << "a timer starts disabled";
    timer.setEnabled(true);
    EXPECT_TRUE(qtimer.isActive());
    EXPECT_EQ(qtimer.interval(), 20);
    EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 3; }, 2000));

    timer.setInterval(35);
    EXPECT_EQ(qtimer.interval(), 35);
    timer.setInterval(0);
    EXPECT_FALSE(qtimer.isActive()) << "an interval of 0 stops it";
}

} // namespace
} // namespace ortavel::test
