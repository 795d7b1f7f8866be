#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Form.h"
#include "controls/MenuItem.h"
#include "controls/ScrollBar.h"
#include "controls/StatusBar.h"
#include "controls/TextBox.h"
#include "controls/Timer.h"
#include "ui/FormView.h"
#include "ui/QtMessageBox.h"
#include "ui/QtSystemTools.h"
#include "ui/QtWindowHost.h"
#include "ui/TimerBinder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ortavel::test {
namespace {

// A small window with one control of every kind, and counters for the handlers the tests watch.
class TestForm : public Form {
public:
    TestForm() : Form("frmTest", "Test window")
    {
        for (Control *control : std::initializer_list<Control *>{&Menu, &Open, &Quit, &NameLabel, &Name, &Notes, &Go,
                                                                 &Same, &ListLabel, &List, &Edit, &Trim, &Status})
            add(*control);
        Notes.setMultiLine(true);
        List.addItem("one", 10);
        List.addItem("two", 20);
        List.addItem("three", 30);
        Edit.setEditable(true);
        Edit.addItem("one", 1);
        Trim.setSteps(1, 5);
        const auto count = [this](const char *name) { return [this, name] { ++counts[name]; }; };
        Go.onClick = count("Go");
        Same.onClick = count("Same");
        List.onClick = count("List");
        Edit.onChange = count("Edit");
        Edit.onClick = count("EditPick");
        Trim.onChange = count("Trim");
        Notes.onChange = count("Notes");
        Name.onValidate = [this] {
            ++counts["Validate"];
            return keepFocusInName;
        };
    }

    MenuItem Menu{"Menu", "&File"};
    MenuItem Open{"Open", "&Open..."};
    MenuItem Quit{"Quit", "E&xit"};
    Label NameLabel{"NameLabel", "Name:"};
    TextBox Name{"Name", "initial"};
    TextBox Notes{"Notes", "first\r\nsecond"};
    Button Go{"Go", "Go"};
    CheckBox Same{"Same", "Same for all"};
    Label ListLabel{"ListLabel", "Choice："};
    ComboBox List{"List", "Pick one"};
    ComboBox Edit{"Edit", "typed"};
    ScrollBar Trim{"Trim", -50, 50};
    StatusBar Status{"Status"};

    std::map<std::string, int> counts;
    bool keepFocusInName = false;
};

// The test form bound to a shown, active window, its widgets in one column; Open and Quit in Menu.
struct BindersTest : ::testing::Test {
    BindersTest()
    {
        auto *layout = new QVBoxLayout(&window);
        auto *menuBar = new QMenuBar(&window);
        layout->setMenuBar(menuBar);
        view = new FormView(form, &window, &window, menuBar, [this](const Control &c) -> Control * {
            return &c == &form.Open || &c == &form.Quit ? &form.Menu : nullptr;
        });
        for (Control *control : form.controls()) {
            if (QWidget *widget = view->widget(control->name()))
                layout->addWidget(widget);
        }
        view->nameBy("Name", form.NameLabel);
        view->nameBy("List", form.ListLabel);
        window.show();
        window.activateWindow();
    }
    void SetUp() override { ASSERT_TRUE(QTest::qWaitForWindowActive(&window)); }

    template <typename W> W *get(const std::string &name) const
    {
        auto *widget = view->widgetAs<W>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TestForm form;
    QWidget window;
    FormView *view = nullptr;
};

// A Qt property of a widget, menu entry or status panel, found by object name, as text.
struct Shown {
    const char *object;
    const char *property;
    const char *value;
};

struct ModelChange {
    const char *what;
    std::function<void(TestForm &)> change;
    std::vector<Shown> shown;
    std::function<void(const BindersTest &)> check = nullptr;
    friend void PrintTo(const ModelChange &row, std::ostream *out) { *out << row.what; }
};

struct ModelChangeTest : BindersTest, ::testing::WithParamInterface<ModelChange> {};

TEST_P(ModelChangeTest, AppearsInTheWidget)
{
    GetParam().change(form);
    for (const Shown &shown : GetParam().shown) {
        const QObject *object = window.findChild<QObject *>(shown.object);
        ASSERT_NE(object, nullptr) << shown.object;
        EXPECT_EQ(object->property(shown.property).toString().toStdString(), shown.value)
            << shown.object << " " << shown.property;
    }
    if (GetParam().check)
        GetParam().check(*this);
}

const ModelChange kModelChanges[] = {
    {"nothing yet",
     [](TestForm &) {},
     {{"List", "currentIndex", "-1"},
      {"List", "placeholderText", "Pick one"},
      {"Trim", "maximum", "50"},
      {"Name", "accessibleName", "Name"},
      {"List", "accessibleName", "Choice"},
      {"Go", "accessibleName", "Go"},
      {"Same", "accessibleName", "Same for all"}},
     [](const BindersTest &t) {
         EXPECT_EQ(t.get<QComboBox>("List")->itemData(1).toInt(), 20);
         EXPECT_EQ(t.get<QLabel>("NameLabel")->buddy(), t.get<QLineEdit>("Name"));
         // The click filter lets the label's other events through: its text is painted.
         const QImage shown = t.get<QLabel>("NameLabel")->grab().toImage();
         int inked = 0;
         for (int x = 0; x < shown.width(); ++x)
             inked += shown.pixel(x, shown.height() / 2) != shown.pixel(0, shown.height() / 2) ? 1 : 0;
         EXPECT_GT(inked, 0);
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
     [](const BindersTest &t) {
         const auto *name = t.get<QLineEdit>("Name");
         EXPECT_EQ(name->text().trimmed(), "ERR 0");
         EXPECT_NE(name->palette().color(QPalette::Text), name->style()->standardPalette().color(QPalette::Text));
     }},
    {"button face behind a box",
     [](TestForm &f) { f.Name.setBackColor(TextBox::BackColor::ButtonFace); },
     {},
     [](const BindersTest &t) {
         const auto *name = t.get<QLineEdit>("Name");
         EXPECT_EQ(name->palette().color(QPalette::Active, QPalette::Base),
                   QApplication::palette(name).color(QPalette::Active, QPalette::Button));
     }},
    {"hidden", [](TestForm &f) { f.Go.setVisible(false); }, {{"Go", "visible", "false"}}},
    {"emptied list shows its prompt",
     [](TestForm &f) {
         f.List.setPrompt("在线变送器地址列表");
         f.List.clear();
     },
     {{"List", "placeholderText", "在线变送器地址列表"}, {"List", "currentText", ""}}},
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
     [](const BindersTest &t) {
         EXPECT_EQ(t.get<QComboBox>("List")->itemData(1, Qt::ToolTipRole).toString(), "/dev/ttyUSB0");
     }},
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

INSTANTIATE_TEST_SUITE_P(Kinds, ModelChangeTest, ::testing::ValuesIn(kModelChanges));

// An action on another control while the focus is in Name, and whether it went through.
struct Action {
    const char *what;
    std::function<void(BindersTest &)> act;
    std::function<bool(TestForm &)> happened;
    friend void PrintTo(const Action &row, std::ostream *out) { *out << row.what; }
};

const Action kActions[] = {
    {"button click", [](BindersTest &t) { QTest::mouseClick(t.get<QPushButton>("Go"), Qt::LeftButton); },
     [](TestForm &f) { return f.counts["Go"] == 1; }},
    {"check box click",
     [](BindersTest &t) {
         // On its box: a check box takes no click on the space its layout gives it.
         auto *same = t.get<QCheckBox>("Same");
         QTest::mouseClick(same, Qt::LeftButton, {}, QPoint(6, same->height() / 2));
     },
     [](TestForm &f) { return f.counts["Same"] == 1 && f.Same.checked(); }},
    {"list by keyboard after tab",
     [](BindersTest &t) {
         t.get<QComboBox>("List")->setFocus(Qt::TabFocusReason);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
     },
     [](TestForm &f) { return f.counts["List"] == 1; }},
    {"typing in another box",
     [](BindersTest &t) {
         QTest::mouseClick(t.get<QPlainTextEdit>("Notes")->viewport(), Qt::LeftButton);
         QTest::keyClicks(QApplication::focusWidget(), "z");
     },
     [](TestForm &f) { return f.counts["Notes"] == 1; }},
};

struct ValidateTest : BindersTest, ::testing::WithParamInterface<Action> {
    void SetUp() override
    {
        BindersTest::SetUp();
        QTest::mouseClick(get<QLineEdit>("Name"), Qt::LeftButton);
        ASSERT_EQ(form.focused(), &form.Name);
    }
};

// Validate runs once for the refused action. Also the check box's only check that a click runs its handler.
TEST_P(ValidateTest, KeepingTheFocusDropsTheActionLettingItGoDeliversIt)
{
    form.keepFocusInName = true;
    GetParam().act(*this);
    EXPECT_FALSE(GetParam().happened(form));
    EXPECT_EQ(form.counts["Validate"], 1);
    EXPECT_EQ(form.focused(), &form.Name);
    EXPECT_EQ(QApplication::focusWidget(), get<QLineEdit>("Name"));
    form.keepFocusInName = false;
    GetParam().act(*this);
    EXPECT_TRUE(GetParam().happened(form));
    EXPECT_NE(form.focused(), &form.Name);
}

INSTANTIATE_TEST_SUITE_P(Actions, ValidateTest, ::testing::ValuesIn(kActions));

TEST_F(BindersTest, ValidateRunsWithAMessageBoxThatTheOperatorCloses)
{
    QtMessageBox messages(&window);
    int shown = 0;
    form.Name.onValidate = [&] {
        QTimer::singleShot(0, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                ++shown;
                box->accept();
            }
        });
        messages.show("Error address！", "Kavrin", false);
        return true;
    };
    auto *name = get<QLineEdit>("Name");
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::mouseClick(get<QPushButton>("Go"), Qt::LeftButton);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(form.counts["Go"], 0);
    // The box has the focus of the window, which it gets back when active.
    EXPECT_EQ(window.focusWidget(), name);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), name);
}

TEST_F(BindersTest, OperatorListChoiceRunsTheHandlerAndModelChoiceIsNotEchoed)
{
    auto *list = get<QComboBox>("List");
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

    // The operator choosing the entry already chosen runs nothing.
    emit list->activated(2);
    EXPECT_EQ(form.counts["List"], 3);
}

// Qt would take an entry's text as a pick on Enter or on leaving; only the list picks.
TEST_F(BindersTest, TypingGoesToTheModelKeystrokeByKeystrokeAndPicksNothing)
{
    auto *edit = get<QComboBox>("Edit");
    QTest::mouseClick(edit->lineEdit(), Qt::LeftButton);
    edit->lineEdit()->selectAll();
    QTest::keyClicks(edit->lineEdit(), "one");
    EXPECT_EQ(form.Edit.text(), "one");
    EXPECT_EQ(form.counts["Edit"], 3);
    EXPECT_EQ(edit->count(), 1);
    QTest::keyClick(edit->lineEdit(), Qt::Key_Return);
    QTest::mouseClick(get<QLineEdit>("Name"), Qt::LeftButton);
    EXPECT_EQ(form.counts["EditPick"], 0);

    auto *notes = get<QPlainTextEdit>("Notes");
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
    auto *name = get<QLineEdit>("Name");
    QTest::mouseClick(name, Qt::LeftButton);
    name->selectAll();
    QTest::keyClicks(name, "ab");
    EXPECT_EQ(form.Name.text(), "AB");
    EXPECT_EQ(name->text(), "AB");
}

TEST_F(BindersTest, ScrollBarMovesGoToTheModel)
{
    auto *trim = get<QScrollBar>("Trim");
    QTest::keyClick(trim, Qt::Key_PageDown);
    EXPECT_EQ(form.Trim.value(), 5);
    EXPECT_EQ(form.counts["Trim"], 1);
}

TEST_F(BindersTest, AHandlerThatMovesTheFocusMovesTheQtFocus)
{
    QTest::mouseClick(get<QLineEdit>("Name"), Qt::LeftButton);
    form.onClick = [this] { form.requestFocus(form.Notes); };
    // A click on the bare window is the form's click.
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(3, window.height() - 3));
    EXPECT_EQ(QApplication::focusWidget(), get<QPlainTextEdit>("Notes"));
    QTest::keyClicks(QApplication::focusWidget(), "z");
    EXPECT_EQ(form.Notes.text(), "zfirst\r\nsecond");
}

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
    QTimer::singleShot(5000, &other, [] { QCoreApplication::exit(1); }); // cancelled when other goes
    EXPECT_EQ(QApplication::exec(), 0) << "the tool went on with the other window open";
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

#ifndef _WIN32 // the program started is a shell script
// A program path as the Windows registry gives it, in quotes, starts the program it names.
TEST(QtSystemToolsTest, StartsAProgramWhosePathComesInQuotes)
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/with space XXXXXX"));
    ASSERT_TRUE(folder.isValid());
    const QString program = folder.filePath(QStringLiteral("info"));
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ntouch \"$0.started\"\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QtSystemTools tools;
    for (const QString &path : {program, QLatin1Char('"') + program + QLatin1Char('"')}) {
        QFile::remove(program + QStringLiteral(".started"));
        EXPECT_TRUE(tools.startProgram(path.toStdString())) << path.toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(program + QStringLiteral(".started")); }, 10000))
            << path.toStdString();
    }
    EXPECT_FALSE(tools.startProgram((program + QStringLiteral(".gone")).toStdString()));
}
#endif

} // namespace
} // namespace ortavel::test
