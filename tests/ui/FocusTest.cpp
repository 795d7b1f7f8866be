#include "TestWindow.h"
#include "ui/QtMessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace ortavel::test {
namespace {

// An operator action on another control while the focus is in Name, and
// the handler count and state that tell whether it went through.
struct Action {
    const char *what;
    std::function<void(TestWindow &)> act;
    std::function<bool(TestForm &)> happened;
};

void PrintTo(const Action &action, std::ostream *out)
{
    *out << action.what;
}

const Action kActions[] = {
    {"button click", [](TestWindow &w) { QTest::mouseClick(w.get<QPushButton>("Go"), Qt::LeftButton); },
     [](TestForm &f) { return f.counts["Go"] == 1; }},
    {"check box click", [](TestWindow &w) { clickCheckBox(w.get<QCheckBox>("Same")); },
     [](TestForm &f) { return f.counts["Same"] == 1 && f.Same.checked(); }},
    {"scroll arrow",
     [](TestWindow &w) {
         auto *trim = w.get<QScrollBar>("Trim");
         QTest::mouseClick(trim, Qt::LeftButton, {}, QPoint(trim->width() / 2, trim->height() - 3));
     },
     [](TestForm &f) { return f.counts["Trim"] == 1 && f.Trim.value() == 1; }},
    {"list by keyboard after tab",
     [](TestWindow &w) {
         auto *list = w.get<QComboBox>("List");
         list->setFocus(Qt::TabFocusReason);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
     },
     [](TestForm &f) { return f.counts["List"] == 1; }},
    {"typing in another box",
     [](TestWindow &w) {
         auto *notes = w.get<QPlainTextEdit>("Notes");
         QTest::mouseClick(notes->viewport(), Qt::LeftButton);
         QTest::keyClicks(QApplication::focusWidget(), "z");
     },
     [](TestForm &f) { return f.counts["Notes"] == 1; }},
};

class ValidateTest : public ::testing::TestWithParam<Action> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(w.activated);
        QTest::mouseClick(w.get<QLineEdit>("Name"), Qt::LeftButton);
        ASSERT_EQ(w.form.focused(), &w.form.Name);
    }
    TestWindow w;
};

TEST_P(ValidateTest, KeepingTheFocusDropsTheOtherControlsAction)
{
    w.form.keepFocusInName = true;
    GetParam().act(w);
    EXPECT_FALSE(GetParam().happened(w.form));
    EXPECT_EQ(w.form.focused(), &w.form.Name);
    EXPECT_EQ(QApplication::focusWidget(), w.get<QLineEdit>("Name"));
}

TEST_P(ValidateTest, LettingTheFocusGoDeliversTheAction)
{
    GetParam().act(w);
    EXPECT_TRUE(GetParam().happened(w.form));
    EXPECT_NE(w.form.focused(), &w.form.Name);
}

INSTANTIATE_TEST_SUITE_P(Actions, ValidateTest, ::testing::ValuesIn(kActions),
                         [](const ::testing::TestParamInfo<Action> &p) { return testName(p.param.what); });

TEST(ValidateRuns, OnceForAClickThatMovesTheFocus)
{
    TestWindow w;
    ASSERT_TRUE(w.activated);
    int validations = 0;
    w.form.Name.onValidate = [&validations] {
        ++validations;
        return true;
    };
    QTest::mouseClick(w.get<QLineEdit>("Name"), Qt::LeftButton);
    QTest::mouseClick(w.get<QPushButton>("Go"), Qt::LeftButton);
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(w.form.counts["Go"], 0);

    // Tab away: kept in the box as well.
    QTest::keyClick(w.get<QLineEdit>("Name"), Qt::Key_Tab);
    EXPECT_EQ(validations, 2);
    EXPECT_EQ(QApplication::focusWidget(), w.get<QLineEdit>("Name"));
}

TEST(ValidateRuns, WithAMessageBoxThatTheOperatorCloses)
{
    TestWindow w;
    ASSERT_TRUE(w.activated);
    QtMessageBox messages(&w.window);
    int shown = 0;
    w.form.Name.onValidate = [&] {
        // The operator reads the box and presses OK.
        QTimer::singleShot(0, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                ++shown;
                box->accept();
            }
        });
        messages.show("Error address！", "Kavrin", false);
        return true;
    };
    QTest::mouseClick(w.get<QLineEdit>("Name"), Qt::LeftButton);
    QTest::mouseClick(w.get<QPushButton>("Go"), Qt::LeftButton);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(w.form.counts["Go"], 0);
    // The box has the focus of the window, which it gets back when active.
    auto *name = w.get<QLineEdit>("Name");
    EXPECT_EQ(w.window.focusWidget(), name);
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    EXPECT_EQ(QApplication::focusWidget(), name);
}

} // namespace
} // namespace ortavel::test
