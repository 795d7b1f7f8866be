#include "TestWindow.h"
#include "ui/StatusBarBinder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <functional>

namespace ortavel::test {
namespace {

class BindersTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(w.activated); }
    TestWindow w;
    TestForm &form = w.form;
};

TEST_F(BindersTest, ClickOnButtonRunsItsHandlerOnlyWhileEnabled)
{
    auto *go = w.get<QPushButton>("Go");
    QTest::mouseClick(go, Qt::LeftButton);
    EXPECT_EQ(form.counts["Go"], 1);

    form.Go.setEnabled(false);
    EXPECT_FALSE(go->isEnabled());
    QTest::mouseClick(go, Qt::LeftButton);
    EXPECT_EQ(form.counts["Go"], 1);
}

TEST_F(BindersTest, InitialStateOfTheModelIsShown)
{
    EXPECT_EQ(w.window.windowTitle(), "Test window");
    EXPECT_EQ(w.get<QGroupBox>("Group")->title(), "Settings");
    EXPECT_EQ(w.get<QLineEdit>("Name")->text(), "initial");
    EXPECT_EQ(w.get<QPlainTextEdit>("Notes")->toPlainText(), "first\nsecond");
    EXPECT_EQ(w.get<QComboBox>("List")->count(), 3);
    EXPECT_EQ(w.get<QComboBox>("List")->currentIndex(), -1);
    EXPECT_EQ(w.get<QComboBox>("List")->placeholderText(), "Pick one");
    EXPECT_EQ(w.get<QComboBox>("List")->itemData(1).toInt(), 20);
    EXPECT_EQ(w.get<QComboBox>("Edit")->currentText(), "typed");
    EXPECT_EQ(w.get<QScrollBar>("Trim")->minimum(), -50);
    EXPECT_EQ(w.get<QScrollBar>("Trim")->maximum(), 50);
    EXPECT_EQ(w.get<QScrollBar>("Trim")->pageStep(), 5);
}

struct ModelChange {
    const char *what;
    std::function<void(TestForm &)> change;
    std::function<void(const TestWindow &)> check;
};

void PrintTo(const ModelChange &change, std::ostream *out)
{
    *out << change.what;
}

class ModelChangeTest : public BindersTest, public ::testing::WithParamInterface<ModelChange> {};

TEST_P(ModelChangeTest, AppearsInTheWidget)
{
    GetParam().change(form);
    GetParam().check(w);
}

QLabel *panel(const TestWindow &w, int number)
{
    return w.view->widget("Status")->findChild<QLabel *>(QStringLiteral("Status_Panel%1").arg(number));
}

const ModelChange kModelChanges[] = {
    {"button caption", [](TestForm &f) { f.Go.setCaption("Stop"); },
     [](const TestWindow &w) { EXPECT_EQ(w.get<QPushButton>("Go")->text(), "Stop"); }},
    {"label caption", [](TestForm &f) { f.NameLabel.setCaption("名称:"); },
     [](const TestWindow &w) {
         EXPECT_EQ(w.get<QLabel>("NameLabel")->text(), "名称:");
         EXPECT_EQ(w.get<QLineEdit>("Name")->accessibleName(), "名称");
     }},
    {"frame caption", [](TestForm &f) { f.Group.setCaption("Other"); },
     [](const TestWindow &w) { EXPECT_EQ(w.get<QGroupBox>("Group")->title(), "Other"); }},
    {"window caption", [](TestForm &f) { f.setCaption("Renamed"); },
     [](const TestWindow &w) { EXPECT_EQ(w.window.windowTitle(), "Renamed"); }},
    {"text", [](TestForm &f) { f.Name.setText("1.250"); },
     [](const TestWindow &w) { EXPECT_EQ(w.get<QLineEdit>("Name")->text(), "1.250"); }},
    {"multi-line text", [](TestForm &f) { f.Notes.setText("a\r\nb\r\nc"); },
     [](const TestWindow &w) { EXPECT_EQ(w.get<QPlainTextEdit>("Notes")->toPlainText(), "a\nb\nc"); }},
    {"failed answer stands out",
     [](TestForm &f) {
         f.Name.setText("+012.5");
         f.Name.showFailure("ERR 0\r");
     },
     [](const TestWindow &w) {
         const auto *name = w.get<QLineEdit>("Name");
         EXPECT_EQ(name->text().trimmed(), "ERR 0");
         EXPECT_NE(name->palette().color(QPalette::Text),
                   w.get<QLineEdit>("Name")->style()->standardPalette().color(QPalette::Text));
     }},
    {"hidden", [](TestForm &f) { f.Go.setVisible(false); },
     [](const TestWindow &w) { EXPECT_FALSE(w.get<QPushButton>("Go")->isVisible()); }},
    {"hidden and shown again",
     [](TestForm &f) {
         f.Same.setVisible(false);
         f.Same.setVisible(true);
     },
     [](const TestWindow &w) { EXPECT_TRUE(w.get<QCheckBox>("Same")->isVisible()); }},
    {"disabled", [](TestForm &f) { f.List.setEnabled(false); },
     [](const TestWindow &w) { EXPECT_FALSE(w.get<QComboBox>("List")->isEnabled()); }},
    {"read-only", [](TestForm &f) { f.Name.setReadOnly(true); },
     [](const TestWindow &w) { EXPECT_TRUE(w.get<QLineEdit>("Name")->isReadOnly()); }},
    {"tool tip", [](TestForm &f) { f.Name.setToolTip("当前温度值"); },
     [](const TestWindow &w) { EXPECT_EQ(w.get<QLineEdit>("Name")->toolTip(), "当前温度值"); }},
    {"check mark", [](TestForm &f) { f.Same.setChecked(true); },
     [](const TestWindow &w) { EXPECT_TRUE(w.get<QCheckBox>("Same")->isChecked()); }},
    {"list entry added", [](TestForm &f) { f.List.addItem("07", 2); },
     [](const TestWindow &w) {
         ASSERT_EQ(w.get<QComboBox>("List")->count(), 4);
         EXPECT_EQ(w.get<QComboBox>("List")->itemText(3), "07");
         EXPECT_EQ(w.get<QComboBox>("List")->itemData(3).toInt(), 2);
     }},
    {"list entry renamed",
     [](TestForm &f) {
         f.List.setSelectedIndex(1);
         f.List.setItemText(1, "deux");
     },
     [](const TestWindow &w) { EXPECT_EQ(w.get<QComboBox>("List")->currentText(), "deux"); }},
    {"list entry tool tip", [](TestForm &f) { f.List.setItemToolTip(1, "/dev/ttyUSB0"); },
     [](const TestWindow &w) {
         EXPECT_EQ(w.get<QComboBox>("List")->itemData(1, Qt::ToolTipRole).toString(), "/dev/ttyUSB0");
     }},
    {"list selection", [](TestForm &f) { f.List.setSelectedIndex(2); },
     [](const TestWindow &w) { EXPECT_EQ(w.get<QComboBox>("List")->currentText(), "three"); }},
    {"list cleared",
     [](TestForm &f) {
         f.List.setSelectedIndex(0);
         f.List.clear();
     },
     [](const TestWindow &w) {
         EXPECT_EQ(w.get<QComboBox>("List")->count(), 0);
         EXPECT_EQ(w.get<QComboBox>("List")->currentIndex(), -1);
     }},
    {"editable list text", [](TestForm &f) { f.Edit.setText("在线变送器地址列表"); },
     [](const TestWindow &w) { EXPECT_EQ(w.get<QComboBox>("Edit")->currentText(), "在线变送器地址列表"); }},
    {"scroll position", [](TestForm &f) { f.Trim.setValue(-37); },
     [](const TestWindow &w) { EXPECT_EQ(w.get<QScrollBar>("Trim")->value(), -37); }},
    {"scroll steps", [](TestForm &f) { f.Trim.setSteps(2, 7); },
     [](const TestWindow &w) {
         EXPECT_EQ(w.get<QScrollBar>("Trim")->singleStep(), 2);
         EXPECT_EQ(w.get<QScrollBar>("Trim")->pageStep(), 7);
     }},
    {"status panels",
     [](TestForm &f) {
         f.Status.setPanel(1, "Searchering Addr：07");
         f.Status.setPanel(4, "Band:9600");
     },
     [](const TestWindow &w) {
         EXPECT_EQ(panel(w, 1)->text(), "Searchering Addr：07");
         EXPECT_EQ(panel(w, 2)->text(), "");
         EXPECT_EQ(panel(w, 4)->text(), "Band:9600");
         EXPECT_EQ(panel(w, 1)->accessibleName(), "Searchering Addr：07");
     }},
    {"menu entry",
     [](TestForm &f) {
         f.Open.setCaption("&Load...");
         f.Quit.setVisible(false);
         f.Open.setEnabled(false);
     },
     [](const TestWindow &w) {
         EXPECT_EQ(w.view->action("Open")->text(), "&Load...");
         EXPECT_FALSE(w.view->action("Open")->isEnabled());
         EXPECT_FALSE(w.view->action("Quit")->isVisible());
     }},
};

INSTANTIATE_TEST_SUITE_P(Kinds, ModelChangeTest, ::testing::ValuesIn(kModelChanges),
                         [](const ::testing::TestParamInfo<ModelChange> &p) { return testName(p.param.what); });

TEST_F(BindersTest, OperatorListChoiceAlwaysRunsTheHandlerAndModelChoiceIsNotEchoed)
{
    auto *list = w.get<QComboBox>("List");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(form.List.selectedIndex(), 0);
    EXPECT_EQ(form.counts["List"], 1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(form.List.selectedIndex(), 1);
    EXPECT_EQ(form.List.text(), "two");
    EXPECT_EQ(form.counts["List"], 2);

    // The model's own change runs its handler once; the widget adds none.
    form.List.setSelectedIndex(2);
    QApplication::processEvents();
    EXPECT_EQ(form.counts["List"], 3);
    EXPECT_EQ(list->currentIndex(), 2);

    // The operator choosing the entry already chosen runs it again.
    list->setCurrentIndex(2);
    emit list->activated(2);
    EXPECT_EQ(form.counts["List"], 4);
}

TEST_F(BindersTest, TypingGoesToTheModelKeystrokeByKeystroke)
{
    auto *name = w.get<QLineEdit>("Name");
    QTest::mouseClick(name, Qt::LeftButton);
    name->selectAll();
    QTest::keyClicks(name, "ab");
    EXPECT_EQ(form.Name.text(), "ab");
    EXPECT_EQ(form.counts["Name"], 2);

    auto *edit = w.get<QComboBox>("Edit");
    QTest::mouseClick(edit->lineEdit(), Qt::LeftButton);
    edit->lineEdit()->selectAll();
    QTest::keyClicks(edit->lineEdit(), "12");
    EXPECT_EQ(form.Edit.text(), "12");
    EXPECT_EQ(form.counts["Edit"], 2);
    EXPECT_EQ(edit->count(), 0);

    auto *notes = w.get<QPlainTextEdit>("Notes");
    QTest::mouseClick(notes->viewport(), Qt::LeftButton);
    notes->selectAll();
    QTest::keyClicks(notes, "x");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, "y");
    EXPECT_EQ(form.Notes.text(), "x\r\ny");
}

TEST_F(BindersTest, AHandlerThatRewritesTheTypedTextIsShown)
{
    form.Name.onChange = [this] {
        std::string upper = form.Name.text();
        for (char &c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        form.Name.setText(upper);
    };
    auto *name = w.get<QLineEdit>("Name");
    QTest::mouseClick(name, Qt::LeftButton);
    name->selectAll();
    QTest::keyClicks(name, "ab");
    EXPECT_EQ(form.Name.text(), "AB");
    EXPECT_EQ(name->text(), "AB");
}

TEST_F(BindersTest, ScrollBarMovesGoToTheModel)
{
    auto *trim = w.get<QScrollBar>("Trim");
    QTest::mouseClick(trim, Qt::LeftButton, {}, QPoint(trim->width() / 2, trim->height() - 3));
    EXPECT_EQ(form.Trim.value(), 1) << "the lower arrow raises the position";
    EXPECT_EQ(form.counts["Trim"], 1);
    QTest::keyClick(trim, Qt::Key_PageDown);
    EXPECT_EQ(form.Trim.value(), 6);
    EXPECT_EQ(form.counts["Trim"], 2);

    form.Trim.setValue(50);
    EXPECT_EQ(form.counts["Trim"], 3);
    QTest::keyClick(trim, Qt::Key_Down);
    EXPECT_EQ(form.Trim.value(), 50) << "the top of the range holds";
    EXPECT_EQ(form.counts["Trim"], 3);
}

TEST_F(BindersTest, CheckBoxClickGoesToTheModel)
{
    clickCheckBox(w.get<QCheckBox>("Same"));
    EXPECT_TRUE(form.Same.checked());
    EXPECT_EQ(form.counts["Same"], 1);
}

TEST_F(BindersTest, LabelsNameTheirFields)
{
    EXPECT_EQ(w.get<QLineEdit>("Name")->accessibleName(), "Name");
    EXPECT_EQ(w.get<QComboBox>("List")->accessibleName(), "Choice");
    EXPECT_EQ(w.get<QPushButton>("Go")->accessibleName(), "Go");
    EXPECT_EQ(w.get<QGroupBox>("Group")->accessibleName(), "Settings");
    EXPECT_EQ(w.get<QLabel>("NameLabel")->buddy(), w.get<QLineEdit>("Name"));
}

TEST_F(BindersTest, MenuEntriesRunTheirHandlersAndKeepTheirAccessKeys)
{
    QAction *menu = w.view->action("Menu");
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(menu->menu(), nullptr);
    EXPECT_EQ(menu->text(), "&File");
    const QList<QAction *> items = menu->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0], w.view->action("Open"));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "E&xit");
    items[2]->trigger();
    EXPECT_EQ(form.counts["Quit"], 1);
}

TEST_F(BindersTest, AClickOnTheBareWindowIsTheFormsClick)
{
    int clicks = 0;
    form.onClick = [&clicks] { ++clicks; };
    const QPoint corner(3, w.window.height() - 3);
    ASSERT_EQ(w.window.childAt(corner), nullptr);
    QTest::mouseClick(&w.window, Qt::LeftButton, {}, corner);
    EXPECT_EQ(clicks, 1);

    // Not on a frame, nor through a disabled control.
    auto *group = w.get<QGroupBox>("Group");
    QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(group->width() - 3, group->height() - 3));
    form.Go.setEnabled(false);
    QTest::mouseClick(w.get<QPushButton>("Go"), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(BindersTest, AHandlerThatMovesTheFocusMovesTheQtFocus)
{
    QTest::mouseClick(w.get<QLineEdit>("Name"), Qt::LeftButton);
    form.onClick = [this] { form.requestFocus(form.Notes); };
    QTest::mouseClick(&w.window, Qt::LeftButton, {}, QPoint(3, w.window.height() - 3));
    EXPECT_EQ(QApplication::focusWidget(), w.get<QPlainTextEdit>("Notes"));
    QTest::keyClicks(QApplication::focusWidget(), "z");
    EXPECT_EQ(form.Notes.text(), "zfirst\r\nsecond");
    EXPECT_EQ(form.Name.text(), "initial");
}

TEST_F(BindersTest, CloseAsksTheFormWhichMayRefuse)
{
    form.mayClose = false;
    EXPECT_FALSE(w.window.close());
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_EQ(form.counts["QueryUnload"], 1);
    form.mayClose = true;
    EXPECT_TRUE(w.window.close());
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_EQ(form.counts["QueryUnload"], 2);
}

} // namespace
} // namespace ortavel::test
