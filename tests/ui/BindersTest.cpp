#include "TestWindow.h"
#include "ui/QtMessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <functional>
#include <vector>

namespace ortavel::test {
namespace {

class BindersTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(w.activated); }
    TestWindow w;
    TestForm &form = w.form;
};

// A Qt property of a widget, menu entry or status panel (found by object
// name; an empty name is the window), as text.
struct Shown {
    const char *object;
    const char *property;
    const char *value;
};

struct ModelChange {
    const char *what;
    std::function<void(TestForm &)> change;
    std::vector<Shown> shown;
    std::function<void(const TestWindow &)> check = nullptr;
    friend void PrintTo(const ModelChange &row, std::ostream *out) { *out << row.what; }
};

class ModelChangeTest : public BindersTest, public ::testing::WithParamInterface<ModelChange> {};

TEST_P(ModelChangeTest, AppearsInTheWidget)
{
    if (GetParam().change)
        GetParam().change(form);
    for (const Shown &shown : GetParam().shown) {
        const QObject *object = *shown.object == '\0' ? &w.window : w.window.findChild<QObject *>(shown.object);
        ASSERT_NE(object, nullptr) << shown.object;
        EXPECT_EQ(object->property(shown.property).toString().toStdString(), shown.value)
            << shown.object << " " << shown.property;
    }
    if (GetParam().check)
        GetParam().check(w);
}

QComboBox *list(const TestWindow &w)
{
    return w.get<QComboBox>("List");
}

const ModelChange kModelChanges[] = {
    {"nothing yet",
     nullptr,
     {{"List", "currentIndex", "-1"},
      {"List", "placeholderText", "Pick one"},
      {"Trim", "minimum", "-50"},
      {"Trim", "maximum", "50"},
      {"Trim", "pageStep", "5"},
      // Labels name their fields.
      {"Name", "accessibleName", "Name"},
      {"List", "accessibleName", "Choice"},
      {"Go", "accessibleName", "Go"}},
     [](const TestWindow &w) {
         EXPECT_EQ(list(w)->itemData(1).toInt(), 20);
         EXPECT_EQ(w.get<QLabel>("NameLabel")->buddy(), w.get<QLineEdit>("Name"));
     }},
    {"button caption", [](TestForm &f) { f.Go.setCaption("Stop"); }, {{"Go", "text", "Stop"}}},
    {"label caption",
     [](TestForm &f) { f.NameLabel.setCaption("名称:"); },
     {{"NameLabel", "text", "名称:"}, {"Name", "accessibleName", "名称"}}},
    {"multi-line text", [](TestForm &f) { f.Notes.setText("a\r\nb\r\nc"); }, {{"Notes", "plainText", "a\nb\nc"}}},
    {"failed answer stands out",
     [](TestForm &f) {
         f.Name.setText("+012.5");
         f.Name.showFailure("ERR 0\r");
     },
     {},
     [](const TestWindow &w) {
         const auto *name = w.get<QLineEdit>("Name");
         EXPECT_EQ(name->text().trimmed(), "ERR 0");
         EXPECT_NE(name->palette().color(QPalette::Text), name->style()->standardPalette().color(QPalette::Text));
     }},
    {"hidden", [](TestForm &f) { f.Go.setVisible(false); }, {{"Go", "visible", "false"}}},
    {"read-only", [](TestForm &f) { f.Name.setReadOnly(true); }, {{"Name", "readOnly", "true"}}},
    {"tool tip", [](TestForm &f) { f.Name.setToolTip("当前温度值"); }, {{"Name", "toolTip", "当前温度值"}}},
    {"check mark", [](TestForm &f) { f.Same.setChecked(true); }, {{"Same", "checked", "true"}}},
    {"list entry renamed",
     [](TestForm &f) {
         f.List.setSelectedIndex(1);
         f.List.setItemText(1, "deux");
     },
     {{"List", "currentText", "deux"}}},
    {"list entry tool tip",
     [](TestForm &f) { f.List.setItemToolTip(1, "/dev/ttyUSB0"); },
     {},
     [](const TestWindow &w) { EXPECT_EQ(list(w)->itemData(1, Qt::ToolTipRole).toString(), "/dev/ttyUSB0"); }},
    {"list cleared",
     [](TestForm &f) {
         f.List.setSelectedIndex(0);
         f.List.clear();
     },
     {{"List", "count", "0"}, {"List", "currentIndex", "-1"}}},
    {"editable list text",
     [](TestForm &f) { f.Edit.setText("在线变送器地址列表"); },
     {{"Edit", "currentText", "在线变送器地址列表"}}},
    {"scroll position", [](TestForm &f) { f.Trim.setValue(-37); }, {{"Trim", "value", "-37"}}},
    {"status panels",
     [](TestForm &f) {
         f.Status.setPanel(1, "Searchering Addr：07");
         f.Status.setPanel(4, "Band:9600");
     },
     {{"Status_Panel1", "text", "Searchering Addr：07"},
      {"Status_Panel2", "text", ""},
      {"Status_Panel4", "text", "Band:9600"},
      {"Status_Panel1", "accessibleName", "Searchering Addr：07"}}},
    {"menu entry",
     [](TestForm &f) {
         f.Open.setCaption("&Load...");
         f.Quit.setVisible(false);
         f.Open.setEnabled(false);
     },
     {{"Open", "text", "&Load..."}, {"Open", "enabled", "false"}, {"Quit", "visible", "false"}}},
};

INSTANTIATE_TEST_SUITE_P(Kinds, ModelChangeTest, ::testing::ValuesIn(kModelChanges), NamedByWhat());

// An operator action on another control while the focus is in Name, and
// the handler count and state that tell whether it went through.
struct Action {
    const char *what;
    std::function<void(TestWindow &)> act;
    std::function<bool(TestForm &)> happened;
    friend void PrintTo(const Action &row, std::ostream *out) { *out << row.what; }
};

const Action kActions[] = {
    {"button click", [](TestWindow &w) { QTest::mouseClick(w.get<QPushButton>("Go"), Qt::LeftButton); },
     [](TestForm &f) { return f.counts["Go"] == 1; }},
    {"check box click",
     [](TestWindow &w) {
         // On its box: a check box takes no click on the space its layout gives it.
         auto *same = w.get<QCheckBox>("Same");
         QTest::mouseClick(same, Qt::LeftButton, {}, QPoint(6, same->height() / 2));
     },
     [](TestForm &f) { return f.counts["Same"] == 1 && f.Same.checked(); }},
    {"list by keyboard after tab",
     [](TestWindow &w) {
         list(w)->setFocus(Qt::TabFocusReason);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
     },
     [](TestForm &f) { return f.counts["List"] == 1; }},
    {"typing in another box",
     [](TestWindow &w) {
         QTest::mouseClick(w.get<QPlainTextEdit>("Notes")->viewport(), Qt::LeftButton);
         QTest::keyClicks(QApplication::focusWidget(), "z");
     },
     [](TestForm &f) { return f.counts["Notes"] == 1; }},
};

class ValidateTest : public BindersTest, public ::testing::WithParamInterface<Action> {
protected:
    void SetUp() override
    {
        BindersTest::SetUp();
        QTest::mouseClick(w.get<QLineEdit>("Name"), Qt::LeftButton);
        ASSERT_EQ(form.focused(), &form.Name);
    }
};

// Also the check box's only check that a click runs its handler.
TEST_P(ValidateTest, KeepingTheFocusDropsTheActionLettingItGoDeliversIt)
{
    form.keepFocusInName = true;
    GetParam().act(w);
    EXPECT_FALSE(GetParam().happened(form));
    EXPECT_EQ(form.focused(), &form.Name);
    EXPECT_EQ(QApplication::focusWidget(), w.get<QLineEdit>("Name"));
    form.keepFocusInName = false;
    GetParam().act(w);
    EXPECT_TRUE(GetParam().happened(form));
    EXPECT_NE(form.focused(), &form.Name);
}

INSTANTIATE_TEST_SUITE_P(Actions, ValidateTest, ::testing::ValuesIn(kActions), NamedByWhat());

TEST_F(BindersTest, ValidateRunsOnceForAClickThatMovesTheFocus)
{
    int validations = 0;
    form.Name.onValidate = [&validations] {
        ++validations;
        return true;
    };
    QTest::mouseClick(w.get<QLineEdit>("Name"), Qt::LeftButton);
    QTest::mouseClick(w.get<QPushButton>("Go"), Qt::LeftButton);
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(form.counts["Go"], 0);
}

TEST_F(BindersTest, ValidateRunsWithAMessageBoxThatTheOperatorCloses)
{
    QtMessageBox messages(&w.window);
    int shown = 0;
    form.Name.onValidate = [&] {
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
    auto *name = w.get<QLineEdit>("Name");
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::mouseClick(w.get<QPushButton>("Go"), Qt::LeftButton);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(form.counts["Go"], 0);
    // The box has the focus of the window, which it gets back when active.
    EXPECT_EQ(w.window.focusWidget(), name);
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    EXPECT_EQ(QApplication::focusWidget(), name);
}

TEST_F(BindersTest, OperatorListChoiceAlwaysRunsTheHandlerAndModelChoiceIsNotEchoed)
{
    auto *list = w.get<QComboBox>("List");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
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
    QTest::keyClick(trim, Qt::Key_PageDown);
    EXPECT_EQ(form.Trim.value(), 5);
    EXPECT_EQ(form.counts["Trim"], 1);

    form.Trim.setValue(50);
    EXPECT_EQ(form.counts["Trim"], 2);
    QTest::keyClick(trim, Qt::Key_Down);
    EXPECT_EQ(form.Trim.value(), 50) << "the top of the range holds";
    EXPECT_EQ(form.counts["Trim"], 2);
}

TEST_F(BindersTest, AClickOnTheBareWindowIsTheFormsClick)
{
    int clicks = 0;
    form.onClick = [&clicks] { ++clicks; };
    const QPoint corner(3, w.window.height() - 3);
    ASSERT_EQ(w.window.childAt(corner), nullptr);
    QTest::mouseClick(&w.window, Qt::LeftButton, {}, corner);
    EXPECT_EQ(clicks, 1);

    // Not through a disabled control, which runs nothing.
    form.Go.setEnabled(false);
    QTest::mouseClick(w.get<QPushButton>("Go"), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.counts["Go"], 0);
}

TEST_F(BindersTest, AHandlerThatMovesTheFocusMovesTheQtFocus)
{
    QTest::mouseClick(w.get<QLineEdit>("Name"), Qt::LeftButton);
    form.onClick = [this] { form.requestFocus(form.Notes); };
    QTest::mouseClick(&w.window, Qt::LeftButton, {}, QPoint(3, w.window.height() - 3));
    EXPECT_EQ(QApplication::focusWidget(), w.get<QPlainTextEdit>("Notes"));
    QTest::keyClicks(QApplication::focusWidget(), "z");
    EXPECT_EQ(form.Notes.text(), "zfirst\r\nsecond");
}

} // namespace
} // namespace ortavel::test
