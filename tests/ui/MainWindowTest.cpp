#include "MainWindowFixture.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"
#include "support/MemorySettingsStore.h"
#include "ui/QtText.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace ortavel::test {
namespace {

struct FakePlatform {
    FakeClock clock;
    FakeSerialPort port{clock};
    MemorySettingsStore settings;
};

class MainWindowTest : public MainWindowFixture<FakePlatform> {
protected:
    // Where a control is drawn, in the window's coordinates.
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
    EXPECT_EQ(window.objectName(), "Ortavel");
    EXPECT_EQ(window.windowTitle(), "Intelligent Transmitter Parameter Setting     Ver 1.35e");
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
    // A list, a box named in another script, a trim bar that shares its box's label.
    const std::pair<const Control *, const char *> names[] = {
        {&model.CMB_ADDR, "Addr"},
        {&model.txtMAX, "最大值"},
        {&model.VScroll2, "20mA Cal"},
    };
    for (const auto &[control, spoken] : names)
        EXPECT_EQ(window.view().widget(control->name())->accessibleName(), QString::fromUtf8(spoken))
            << control->name();
}

TEST_F(MainWindowTest, MenusHoldTheirEntries)
{
    // The Option menu, then the View menu.
    const QStringList expected[] = {{"Option(&O)", "UserCal (&C)", "-", "About...(&A)", "-", "Exit(&X)"},
                                    {"View(&V)", "Traffic(&T)", "Trend(&R)"}};
    const QList<QAction *> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QStringList shown{menus[i]->text()};
        for (const QAction *item : menus[i]->menu()->actions())
            shown << shownText(item);
        EXPECT_EQ(shown, expected[i]);
    }
    EXPECT_EQ(window.statusBar()->objectName(), "StatusBar1");
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

    // Search, Reflash and Exit from top to bottom right of the top frame.
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

    // The save buttons stand right of the display frame, below the measuring one.
    const QRect save = place(model.CMD_USER);
    EXPECT_GT(save.left(), display.right());
    EXPECT_GT(save.top(), measuring.bottom());
    EXPECT_LT(save.bottom(), command.top());
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

TEST_F(MainWindowTest, PressureAndTemperatureAreLargeAndRightAligned)
{
    const QFont normal = get<QLineEdit>(model.TXT_TYPE)->font();
    for (const TextBox *box : {&model.TXT_PRESSURE, &model.TXT_TEMPERATURE}) {
        auto *edit = get<QLineEdit>(*box);
        EXPECT_GE(edit->font().pointSizeF(), normal.pointSizeF() * 1.5) << box->name();
        EXPECT_TRUE(edit->alignment() & Qt::AlignRight) << box->name();
        EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(edit->text())) << "initial text fits";
    }
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

TEST_F(MainWindowTest, ClosingWhileTheSearchRunsIsRefused)
{
    // Nothing answers: the search pauses at every address, where the
    // operator's close and then Stop come in.
    port.setResponder([](const std::string &) { return std::nullopt; });
    std::vector<bool> closed;
    QTimer::singleShot(0, &window, [&] {
        closed.push_back(window.close());
        QTest::mouseClick(get<QPushButton>(model.cmdSEARCH), Qt::LeftButton);
    });
    QTest::mouseClick(get<QPushButton>(model.cmdSEARCH), Qt::LeftButton);
    ASSERT_EQ(closed.size(), 1U);
    EXPECT_FALSE(closed[0]);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(get<QPushButton>(model.cmdSEARCH)->text(), "Search");
    EXPECT_LT(port.writes().size(), 10U) << "Stop ended the search early";
}

} // namespace
} // namespace ortavel::test
