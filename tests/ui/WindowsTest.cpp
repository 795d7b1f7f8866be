#include "adapters/SerialPortQt.h"
#include "adapters/SettingsStoreQt.h"
#include "calib/frmYHJZ.h"
#include "config/ConfigurationMenu.h"
#include "config/FrmApply.h"
#include "config/FrmCompare.h"
#include "controls/MenuItem.h"
#include "controls/Timer.h"
#include "link/Numbers.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "mainwin/AccessLevels.h"
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"
#include "support/MemoryHistory.h"
#include "support/MemorySettingsStore.h"
#include "text/OperatorText.h"
#include "traffic/FrmTraffic.h"
#include "trend/FrmTrend.h"
#include "ui/AboutBox.h"
#include "ui/CalibrationWindow.h"
#include "ui/ConfigurationWindows.h"
#include "ui/FormView.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtSystemTools.h"
#include "ui/QtText.h"
#include "ui/QtWindowHost.h"
#include "ui/ToolWindows.h"
#include "ui/TrafficWindow.h"
#include "ui/TrendWindow.h"
#include "ui/VerificationWindow.h"
#include "ui/WindowLanguage.h"
#include "verify/FrmVerify.h"

#include <QAction>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>

namespace ortavel::test {
namespace {

// The main window with the real event pump and window host over Platform's port, clock and settings.
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

    FakeMessageBox messages;
    QtEventPump events;
    QtWindowHost windows;
    MemoryHistory history;
    Ortavel model{this->port, this->clock, this->settings, messages, events, windows, history.recorder};
    MainWindow window{model};
};

struct FakePlatform {
    FakeClock clock;
    FakeSerialPort port{clock};
    MemorySettingsStore settings;
};

class MainWindowTest : public MainWindowFixture<FakePlatform> {
protected:
    QRect place(const Control &control) const
    {
        QWidget *widget = window.view().widget(control.name());
        return {widget->mapTo(&window, QPoint(0, 0)), widget->size()};
    }
    QString frameOf(const QWidget *widget) const
    {
        for (const QWidget *up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
            if (const auto *box = qobject_cast<const QGroupBox *>(up))
                return box->objectName();
        }
        return {};
    }
};

// The caption or text a control shows, read from its Qt object.
QString shownText(const QObject *object)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(object))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(object))
        return label->text();
    if (const auto *box = qobject_cast<const QGroupBox *>(object))
        return box->title();
    if (const auto *edit = qobject_cast<const QLineEdit *>(object))
        return edit->text();
    if (const auto *action = qobject_cast<const QAction *>(object))
        return action->isSeparator() ? QStringLiteral("-") : action->text();
    return {};
}

TEST_F(MainWindowTest, EveryControlIsFoundByItsNameShowingItsCaptionInItsFrame)
{
    EXPECT_EQ(window.windowTitle(), toQt(model.caption()));
    EXPECT_EQ(window.statusBar(), window.view().widget(model.StatusBar1.name()));
    for (const Control *control : model.controls()) {
        const QString name = toQt(control->name());
        const auto found = window.findChildren<QObject *>(name);
        ASSERT_EQ(found.size(), 1) << control->name();
        const QObject *object = found.front();
        if (const auto *label = dynamic_cast<const Label *>(control)) {
            EXPECT_EQ(shownText(object), toQt(label->caption())) << control->name();
        } else if (const auto *box = dynamic_cast<const TextBox *>(control)) {
            EXPECT_EQ(shownText(object), toQt(box->text())) << control->name();
        } else if (const auto *list = dynamic_cast<const ComboBox *>(control)) {
            EXPECT_EQ(qobject_cast<const QComboBox *>(object)->count(), list->count()) << control->name();
        } else if (dynamic_cast<const Timer *>(control) != nullptr) {
            EXPECT_NE(qobject_cast<const QTimer *>(object), nullptr);
        }
        if (const auto *widget = qobject_cast<const QWidget *>(object)) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << control->name();
            EXPECT_EQ(widget->isVisibleTo(&window), control->visible()) << control->name();
            EXPECT_EQ(widget->isEnabled(), control->enabled()) << control->name();
            if (dynamic_cast<const StatusBar *>(control) == nullptr) {
                EXPECT_EQ(frameOf(widget), toQt(model.parentName(*control))) << control->name();
            }
        }
    }
}

TEST_F(MainWindowTest, FieldsAreNamedByTheirLabels)
{
    // A trim bar shares its box's label.
    const std::pair<const Control *, const char *> names[] = {
        {&model.CMB_ADDR, "Addr"},
        {&model.VScroll2, "20mA Cal"},
    };
    for (const auto &[control, spoken] : names)
        EXPECT_EQ(window.view().widget(control->name())->accessibleName(), QString::fromUtf8(spoken))
            << control->name();
}

TEST_F(MainWindowTest, MenusHoldTheirEntries)
{
    const QStringList expected[] = {
        {"Option(&O)", "UserCal (&C)", "-", "About...(&A)", "-", "Exit(&X)"},
        {"View(&V)", "Traffic(&T)", "Trend(&R)", "Quick Search(&Q)", "Quick Search Wait...(&W)", "Verification(&E)..."
#if ORTAVEL_HISTORY
         ,
         "History(&H)..."
#endif
         ,
         "Language(&L)"},
        {"Configuration(&G)", "Save Configuration...", "Compare with File...", "Apply File to Transmitters..."}};
    const QList<QAction *> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QStringList shown{menus[i]->text()};
        for (const QAction *item : menus[i]->menu()->actions())
            shown << shownText(item);
        EXPECT_EQ(shown, expected[i]);
    }
}

TEST_F(MainWindowTest, FramesAndButtonsAreLaidOutInTheirRows)
{
    const QRect info = place(model.frame_INFO);
    const QRect basic = place(model.frame_ADBD);
    const QRect measuring = place(model.frame_CVALUE);
    const QRect display = place(model.frame_DISP);
    const QRect output = place(model.frame_IOUT);
    const QRect command = place(model.Frame_Command);
    // Top row, then three rows of a left and a right column.
    EXPECT_LT(info.bottom(), basic.top());
    EXPECT_EQ(basic.top(), measuring.top());
    EXPECT_LT(basic.right(), measuring.left());
    EXPECT_LT(basic.bottom(), display.top());
    EXPECT_LT(display.bottom(), output.top());
    EXPECT_EQ(output.top(), command.top());
    EXPECT_LT(output.right(), command.left());
    EXPECT_EQ(display.left(), output.left());

    const QRect search = place(model.cmdSEARCH);
    const QRect refresh = place(model.cmdReFresh);
    const QRect quit = place(model.COM_QUIT);
    EXPECT_GT(search.left(), info.right());
    EXPECT_LT(search.bottom(), refresh.top());
    EXPECT_LT(refresh.bottom(), quit.top());
    // The password box lies on the Reflash button, across its middle.
    const QRect pass = place(model.txtPass);
    EXPECT_TRUE(refresh.contains(pass));
    EXPECT_NEAR(pass.center().x(), refresh.center().x(), 2);
    EXPECT_EQ(window.childAt(pass.center()), window.view().widget("txtPass"));

    const QRect save = place(model.CMD_USER);
    EXPECT_GT(save.left(), display.right());
    EXPECT_GT(save.top(), measuring.bottom());
    EXPECT_LT(save.bottom(), command.top());

    // A wider window widens both columns alike.
    window.resize(window.width() + 300, window.height());
    QApplication::processEvents();
    EXPECT_NEAR(place(model.frame_ADBD).width() - basic.width(), 150, 10);
    EXPECT_NEAR(place(model.frame_CVALUE).width() - measuring.width(), 150, 10);
}

TEST_F(MainWindowTest, TrimScrollBarsStandBesideTheirBoxesAsTallAsThey)
{
    for (const auto &[box, bar] : {std::pair{&model.TXT_DAZF, &model.VScroll1}, {&model.TXT_DAFF, &model.VScroll2}}) {
        const QRect boxPlace = place(*box);
        const QRect barPlace = place(*bar);
        EXPECT_GT(barPlace.left(), boxPlace.right());
        EXPECT_LT(barPlace.left() - boxPlace.right(), 20);
        EXPECT_NEAR(barPlace.height(), boxPlace.height(), boxPlace.height() / 4.0);
        EXPECT_NEAR(barPlace.center().y(), boxPlace.center().y(), 4);
    }
    EXPECT_LT(place(model.TXT_DAZF).top(), place(model.TXT_DAFF).top()) << "4 mA row above 20 mA row";
}

TEST_F(MainWindowTest, MeasuringValuesAreRightAlignedPressureAndTemperatureLarge)
{
    const QFont normal = get<QLineEdit>(model.TXT_TYPE)->font();
    for (const TextBox *box : {&model.TXT_PRESSURE, &model.TXT_TEMPERATURE}) {
        auto *edit = get<QLineEdit>(*box);
        EXPECT_GE(edit->font().pointSizeF(), normal.pointSizeF() * 1.5) << box->name();
        EXPECT_TRUE(edit->alignment() & Qt::AlignRight) << box->name();
        EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(edit->text())) << "initial text fits";
    }
    for (const TextBox *box : {&model.txtMAX, &model.txtMIN})
        EXPECT_TRUE(get<QLineEdit>(*box)->alignment() & Qt::AlignRight) << box->name();
}

TEST_F(MainWindowTest, AClickBetweenTheFramesIsTheWindowsClick)
{
    int clicks = 0;
    model.onClick = [&clicks] { ++clicks; };
    QWidget *background = window.centralWidget();
    // An empty spot: right of the save buttons, below the last of them.
    const QRect save = place(model.CMD_LD);
    const QPoint spot = background->mapFrom(&window, QPoint(save.center().x(), save.bottom() + 6));
    ASSERT_EQ(background->childAt(spot), nullptr);
    QTest::mouseClick(background, Qt::LeftButton, {}, spot);
    EXPECT_EQ(clicks, 1);
    auto *frame = window.view().widget(model.frame_DISP.name());
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(frame->width() - 4, frame->height() - 4));
    // Nor through a disabled button, whose clicks Qt hands to the window.
    ASSERT_FALSE(get<QPushButton>(model.CMD_FACT)->isEnabled());
    QTest::mouseClick(get<QPushButton>(model.CMD_FACT), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

// Whether layout holds widget, itself or in a layout inside it.
bool holds(const QLayout *layout, const QWidget *widget)
{
    for (int i = 0; layout != nullptr && i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == widget || holds(item->layout(), widget))
            return true;
    }
    return false;
}

FormView &viewOf(const QWidget &window)
{
    for (QObject *child : window.children()) {
        if (auto *view = dynamic_cast<FormView *>(child))
            return *view;
    }
    throw std::logic_error("a window without its form's view");
}

FormView::ParentOf parentsOf(Form &form)
{
    if (auto *main = dynamic_cast<Ortavel *>(&form))
        return [main](const Control &c) { return main->parentOf(c); };
    if (auto *calibration = dynamic_cast<frmYHJZ *>(&form))
        return [calibration](const Control &c) { return calibration->parentOf(c); };
    return [](const Control &) { return nullptr; };
}

// Every control of the window's form has a widget in its container's layout, shown as the form says, with a size,
// inside its frame, overlapping no other control but where a box lies on a button by design.
void expectLaidOut(QWidget &window, const std::set<std::pair<std::string, std::string>> &stacked)
{
    const FormView &view = viewOf(window);
    const auto parentOf = parentsOf(view.form());
    const auto place = [&window](const QWidget *w) { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); };
    std::vector<std::pair<const Control *, const QWidget *>> shown;
    for (const Control *control : view.form().controls()) {
        if (dynamic_cast<const MenuItem *>(control) != nullptr || dynamic_cast<const Timer *>(control) != nullptr)
            continue;
        SCOPED_TRACE(window.objectName().toStdString() + " " + control->name());
        const QWidget *widget = view.widget(control->name());
        if (widget == nullptr) // the pictures a view draws itself
            widget = window.findChild<QWidget *>(toQt(control->name()));
        ASSERT_NE(widget, nullptr);
        ASSERT_EQ(widget->isVisibleTo(&window), control->visible());
        if (!control->visible())
            continue;
        EXPECT_TRUE(holds(widget->parentWidget()->layout(), widget));
        const QRect rect = place(widget);
        EXPECT_FALSE(rect.isEmpty());
        const Control *frame = parentOf(*control);
        EXPECT_TRUE((frame != nullptr ? place(view.widget(frame->name())) : window.rect()).contains(rect));
        for (const auto &[other, otherWidget] : shown) {
            if (otherWidget->parentWidget() == widget->parentWidget() &&
                stacked.count({other->name(), control->name()}) == 0) {
                EXPECT_FALSE(place(otherWidget).intersects(rect)) << other->name();
            }
        }
        shown.emplace_back(control, widget);
    }
}

// Every text a person reads in the window: title, captions, menu entries, tool tips, list entries, table
// headers, status panels; not what edit boxes hold.
QStringList readableTexts(const QWidget &window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        texts << widget->toolTip();
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            texts << label->text();
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            texts << button->text();
        } else if (const auto *box = qobject_cast<const QGroupBox *>(widget)) {
            texts << box->title();
        } else if (const auto *list = qobject_cast<const QComboBox *>(widget)) {
            texts << list->placeholderText();
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        } else if (const auto *table = qobject_cast<const QTableView *>(widget); table && table->model()) {
            for (int column = 0; column < table->model()->columnCount(); ++column)
                texts << table->model()->headerData(column, Qt::Horizontal).toString();
        }
    }
    for (const QAction *action : window.findChildren<QAction *>())
        texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

// Units, letter codes and names that read the same in every language.
const QStringList kKeptWords = {
    "mA",      "kPa",  "MPa",   "Mpa", "Pa",  "Bar",     "bar",  "mbar",   "mBar",       "psi",     "mmHg",
    "mmH2O",   "mH2O", "inH2O", "hPa", "RH",  "ms",      "min",  "p95",    "SL",         "SH",      "DL",
    "DH",      "OL",   "OH",    "UT",  "ID",  "RP",      "ERR",  "EER",    "PDF",        "PNG",     "CSV",
    "JSON",    "COM",  "TCP",   "RFC", "DKD", "EURAMET", "ILAC", "SQLite", "PostgreSQL", "Ortavel", "Kavrin",
    "English", "Ver",  "FS",    "TUR", "SHA", "USB",     "RS",   "Qt",     "YYYY",       "MM",      "DD"};

// In English no Chinese character is left; in Chinese no English word but units and codes.
void expectSpoken(const QWidget &window, TextLanguage language)
{
    static const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z0-9]*"));
    // Paths, file names, mail addresses, codes with digits (com1, A1) and procedure codes are values in every language;
    // a single letter is an access key or a symbol.
    static const QRegularExpression path(
        QStringLiteral("\\S*[/@]\\S*|\\w+\\.\\w+|\\b\\w+-\\w+\\b|\\b\\w*\\d\\w*\\b|\\b[A-Za-z]\\b"));
    for (QString text : readableTexts(window)) {
        text.remove(path);
        if (language == TextLanguage::English) {
            // The Chinese choice of language is named in Chinese.
            EXPECT_FALSE(text != QStringLiteral("中文") && text.contains(chinese)) << text.toStdString();
        } else if (language == TextLanguage::Chinese) {
            for (auto words = word.globalMatch(text); words.hasNext();) {
                const QString found = words.next().captured();
                EXPECT_TRUE(kKeptWords.contains(found)) << found.toStdString() << " in " << text.toStdString();
            }
        }
    }
}

constexpr TextLanguage kLanguages[] = {TextLanguage::Specified, TextLanguage::English, TextLanguage::Chinese};

// Each window in each language: every control in its place however long its texts, and no text left in the other
// language.
TEST_F(MainWindowTest, EveryWindowHoldsEachControlInItsPlaceInEachLanguage)
{
    WindowLanguage language;
    const auto speak = [&language](TextLanguage chosen) {
        ASSERT_TRUE(language.choose(chosen)) << textLanguageCode(chosen);
        QApplication::processEvents();
    };
    // At the first access level, then with every control shown.
    for (const TextLanguage chosen : kLanguages) {
        SCOPED_TRACE(textLanguageCode(chosen));
        speak(chosen);
        expectLaidOut(window, {{model.cmdReFresh.name(), model.txtPass.name()}});
    }
    model.txtPass.setText(std::string(kFactoryCode));
    for (const TextLanguage chosen : kLanguages) {
        SCOPED_TRACE(textLanguageCode(chosen));
        speak(chosen);
        expectLaidOut(window, {{model.cmdReFresh.name(), model.txtPass.name()}});
        expectSpoken(window, chosen);
    }
    QtSystemTools tools;
    const HistoryReads reads{history.store, {}, "sqlite:/tmp/history.sqlite"};
    const auto menu = addToolWindows(windows, model, tools, nullptr, &reads);
    // The configuration windows open for a file the menu checked, on a transmitter chosen.
    menu->chooseOpenFile = [] { return std::optional<std::string>("office.json"); };
    menu->readConfiguration = [](const std::string &, std::string &) {
        return std::optional(
            cli::BackupFile{{{"unit", "1"}}, {"calibration"}, {}, false, "01", "QX820", "TT101", "2.10"});
    };
    model.OnlineList = {3};
    model.CMB_ADDR.addItem("01", 0);
    model.CMB_ADDR.setSelectedIndex(0);
    const std::map<std::string, MenuItem *> byMenu = {{"CompareConfiguration", &model.mnuCompareConfig},
                                                      {"ApplyConfiguration", &model.mnuApplyConfig}};
    for (const char *name : {"frmYHJZ", "FrmOrtavelAbout", "Traffic", "Trend", "Verification", "History",
                             "CompareConfiguration", "ApplyConfiguration"}) {
        if (!ORTAVEL_HISTORY && std::string(name) == "History")
            continue;
        if (byMenu.count(name) != 0)
            byMenu.at(name)->onClick();
        else
            windows.showWindow(name);
        QWidget *shown = windows.window(name);
        ASSERT_NE(shown, nullptr) << name;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown)) << name;
        shown->setObjectName(QString::fromLatin1(name));
        if (auto *calibration = dynamic_cast<CalibrationWindow *>(shown)) {
            calibration->model().txtPass.setText(std::string(kDisplayCode));
            QApplication::processEvents();
        }
        for (const TextLanguage chosen : kLanguages) {
            SCOPED_TRACE(textLanguageCode(chosen));
            speak(chosen);
            expectLaidOut(*shown, {{"cmdExit", "txtPass"}});
            expectSpoken(*shown, chosen);
        }
        if (auto *about = dynamic_cast<AboutBox *>(shown)) { // the texts take a wider box's room, not the logo
            const int logo = about->findChild<QLabel *>(QStringLiteral("Image1"))->width();
            about->resize(about->width() + 200, about->height());
            QApplication::processEvents();
            EXPECT_EQ(about->findChild<QLabel *>(QStringLiteral("Image1"))->width(), logo);
        }
        if (auto *verification = dynamic_cast<VerificationWindow *>(shown)) { // the run's choices beside the range
            const FrmVerify &m = verification->model();
            const int rangeRow = verification->view().widget(m.lblRange.name())->geometry().center().y();
            for (const CheckBox *choice : {&m.chkUpDown, &m.chkAsLeftOnly})
                EXPECT_NEAR(verification->view().widget(choice->name())->geometry().center().y(), rangeRow, 4);
        }
        shown->close();
    }
}

// The menu's choice is ticked, kept for the next run and told to the view; one given for a run is told, not kept; the
// reports follow the window unless given their own.
TEST_F(MainWindowTest, LanguagesChosenInTheMenuAreTickedAndKept)
{
    std::vector<std::string> told;
    LanguageChoice &choice = model.languageChoice();
    choice.onLanguageChosen = [&told](const std::string &code) { told.push_back(code); };
    const auto kept = [this](const char *key) {
        return settings.value(Ortavel::kAppTitle, LanguageChoice::kSection, key, "");
    };
    const auto ticked = [this] {
        std::string names;
        for (const char *name : {"mnuLanguageSpec", "mnuLanguageEnglish", "mnuLanguageChinese", "mnuReportAsWindow",
                                 "mnuReportSpec", "mnuReportEnglish", "mnuReportChinese"})
            names += window.view().action(name)->isChecked() ? std::string(name) + " " : "";
        return names;
    };
    window.view().action("mnuLanguageChinese")->trigger();
    EXPECT_EQ(told, std::vector<std::string>{"zh"});
    EXPECT_EQ(kept(LanguageChoice::kWindowKey), "zh");
    EXPECT_EQ(ticked(), "mnuLanguageChinese mnuReportAsWindow ");
    EXPECT_EQ(choice.reportLanguage(), "zh");
    window.view().action("mnuReportEnglish")->trigger();
    EXPECT_EQ(choice.reportLanguage(), "en");
    EXPECT_EQ(kept(LanguageChoice::kReportKey), "en");

    choice.start(std::string("spec"));
    EXPECT_EQ(told.back(), "spec");
    EXPECT_EQ(kept(LanguageChoice::kWindowKey), "zh");
    EXPECT_EQ(ticked(), "mnuLanguageSpec mnuReportEnglish ");
    choice.start(std::nullopt);
    EXPECT_EQ(told.back(), "zh");
    // A setting edited into something else counts as never made.
    settings.setValue(Ortavel::kAppTitle, LanguageChoice::kSection, LanguageChoice::kWindowKey, "de");
    choice.start(std::nullopt);
    EXPECT_EQ(told.back(), "spec");
}

// A built text shows through the translations of its pattern and its parts, however deep; values stay as they are,
// a "%1" among them too, and a text built once at the start outlives many built since from another pattern.
TEST_F(MainWindowTest, BuiltTextsShowInTheChosenLanguageWithTheirValuesAsTheyAre)
{
    struct Row {
        const char *name;
        std::function<std::string()> build;
        const char *chinese;
    };
    const Row rows[] = {
        {"a report of two skipped groups",
         [] {
             return fill("Not written: %1", {joinTexts({fill("%1 (%2)", {"DL, DH", "no value read"}),
                                                        fill("%1 (%2)", {"OL", "not a number"})},
                                                       "; ")});
         },
         "未写入：DL, DH（未读取数值）；OL（不是数字）"},
        {"a value that looks like a pattern",
         [] {
             return fill("Writing to %1 (%2 of %3)", {"%1", "2", "3"});
         },
         "正在写入 %1（第 2 个，共 3 个）"},
        {"built before a flood of counts",
         [] {
             std::string first = fill("Press.%1", {"1"});
             for (int i = 0; i < 5000; ++i)
                 fill("%1 of %2 exchanges recorded", {std::to_string(i), std::to_string(i)});
             return first;
         },
         "压力点1"},
        {"a transmitter's own text", [] { return std::string("QX820"); }, "QX820"},
    };
    WindowLanguage language;
    const auto *panel = window.statusBar()->findChild<QLabel *>(QStringLiteral("StatusBar1_Panel1"));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(language.choose(TextLanguage::Specified));
        const std::string text = row.build();
        model.StatusBar1.setPanel(1, text);
        ASSERT_TRUE(language.choose(TextLanguage::Chinese));
        EXPECT_EQ(panel->text(), QString::fromUtf8(row.chinese));
        ASSERT_TRUE(language.choose(TextLanguage::Specified));
        EXPECT_EQ(panel->text(), toQt(text));
    }
}

// Shrunk as far as it goes, a window still shows a value such as -1234.567 whole in each of its value boxes.
TEST_F(MainWindowTest, ShrunkWindowsShowWholeValues)
{
    QtSystemTools tools;
    addToolWindows(windows, model, tools, nullptr);
    windows.showWindow("frmYHJZ");
    for (QWidget *shown : {static_cast<QWidget *>(&window), windows.window("frmYHJZ")}) {
        shown->resize(1, 1);
        QApplication::processEvents();
        const FormView &view = viewOf(*shown);
        for (const Control *control : view.form().controls()) {
            const auto *edit = view.widgetAs<QLineEdit>(control->name());
            if (edit != nullptr && edit->isVisibleTo(shown) && control->name() != "txtPass" &&
                control->name() != "TXT_FUNIT") {
                EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(QStringLiteral("-1234.567")))
                    << control->name();
            }
        }
    }
}

// The status panels left to right, the first and longest getting the most room.
TEST_F(MainWindowTest, StatusPanelsShareTheBarInTheirProportions)
{
    const double shares[] = {3.0 / 8, 2.0 / 8, 1.0 / 8, 2.0 / 8};
    const QStatusBar *bar = window.statusBar();
    int left = -1;
    double total = 0;
    for (int number = 1; number <= 4; ++number)
        total += bar->findChild<QLabel *>(QStringLiteral("StatusBar1_Panel%1").arg(number))->width();
    for (int number = 1; number <= 4; ++number) {
        const auto *panel = bar->findChild<QLabel *>(QStringLiteral("StatusBar1_Panel%1").arg(number));
        EXPECT_GT(panel->x(), left) << number;
        left = panel->x();
        EXPECT_NEAR(panel->width() / total, shares[number - 1], 0.03) << number;
    }
}

// The dial: its ring, nine ticks over the lower three quarters with none at the bottom, the red needle to the upper
// right.
TEST(AboutBoxLogo, DrawsTheDialWhereItBelongs)
{
    const int size = 64;
    const QImage logo = AboutBox::logo(size).toImage();
    const QPointF centre(size / 2.0, size / 2.0);
    const double radius = size / 2.0 - 2.0;
    // The pixels around a point of the dial, which antialiasing shares between neighbours.
    const auto around = [&](double share, double degrees) {
        const double radians = degrees * M_PI / 180.0;
        const QPoint point =
            QPointF(centre.x() + share * radius * std::cos(radians), centre.y() - share * radius * std::sin(radians))
                .toPoint();
        std::vector<QColor> colours;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy)
                colours.push_back(logo.pixelColor(point + QPoint(dx, dy)));
        }
        return colours;
    };
    const auto any = [&](double share, double degrees, auto is) {
        const auto colours = around(share, degrees);
        return std::any_of(colours.begin(), colours.end(), is);
    };
    const auto dark = [](const QColor &c) { return c.alpha() > 200 && c.blue() > c.red() && c.lightness() < 110; };
    const auto red = [](const QColor &c) { return c.alpha() > 200 && c.red() > 150 && c.green() < 100; };
    const auto coloured = [](const QColor &c) { return c.lightness() < 230; };
    for (int degrees = 0; degrees < 360; degrees += 45)
        EXPECT_TRUE(any(1.0, degrees, dark)) << "ring at " << degrees;
    for (int tick = 0; tick < 9; ++tick) {
        const double degrees = 225.0 - 33.75 * tick;
        EXPECT_TRUE(any(0.71, degrees, dark)) << "tick at " << degrees;
        if (tick != 6) { // the needle's tip
            EXPECT_FALSE(any(0.71, degrees + 16.875, coloured)) << "no tick at " << degrees + 16.875;
        }
    }
    EXPECT_TRUE(any(0.4, 45, red));
    for (const double elsewhere : {135.0, 225.0, 315.0, 90.0, 0.0})
        EXPECT_FALSE(any(0.4, elsewhere, coloured)) << "no needle at " << elsewhere;
    EXPECT_TRUE(any(0.0, 0, dark)) << "the hub";
}

TEST_F(MainWindowTest, ClosingWhileTheSearchRunsIsRefused)
{
    // Nothing answers: the operator's close and then Stop come in at the search's first pause.
    port.setResponder([](const std::string &) { return std::nullopt; });
    std::vector<bool> closed;
    QTimer::singleShot(0, &window, [&] {
        closed.push_back(window.close());
        QTest::mouseClick(get<QPushButton>(model.cmdSEARCH), Qt::LeftButton);
    });
    QTest::mouseClick(get<QPushButton>(model.cmdSEARCH), Qt::LeftButton);
    ASSERT_EQ(closed.size(), 1U);
    EXPECT_FALSE(closed[0]);
    EXPECT_EQ(get<QPushButton>(model.cmdSEARCH)->text(), "Search");
    EXPECT_LT(port.writes().size(), 10U) << "Stop ended the search early";
}

// The simulated demo bus on a pseudo-terminal behind com1, the real serial port and settings files.
struct RealPlatform {
    sim::SimServer server; // outlives the port
    QTemporaryDir folder;
    SettingsStoreQt settings{folder.path()};
    PortMap portMap{&settings};
    SerialPortQt port{portMap};
    SteadyClock clock;
};

// The whole tool as the operator meets it.
class EndToEndTest : public MainWindowFixture<RealPlatform> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        portMap.setOverride(1, server.start(sim::demoBus()));
        MainWindowFixture::SetUp();
        ASSERT_TRUE(port.isOpen()) << port.errorString();
    }

    // 01 chosen, with the tool windows known to the host.
    void chooseFirst()
    {
        menu = addToolWindows(windows, model, tools, nullptr);
        model.OnlineList = {3};
        model.CMB_ADDR.addItem("01", 0);
        model.CMB_ADDR.setSelectedIndex(0);
    }

    // The Verification window of 01, opened from the View menu.
    VerificationWindow *openVerification()
    {
        chooseFirst();
        window.view().action(model.mnuVerify.name())->trigger();
        return dynamic_cast<VerificationWindow *>(windows.window("Verification"));
    }
    static void press(VerificationWindow *w, const Control &c)
    {
        QTest::mouseClick(w->view().widgetAs<QPushButton>(c.name()), Qt::LeftButton);
    }

    QString shown(const Control &control) const { return window.view().widgetAs<QLineEdit>(control.name())->text(); }
    void expectShowsTransmitter(int address, const char *band)
    {
        const auto state = server.transmitter(address);
        ASSERT_TRUE(state.has_value());
        EXPECT_EQ(shown(model.TXT_TYPE).toStdString(), state->config.working.type);
        EXPECT_EQ(shown(model.TXT_VER).toStdString(), state->config.version);
        EXPECT_EQ(shown(model.TXT_ID).toStdString(), state->config.working.ident);
        EXPECT_EQ(shown(model.TXT_BAND), band);
        EXPECT_EQ(shown(model.TXT_ADDR), QStringLiteral("%1").arg(address, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(window.view().widgetAs<QComboBox>(model.cmbUnit.name())->currentIndex(), state->config.working.unit);
    }

    QtSystemTools tools;
    std::shared_ptr<ConfigurationMenu> menu;
};

TEST_F(EndToEndTest, SearchFindsTheDemoTransmittersAndReadsTheFirst)
{
    // 01 answers at 9600, 07 at 4800, 12 at 2400.
    model.setSearchLastAddress(12);
    QTest::mouseClick(window.view().widgetAs<QPushButton>(model.cmdSEARCH.name()), Qt::LeftButton);

    auto *addresses = window.view().widgetAs<QComboBox>(model.CMB_ADDR.name());
    QStringList found;
    for (int i = 0; i < addresses->count(); ++i)
        found << addresses->itemText(i);
    EXPECT_EQ(found, QStringList({"01", "07", "12"}));
    EXPECT_EQ(addresses->currentText(), "01");
    expectShowsTransmitter(1, "9600");

    addresses->setFocus(Qt::TabFocusReason);
    QTest::keyClick(addresses, Qt::Key_Down);
    EXPECT_EQ(addresses->currentText(), "07");
    expectShowsTransmitter(7, "4800");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;

    // What the search and the read left on show follows a change of language at once, and comes back as it was.
    const auto *panel = window.statusBar()->findChild<QLabel *>(QStringLiteral("StatusBar1_Panel1"));
    const QString asSpecified = panel->text();
    WindowLanguage language;
    ASSERT_TRUE(language.choose(TextLanguage::Chinese));
    EXPECT_NE(panel->text(), asSpecified);
    for (const TextLanguage chosen : {TextLanguage::Chinese, TextLanguage::English}) {
        SCOPED_TRACE(textLanguageCode(chosen));
        ASSERT_TRUE(language.choose(chosen));
        expectSpoken(window, chosen);
    }
    ASSERT_TRUE(language.choose(TextLanguage::Specified));
    EXPECT_EQ(panel->text(), asSpecified);
}

// Recalibrate 01 in three points, save, reopen to the same table, close the main window with it open.
TEST_F(EndToEndTest, CalibrationSavedAndReopenedToTheSameTable)
{
    chooseFirst();
    const auto open = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.view().action(model.UserCal.name())->trigger();
        return dynamic_cast<CalibrationWindow *>(windows.window("frmYHJZ"));
    };
    const auto get = [](const CalibrationWindow *w, const Control &c) { return w->view().widget(c.name()); };
    const auto click = [&get](const CalibrationWindow *w, const Control &c) {
        QTest::mouseClick(get(w, c), Qt::LeftButton);
    };
    const auto text = [&get](const CalibrationWindow *w, const Control &c) {
        return qobject_cast<QLineEdit *>(get(w, c))->text().toStdString();
    };
    CalibrationWindow *w = open();
    ASSERT_NE(w, nullptr);
    const frmYHJZ &m = w->model();
    EXPECT_EQ(text(w, m.txtCLYL(2)), "+99.987");
    // Inactive rows are switched off and look it.
    EXPECT_FALSE(get(w, m.txtLLYL(3))->isEnabled());
    EXPECT_NE(get(w, m.txtLLYL(3))->palette().color(QPalette::Base),
              get(w, m.txtLLYL(2))->palette().color(QPalette::Base));
    // The access code box on Exit, emptied by a click on the window.
    QWidget *pass = get(w, m.txtPass);
    const QRect exit = get(w, m.cmdExit)->geometry();
    EXPECT_EQ(pass->geometry().topLeft(), exit.topLeft());
    EXPECT_NEAR(double(pass->width()) / exit.width(), 855.0 / 1095.0, 0.02);
    EXPECT_LT(pass->height(), exit.height() * 0.6);
    QTest::keyClicks(pass, "BROLKAN");
    EXPECT_TRUE(get(w, m.cmdSaveFactory)->isVisible());
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, w->height() - 2));
    EXPECT_TRUE(text(w, m.txtPass).empty() && w->focusWidget() == pass);

    click(w, m.CmdReCal);
    QWidget *count = get(w, m.Combo1);
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Up);
    QTest::keyClick(count, Qt::Key_Down);
    const char *typed[] = {"5", "55", "105.5"};
    std::string measured[3];
    for (int i = 0; i < 3; ++i) {
        click(w, m.cmdYL(i));
        measured[i] = text(w, m.txtCLYL(i));
        qobject_cast<QLineEdit *>(get(w, m.txtLLYL(i)))->selectAll();
        QTest::keyClicks(get(w, m.txtLLYL(i)), typed[i]);
    }
    click(w, m.cmdSAVE);
    EXPECT_EQ(messages.shown, (std::vector<FakeMessageBox::Shown>{{frmYHJZ::kSaveDone, frmYHJZ::kSaveTitle, false}}));
    EXPECT_EQ(server.transmitter(1)->user.standard[2], 105.5) << "stored in the user area";
    click(w, m.cmdExit);
    const QPointer<CalibrationWindow> closed(w);

    // A new window that starts locked again and reads the stored table.
    CalibrationWindow *again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(closed.isNull());
    const frmYHJZ &n = again->model();
    EXPECT_EQ(n.Combo1.text(), "3");
    EXPECT_FALSE(get(again, n.Combo1)->isEnabled() || get(again, n.cmdSAVE)->isEnabled());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(readNumber(text(again, n.txtLLYL(i))), readNumber(typed[i]));
        EXPECT_EQ(text(again, n.txtCLYL(i)), measured[i]);
    }

    // Closing the main window gives the count back while the port is open.
    click(again, n.CmdReCal);
    server.clearTrace();
    window.close();
    EXPECT_FALSE(again->isVisible() || port.isOpen());
    const auto trace = server.trace();
    ASSERT_EQ(trace.size(), 1U);
    EXPECT_EQ(trace[0].command, "PN3");
}

// Modeless traffic and trend windows see the calibration window's requests and close with the main one.
TEST_F(EndToEndTest, TrafficAndTrendWatchEveryWindowsExchanges)
{
    chooseFirst();
    window.view().action(model.mnuTraffic.name())->trigger();
    window.view().action(model.mnuTrend.name())->trigger();
    auto *traffic = dynamic_cast<TrafficWindow *>(windows.window("Traffic"));
    auto *trend = dynamic_cast<TrendWindow *>(windows.window("Trend"));
    ASSERT_NE(traffic, nullptr);
    ASSERT_NE(trend, nullptr);
    EXPECT_TRUE(traffic->isVisible() && trend->isVisible());
    EXPECT_EQ(traffic->windowModality(), Qt::NonModal);
    EXPECT_TRUE(window.isEnabled());

    // What the main window read when 01 was chosen is there from the start.
    QAbstractItemModel *rows = traffic->exchanges()->model();
    const int read = rows->rowCount();
    EXPECT_GT(read, 10);
    window.view().action(model.UserCal.name())->trigger();
    ASSERT_NE(windows.window("frmYHJZ"), nullptr);
    traffic->model().tmrRefresh_Timer();
    ASSERT_EQ(rows->rowCount(), read + 17) << "the calibration window's reads";
    EXPECT_EQ(rows->data(rows->index(read, ExchangeTableModel::Result)).toString(), "good");
    EXPECT_EQ(rows->data(rows->index(read, ExchangeTableModel::Baud)).toInt(), 9600);

    const QPointer<QWidget> trafficOpen(traffic);
    const QPointer<QWidget> trendOpen(trend);
    window.close();
    EXPECT_TRUE(trafficOpen.isNull() || !trafficOpen->isVisible());
    EXPECT_TRUE(trendOpen.isNull() || !trendOpen->isVisible());
}

void exchange(TrafficRecorder &recorder, const std::string &address, const char *result, std::int64_t ms = 20)
{
    static std::int64_t now = 0;
    now += 200;
    recorder.record(now, now + ms, 9600, address, "$" + address + "RP0\r", result, result);
}

TEST(TrafficWindow, AppendsWithoutResetFollowsTheEndAndFilters)
{
    TrafficRecorder recorder(1000);
    FakeMessageBox messages;
    exchange(recorder, "01", "*01+1.0\r");
    TrafficWindow window(std::make_unique<FrmTraffic>(recorder, messages));
    window.show();
    QAbstractItemModel *rows = window.exchanges()->model();
    EXPECT_EQ(rows->rowCount(), 1) << "what was recorded before the opening";
    QSignalSpy resets(rows, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(rows, &QAbstractItemModel::rowsInserted);

    for (int i = 0; i < 200; ++i)
        exchange(recorder, i % 4 ? "01" : "07", i % 10 ? "*01+1.0\r" : "ERR 0\r", 20 + i % 5);
    window.model().tmrRefresh_Timer();
    QApplication::processEvents();
    EXPECT_EQ(rows->rowCount(), 201);
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(inserts.count(), 1);
    EXPECT_EQ(rows->data(rows->index(200, ExchangeTableModel::Request)).toString(), "$01RP0\\r");
    QScrollBar *bar = window.exchanges()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum()) << "follows the end";

    // Scrolled up, the view stays where the operator put it.
    bar->setValue(0);
    exchange(recorder, "01", "EER 3\r");
    window.model().tmrRefresh_Timer();
    QApplication::processEvents();
    EXPECT_EQ(rows->rowCount(), 202);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(rows->data(rows->index(201, ExchangeTableModel::Result)).toString(), "bad reply");

    // Pause through its box: nothing comes in until it is unticked.
    auto *pause = window.view().widgetAs<QCheckBox>("chkPause");
    ASSERT_NE(pause, nullptr);
    QTest::mouseClick(pause, Qt::LeftButton);
    ASSERT_TRUE(window.model().chkPause.checked());
    exchange(recorder, "07", "*07+2.0\r");
    window.model().tmrRefresh_Timer();
    EXPECT_EQ(rows->rowCount(), 202);
    QTest::mouseClick(pause, Qt::LeftButton);
    EXPECT_EQ(rows->rowCount(), 203);

    auto *filter = window.view().widgetAs<QComboBox>("cmbAddress");
    ASSERT_NE(filter, nullptr);
    const int seven = filter->findText(QStringLiteral("07"));
    ASSERT_GT(seven, 0);
    filter->setCurrentIndex(seven);
    emit filter->activated(seven);
    QApplication::processEvents();
    EXPECT_EQ(rows->rowCount(), 51);
    EXPECT_EQ(rows->data(rows->index(0, ExchangeTableModel::Address)).toString(), "07");

    // Five addresses in view at once; one that never answered has no times.
    for (const char *silent : {"12", "20", "33"})
        exchange(recorder, silent, "ERR 0\r");
    window.model().tmrRefresh_Timer();
    QApplication::processEvents();
    const QAbstractItemModel *statistics = window.statistics()->model();
    ASSERT_EQ(statistics->rowCount(), 5);
    EXPECT_EQ(window.statistics()->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(statistics->data(statistics->index(4, 4)).toString(), "-") << "mean of 33";
    EXPECT_NE(statistics->data(statistics->index(0, 4)).toString(), "-") << "mean of 01";
    EXPECT_TRUE(window.model().row(-1) == nullptr && window.model().row(rows->rowCount()) == nullptr);

    window.model().cmdClear.click();
    EXPECT_EQ(rows->rowCount(), 0);
    EXPECT_EQ(window.statistics()->model()->rowCount(), 0);
    EXPECT_EQ(recorder.size(), 0U);
}

TEST(TrendWindow, DrawsBothValuesWithGapsUnitsAndSavesAPicture)
{
    TrendRecorder recorder;
    Label unit("Label3", "Bar");
    FakeMessageBox messages;
    recorder.startRun(0);
    for (int i = 1; i <= 100; ++i) {
        const bool failed = i == 50;
        recorder.add(TrendQuantity::Pressure, 400LL * i,
                     failed ? std::nullopt : std::optional<double>(1.0 + 0.01 * (i % 10)));
        recorder.add(TrendQuantity::Temperature, 400LL * i + 200, 25.0);
    }
    TrendWindow window(std::make_unique<FrmTrend>(recorder, unit, messages));
    window.show();
    window.model().tmrRedraw_Timer();
    QApplication::processEvents();

    const auto pressure = window.lines(true);
    ASSERT_EQ(pressure.size(), 2U) << "the failed poll splits the line";
    EXPECT_EQ(pressure[0]->count() + pressure[1]->count(), 99);
    ASSERT_EQ(window.lines(false).size(), 1U);
    int pressureEntries = 0;
    for (const QLegendMarker *marker : pressure[0]->chart()->legend()->markers())
        pressureEntries += marker->isVisible() && marker->label() == "Pressure" ? 1 : 0;
    EXPECT_EQ(pressureEntries, 1) << "one legend entry for the split line";
    EXPECT_EQ(window.pressureAxis()->titleText(), "Pressure (Bar)");
    EXPECT_EQ(window.temperatureAxis()->titleText(), "Temperature (℃)");
    EXPECT_TRUE(window.pressureAxis()->min() <= 1.0 && window.pressureAxis()->max() >= 1.09);
    EXPECT_DOUBLE_EQ(window.timeAxis()->max(), 60.0);

    unit.setCaption("kPa");
    window.model().tmrRedraw_Timer();
    EXPECT_EQ(window.pressureAxis()->titleText(), "Pressure (kPa)");

    QTemporaryDir folder;
    const std::string file = folder.filePath(QStringLiteral("t.png")).toStdString();
    window.model().chooseSaveFile = [&file](const std::string &) { return std::optional(file); };
    window.model().cmdSavePng.click();
    QFile saved(QString::fromStdString(file));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.read(4).endsWith("PNG"));
    EXPECT_TRUE(messages.shown.empty());
}

// A reference past its due date starts nothing until the operator confirms; the first saved file numbers the report
// from this computer's counter, and the mA typed for a point is judged beside its pressure.
TEST_F(EndToEndTest, VerificationAsksForAnOverdueReferenceAndNumbersItsReport)
{
    auto *w = openVerification();
    ASSERT_NE(w, nullptr);
    FrmVerify &m = w->model();
    m.txtPoints.setText("0");
    m.txtSamples.setText("1");
    m.txtDue.setText("2020-01-31");
    server.clearTrace();
    messages.confirmations = {false};
    m.cmdStart.click();
    EXPECT_EQ(m.run(), nullptr);
    EXPECT_TRUE(server.trace().empty()) << "nothing sent while the operator decides";
    messages.confirmations = {true};
    m.cmdStart.click();
    ASSERT_NE(m.run(), nullptr);
    EXPECT_TRUE(m.run()->plan().overdueAccepted);
    server.setPressure(1, m.run()->points()[0].nominal);
    m.txtCurrent.setText("4.01");
    m.cmdTake.click();
    for (int wait = 0; m.taking() && wait < 500; ++wait)
        QTest::qWait(20);
    ASSERT_TRUE(m.run()->done());
    EXPECT_EQ(m.rows()[0].maResult, "pass");

    const QString csv = folder.path() + "/found.csv";
    m.chooseSaveFile = [&csv](const std::string &) { return std::optional(csv.toStdString()); };
    m.cmdSaveCsv.click();
    EXPECT_TRUE(QRegularExpression("^Report \\d{4}-0001 \\(the local counter\\)$")
                    .match(QString::fromStdString(m.lblReport.caption()))
                    .hasMatch())
        << m.lblReport.caption();
    QFile saved(csv);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    EXPECT_TRUE(text.contains(QRegularExpression("(?m)^# report: \\d{4}-0001$")) &&
                text.contains("# as_found.reference_overdue_accepted: yes"))
        << text.toStdString();
}

// A whole as-found run through the window's buttons, the pressure applied as each point asks: only RP0 is polled.
TEST_F(EndToEndTest, VerificationTakesAnAsFoundRunPointByPoint)
{
    auto *w = openVerification();
    ASSERT_NE(w, nullptr);
    FrmVerify &m = w->model();
    const auto press = [w](const Control &c) { EndToEndTest::press(w, c); };
    press(m.cmdStart);
    ASSERT_NE(m.run(), nullptr);
    server.clearTrace();
    for (int point = 0; point < 5; ++point) {
        server.setPressure(1, m.run()->points()[static_cast<std::size_t>(point)].nominal + (point == 4 ? 0.5 : 0.0));
        press(m.cmdTake);
        EXPECT_FALSE(w->view().widget(m.cmdTake.name())->isEnabled());
        for (int wait = 0; m.taking() && wait < 500; ++wait)
            QTest::qWait(20);
        ASSERT_FALSE(m.taking());
    }
    QAbstractItemModel *rows = w->table()->model();
    ASSERT_EQ(rows->rowCount(), 5);
    EXPECT_EQ(rows->data(rows->index(1, VerificationTableModel::Nominal)).toString(), "25.000");
    EXPECT_EQ(rows->data(rows->index(1, VerificationTableModel::Result)).toString(), "pass");
    EXPECT_EQ(rows->data(rows->index(4, VerificationTableModel::ErrorPct)).toString(), "0.50");
    EXPECT_EQ(rows->data(rows->index(4, VerificationTableModel::Result)).toString(), "fail");
    EXPECT_EQ(w->view().widgetAs<QLabel>(m.lblVerdict.name())->text(), "Verdict: FAIL");
    const auto trace = server.trace();
    EXPECT_EQ(trace.size(), 25U);
    EXPECT_TRUE(std::all_of(trace.begin(), trace.end(), [](const auto &e) { return e.command == "RP0"; }));

    const QString csv = folder.path() + "/found.csv";
    m.chooseSaveFile = [&csv](const std::string &) { return std::optional(csv.toStdString()); };
    press(m.cmdSaveCsv);
    QFile saved(csv);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    EXPECT_EQ(text.count(QRegularExpression("(?m)^as found,01,")), 5) << text.toStdString();
    EXPECT_EQ(text.count(QRegularExpression("(?m)^as found,\\d,.*,kept$")), 25) << text.toStdString();
    EXPECT_EQ(w->view().widget(m.cmdStart.name())->isEnabled(), true) << "the as-left run may start";
}

// dkd-c as the operator follows it: the preload and zero readings prompted in their places, each point read once the
// dwell (0 here) is over; then an as-left run whose zero reading is taken during its countdown, recorded as early.
TEST_F(EndToEndTest, VerificationFollowsDkdCStepByStep)
{
    auto *w = openVerification();
    ASSERT_NE(w, nullptr);
    FrmVerify &m = w->model();
    const auto press = [w](const Control &c) { EndToEndTest::press(w, c); };
    const auto choose = [w, &m](const char *procedure, const char *seconds) {
        auto *list = w->view().widgetAs<QComboBox>(m.cmbProcedure.name());
        list->setCurrentIndex(list->findText(procedure));
        emit list->activated(list->currentIndex());
        auto *dwell = w->view().widgetAs<QLineEdit>(m.txtDwell.name());
        dwell->clear();
        QTest::keyClicks(dwell, seconds);
    };
    EXPECT_EQ(w->view().widgetAs<QLineEdit>(m.txtDwell.name())->text(), "30") << "unset in the settings";
    choose("dkd-c", "0");
    EXPECT_FALSE(w->view().widget(m.txtPoints.name())->isEnabled()) << "the sequence fixes its points";
    press(m.cmdStart);
    ASSERT_NE(m.run(), nullptr);
    server.clearTrace();
    const auto *prompt = w->view().widgetAs<QLabel>(m.lblPoint.name());
    std::vector<std::string> prompts;
    for (int step = 0; step < 20 && !m.run()->done(); ++step) {
        const QString text = prompt->text();
        prompts.push_back(text.section(':', 0, 0).toStdString());
        const double pressure =
            text.startsWith("Preload") ? 100.0 : text.section("apply ", 1).section(' ', 0, 0).toDouble();
        // 0.1 kPa more on the way down: h, within the tolerance.
        server.setPressure(1, pressure, text.contains("(down)") ? 0.1 : 0.0);
        press(m.cmdTake);
        for (int wait = 0; m.taking() && wait < 500; ++wait)
            QTest::qWait(20);
        ASSERT_FALSE(m.taking());
    }
    const std::vector<std::string> expected = {
        "Preload 1 of 1",          "Zero reading (M1, before)", "Point 1 of 10 (up)",   "Point 2 of 10 (up)",
        "Point 3 of 10 (up)",      "Point 4 of 10 (up)",        "Point 5 of 10 (up)",   "Point 6 of 10 (down)",
        "Point 7 of 10 (down)",    "Point 8 of 10 (down)",      "Point 9 of 10 (down)", "Point 10 of 10 (down)",
        "Zero reading (M2, after)"};
    EXPECT_EQ(prompts, expected);
    EXPECT_EQ(w->view().widgetAs<QLabel>(m.lblVerdict.name())->text(), "Verdict: PASS");
    EXPECT_EQ(w->table()->model()->rowCount(), 10);
    EXPECT_TRUE(w->view()
                    .widgetAs<QLabel>(m.lblHysteresis.name())
                    ->text()
                    .contains(QRegularExpression("^Hysteresis h: 0\\.(09|10|11)")));
    EXPECT_EQ(server.trace().size(), 12U * 5U) << "five samples at each point and zero reading, none at the preload";

    const QString csv = folder.path() + "/dkd-c.csv";
    m.chooseSaveFile = [&csv](const std::string &) { return std::optional(csv.toStdString()); };
    press(m.cmdSaveCsv);
    QFile saved(csv);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    EXPECT_TRUE(text.contains("# as_found.procedure: dkd-c\n") && text.contains("# as_found.preloads: 1 of 1\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("# as_found.hysteresis_h: 0\\.(09|10|11)\\d*\n")))
        << text.toStdString();
    EXPECT_EQ(text.count(QRegularExpression("(?m)^as found,z[12],0,M[12] (before|after),vented,1,\\d,.*,kept$")), 10)
        << text.toStdString();

    choose("dkd-c", "30");
    press(m.cmdStart);
    press(m.cmdTake); // the preload: no dwell, no reading
    press(m.cmdTake);
    EXPECT_EQ(w->view().widgetAs<QLabel>(m.lblProgress.name())->text(), "Dwell: 30 s left; Take reads now");
    EXPECT_FALSE(m.taking());
    press(m.cmdTake);
    EXPECT_TRUE(m.taking());
    for (int wait = 0; m.taking() && wait < 500; ++wait)
        QTest::qWait(20);
    ASSERT_EQ(m.run()->currentStep(), 2);
    EXPECT_TRUE(m.run()->zeros()[0].takenEarly);
}

// The office's configuration file: 01's as saved from the window, with the values the office changed.
QString editedConfiguration(const QString &saved, const QString &path, const QJsonObject &changes)
{
    QFile in(saved);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(in.readAll()).object();
    QJsonObject settings = root["settings"].toObject();
    for (auto it = changes.begin(); it != changes.end(); ++it)
        settings[it.key()] = it.value();
    root["settings"] = settings;
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QJsonDocument(root).toJson());
    return path;
}

// Save 01's configuration, compare an edited copy with 01, write the rows left ticked, see a refused echo
// fail its row, and compare the file with another transmitter.
TEST_F(EndToEndTest, ConfigurationComparedWithATransmitterWritesTheTickedRows)
{
    chooseFirst();
    model.TXT_DAL.type("5"); // the operator's, not 01's: saved as not read
    const QString saved = folder.filePath("01.json");
    menu->chooseSaveFile = [&saved](const std::string &) { return std::optional(saved.toStdString()); };
    window.view().action(model.mnuSaveConfig.name())->trigger();
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    EXPECT_EQ(root["settings"]["type"].toString(), "QX820");
    EXPECT_TRUE(root["settings"]["output_4ma"].isNull());
    EXPECT_TRUE(root["calibration"].isNull());
    EXPECT_EQ(root["source"]["id"].toString(), "A1001");

    const QString edited = editedConfiguration(saved, folder.filePath("office.json"),
                                               {{"display_full_scale", "250"}, {"trim_4ma", "30"}, {"unit", 3}});
    menu->chooseOpenFile = [&edited] { return std::optional(edited.toStdString()); };
    const auto open = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.view().action(model.mnuCompareConfig.name())->trigger();
        return dynamic_cast<CompareWindow *>(windows.window("CompareConfiguration"));
    };
    CompareWindow *w = open();
    ASSERT_NE(w, nullptr);
    const auto row = [&w](const std::string &key) {
        const auto &rows = w->model().rows();
        const auto found = std::find_if(rows.begin(), rows.end(), [&key](const auto &r) { return r.key == key; });
        return found == rows.end() ? CompareRow{} : *found;
    };
    const auto tick = [&w, &row](const std::string &key, bool ticked) {
        const auto &rows = w->model().rows();
        const int index = static_cast<int>(
            std::find_if(rows.begin(), rows.end(), [&key](const auto &r) { return r.key == key; }) - rows.begin());
        w->table()->model()->setData(w->table()->model()->index(index, CompareTableModel::Write),
                                     ticked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        EXPECT_EQ(row(key).ticked, ticked) << key;
    };
    const struct {
        std::string key;
        bool differs;
        bool ticked;
    } before[] = {{"type", false, false},   {"id", false, false},
                  {"unit", true, true},     {"display_full_scale", true, true},
                  {"trim_4ma", true, true}, {"output_4ma", false, false}};
    for (const auto &r : before) {
        SCOPED_TRACE(r.key);
        EXPECT_EQ(row(r.key).differs, r.differs);
        EXPECT_EQ(row(r.key).ticked, r.ticked);
    }
    EXPECT_EQ(row("output_4ma").fileText, ConfigurationCompare::kNotRead);
    EXPECT_EQ(w->table()->model()->data(w->table()->model()->index(2, CompareTableModel::Differs)).toString(),
              QStringLiteral("\u2260"));

    tick("unit", false);
    QTest::mouseClick(w->view().widget(w->model().chkSave.name()), Qt::LeftButton);
    QTest::mouseClick(w->view().widget(w->model().cmdWrite.name()), Qt::LeftButton);
    auto state = server.transmitter(1);
    EXPECT_EQ(state->config.working.displayHigh, 250.0);
    EXPECT_EQ(state->user.displayHigh, 250.0) << "saved after the writes were confirmed";
    EXPECT_NE(w->model().lblResult.caption().find("saved to the user area"), std::string::npos)
        << w->model().lblResult.caption();
    EXPECT_EQ(state->config.working.trimZero, 30);
    EXPECT_EQ(state->config.working.unit, 0) << "unticked: not written";
    EXPECT_EQ(row("display_full_scale").outcome, "confirmed");
    EXPECT_FALSE(row("display_full_scale").differs) << "read back";
    EXPECT_TRUE(row("unit").differs && row("unit").outcome.empty());

    // A value the transmitter refuses comes back as its old one: that row fails, the next still goes.
    w->close();
    const QString refused =
        editedConfiguration(saved, folder.filePath("refused.json"), {{"display_full_scale", "150000"}, {"unit", 3}});
    menu->chooseOpenFile = [&refused] { return std::optional(refused.toStdString()); };
    w = open();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->view().widget(w->model().cmdWrite.name()), Qt::LeftButton);
    EXPECT_TRUE(row("display_full_scale").failed && row("display_full_scale").differs);
    EXPECT_NE(row("display_full_scale").outcome.find("not confirmed"), std::string::npos)
        << row("display_full_scale").outcome;
    EXPECT_EQ(w->table()->model()->data(w->table()->model()->index(5, CompareTableModel::Result), Qt::ForegroundRole),
              QVariant(QBrush(Qt::red)))
        << "display_full_scale is the sixth row";
    EXPECT_EQ(server.transmitter(1)->config.working.displayHigh, 250.0);
    EXPECT_EQ(row("unit").outcome, "confirmed");
    EXPECT_EQ(server.transmitter(1)->config.working.unit, 3);
    w->close();

    // On 07 the file is another transmitter's: its type is not ticked, its trims not offered.
    menu->chooseOpenFile = [&edited] { return std::optional(edited.toStdString()); };
    model.OnlineList.push_back(2);
    model.CMB_ADDR.addItem("07", 1);
    model.CMB_ADDR.setSelectedIndex(1);
    w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(row("type").differs && row("type").offered && !row("type").ticked);
    EXPECT_TRUE(row("trim_4ma").differs && !row("trim_4ma").offered);
    QTest::mouseClick(w->view().widget(w->model().cmdWrite.name()), Qt::LeftButton);
    EXPECT_EQ(server.transmitter(7)->config.working.displayHigh, 250.0);
    EXPECT_EQ(server.transmitter(7)->config.working.trimZero, 0) << "trims stay 01's own";
    EXPECT_EQ(server.transmitter(7)->config.working.type, "QX830");
}

// A file applied to three transmitters with one silent, then a second run cancelled while its first
// transmitter is being written.
TEST_F(EndToEndTest, ConfigurationAppliedToManyReportsEachAndCancelStopsAfterTheCurrentWrite)
{
    chooseFirst();
    model.OnlineList = {3, 2, 1};
    model.CMB_ADDR.addItem("07", 1);
    model.CMB_ADDR.addItem("12", 2);
    const QString saved = folder.filePath("01.json");
    menu->chooseSaveFile = [&saved](const std::string &) { return std::optional(saved.toStdString()); };
    window.view().action(model.mnuSaveConfig.name())->trigger();
    const auto apply = [&](const QString &file) {
        menu->chooseOpenFile = [file] { return std::optional(file.toStdString()); };
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.view().action(model.mnuApplyConfig.name())->trigger();
        auto *w = dynamic_cast<ApplyWindow *>(windows.window("ApplyConfiguration"));
        EXPECT_NE(w, nullptr);
        return w;
    };
    server.setFault(12, {sim::Fault::Silent});
    ApplyWindow *w = apply(editedConfiguration(saved, folder.filePath("a.json"), {{"display_full_scale", "250"}}));
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->view().widget(w->model().cmdApply.name()), Qt::LeftButton);
    server.setFault(12, {});
    const auto &targets = w->model().targets();
    ASSERT_EQ(targets.size(), 3U);
    EXPECT_EQ(targets[0].state, ApplyTarget::State::Confirmed);
    EXPECT_EQ(targets[1].state, ApplyTarget::State::Confirmed);
    EXPECT_NE(targets[1].result.find("trims and calibration not written"), std::string::npos) << targets[1].result;
    EXPECT_EQ(targets[2].state, ApplyTarget::State::Failed);
    EXPECT_NE(targets[2].result.find("did not answer"), std::string::npos) << targets[2].result;
    EXPECT_EQ(w->table()->model()->data(w->table()->model()->index(2, ApplyTableModel::State)).toString(), "failed");
    EXPECT_EQ(server.transmitter(7)->config.working.displayHigh, 250.0);
    EXPECT_EQ(server.transmitter(7)->config.working.trimZero, 0);
    EXPECT_FALSE(model.TXT_DPH.holdsValue()) << "01 was written: what the main window shows is no longer its own";
    EXPECT_EQ(w->view().widgetAs<QLabel>(w->model().lblResult.name())->text(), "2 confirmed, 1 failed, 0 skipped.");
    w->close();

    // Cancel once 01 holds the new full scale: 01 stops after that write, 07 and 12 are not reached.
    w = apply(
        editedConfiguration(saved, folder.filePath("b.json"), {{"display_full_scale", "300"}, {"output_20ma", "300"}}));
    ASSERT_NE(w, nullptr);
    QTimer watch;
    bool busy = false;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        busy = busy || model.whyNoOperation() == "configurations are being applied";
        if (server.transmitter(1)->config.working.displayHigh == 300.0)
            QTest::mouseClick(w->view().widget(w->model().cmdCancel.name()), Qt::LeftButton);
    });
    watch.start(0);
    QTest::mouseClick(w->view().widget(w->model().cmdApply.name()), Qt::LeftButton);
    watch.stop();
    const auto &cancelled = w->model().targets();
    EXPECT_EQ(cancelled[0].state, ApplyTarget::State::Failed);
    EXPECT_NE(cancelled[0].result.find("cancelled after"), std::string::npos) << cancelled[0].result;
    EXPECT_EQ(server.transmitter(1)->config.working.outputHigh, 100.0) << "the write after the cancel never went";
    EXPECT_EQ(cancelled[1].state, ApplyTarget::State::Skipped);
    EXPECT_EQ(cancelled[2].state, ApplyTarget::State::Skipped);
    EXPECT_EQ(server.transmitter(7)->config.working.displayHigh, 250.0);
    EXPECT_TRUE(busy) << "the main window sent nothing of its own meanwhile";
    EXPECT_FALSE(model.whyLineBusy()) << "the main window is free again";
}

// A file that is no configuration is refused, naming the problem, before any window opens or anything is sent.
TEST_F(EndToEndTest, FilesThatAreNoConfigurationAreRefusedBeforeAnythingIsSent)
{
    chooseFirst();
    const std::string head = R"({"format":"ortavel-backup","format_version":1,)";
    const struct {
        const char *why;
        std::string json;
        std::string named;
    } files[] = {
        {"not JSON", "{settings", "not a JSON object"},
        {"unknown keys only", R"({"tag":"PT-101","range":"0-10"})", "not an ortavel backup"},
        {"a key no backup holds", head + R"("settings":{"address":"05"}})", "settings.address"},
        {"a value of the wrong kind", head + R"("settings":{"display_zero":[0]}})", "settings.display_zero must be"},
        {"a value set would refuse", head + R"("settings":{"unit":9}})", "unit: 9"},
    };
    for (const auto &f : files) {
        SCOPED_TRACE(f.why);
        const QString path = folder.filePath("bad.json");
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(QByteArray::fromStdString(f.json));
        out.close();
        menu->chooseOpenFile = [path] { return std::optional(path.toStdString()); };
        messages.shown.clear();
        server.clearTrace();
        for (const MenuItem *item : {&model.mnuCompareConfig, &model.mnuApplyConfig}) {
            window.view().action(item->name())->trigger();
            EXPECT_EQ(windows.window(item == &model.mnuApplyConfig ? "ApplyConfiguration" : "CompareConfiguration"),
                      nullptr);
        }
        ASSERT_EQ(messages.shown.size(), 2U);
        EXPECT_NE(messages.shown[0].text.find(f.named), std::string::npos) << messages.shown[0].text;
        EXPECT_TRUE(server.trace().empty());
    }
}

// Which rows differ, which may be written and which are ticked; what each ticked row says after the writes.
TEST(ConfigurationCompare, RowsDifferByValueAndOfferOnlyWhatMayGo)
{
    cli::TransmitterRecord now;
    now.type = "QX820";
    now.id = "A1001";
    now.version = "2.10";
    now.unitCode = 0;
    now.displayZero = "+0.000";
    now.displayFullScale = "+100.000";
    now.trim4mA = "+0012";
    now.errors = {{"output_4ma", "ERR 0"}};
    now.calibration.points = 1;
    for (auto &row : now.calibration.rows)
        row = {"+0.000", "+0.012"};
    cli::BackupFile file{{{"type", "QX830"},
                          {"unit", "3"},
                          {"display_zero", "0"},
                          {"display_full_scale", "250"},
                          {"output_4ma", "4"},
                          {"trim_4ma", "30"}},
                         {},
                         now.calibration,
                         true,
                         "01",
                         "QX820",
                         "A1001",
                         "2.10"};
    file.calibration.rows[0].measured = "0.012";
    const struct {
        const char *key;
        std::string fileText;
        bool differs, offeredSame, tickedSame, offeredOther, tickedOther;
    } rows[] = {
        {"type", "QX830", true, true, true, true, false},
        {"id", "A1001", false, false, false, true, false}, // the other's id differs
        {"unit", "3 (Bar)", true, true, true, true, true},
        {"display_zero", "0", false, false, false, false, false},
        {"display_full_scale", "250", true, true, true, true, true},
        {"output_4ma", "4", false, true, false, true, false},
        {"trim_4ma", "30", true, true, true, false, false},
        {"calibration", "1 point: +0.000/0.012", false, false, false, false, false},
    };
    const auto same = ConfigurationCompare::rows(file, now);
    file.sourceId = "A1002";
    auto other = ConfigurationCompare::rows(file, now);
    ASSERT_EQ(same.size(), std::size(rows));
    for (std::size_t i = 0; i < same.size(); ++i) {
        SCOPED_TRACE(rows[i].key);
        EXPECT_EQ(same[i].key, rows[i].key);
        EXPECT_EQ(same[i].fileText, rows[i].fileText);
        EXPECT_EQ(same[i].differs, rows[i].differs);
        EXPECT_EQ(std::pair(same[i].offered, same[i].ticked), std::pair(rows[i].offeredSame, rows[i].tickedSame));
        EXPECT_EQ(std::pair(other[i].offered, other[i].ticked), std::pair(rows[i].offeredOther, rows[i].tickedOther));
    }
    EXPECT_EQ(same[5].deviceText, "ERR 0");

    cli::ApplyResult result;
    result.report.outcomes = {{"type", "TYQX830", "*01QX820", false, "not confirmed"},
                              {"unit", "UT3", "*013", true, {}}};
    other[0].ticked = true;
    other[6].ticked = other[6].offered = true; // trims the transmitter withheld
    result.withheld = {"trim_4ma"};
    ConfigurationCompare::markOutcomes(other, result);
    EXPECT_EQ(other[0].outcome, "not confirmed: *01QX820");
    EXPECT_EQ(other[2].outcome, "confirmed");
    EXPECT_TRUE(other[4].failed) << "ticked, never sent";
    EXPECT_EQ(other[6].outcome, "not written: the transmitter is not the file's own");
    result = {};
    result.error = "did not answer: version not read (ERR 0)";
    ConfigurationCompare::markOutcomes(other, result);
    EXPECT_EQ(other[2].outcome, result.error);
}

} // namespace
} // namespace ortavel::test
