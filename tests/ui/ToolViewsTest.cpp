#include "MainWindowFixture.h"
#include "controls/Label.h"
#include "traffic/FrmTraffic.h"
#include "trend/FrmTrend.h"
#include "ui/FormView.h"
#include "ui/TrafficWindow.h"
#include "ui/TrendWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineSeries>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace ortavel::test {
namespace {

void exchange(TrafficRecorder &recorder, const std::string &address, const char *result, std::int64_t ms = 20)
{
    static std::int64_t now = 0;
    now += 200;
    recorder.record(now, now + ms, 9600, address, "$" + address + "RP0\r", result, result);
}

TEST(TrafficWindow, AppendsWithoutResetFollowsTheEndAndFilters)
{
    TrafficRecorder recorder(1000);
    RecordingMessageBox messages;
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

    // The filter by address, chosen in its list.
    auto *filter = window.view().widgetAs<QComboBox>("cmbAddress");
    ASSERT_NE(filter, nullptr);
    const int seven = filter->findText(QStringLiteral("07"));
    ASSERT_GT(seven, 0);
    filter->setCurrentIndex(seven);
    emit filter->activated(seven);
    QApplication::processEvents();
    EXPECT_EQ(rows->rowCount(), 51);
    EXPECT_EQ(rows->data(rows->index(0, ExchangeTableModel::Address)).toString(), "07");

    window.model().cmdClear.click();
    EXPECT_EQ(rows->rowCount(), 0);
    EXPECT_EQ(window.statistics()->model()->rowCount(), 0);
    EXPECT_EQ(recorder.size(), 0U);
}

TEST(TrendWindow, DrawsBothValuesWithGapsUnitsAndSavesAPicture)
{
    TrendRecorder recorder;
    Label unit("Label3", "Bar");
    RecordingMessageBox messages;
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
    EXPECT_EQ(window.pressureAxis()->titleText(), "Pressure (Bar)");
    EXPECT_EQ(window.temperatureAxis()->titleText(), "Temperature (℃)");
    EXPECT_TRUE(window.pressureAxis()->min() <= 1.0 && window.pressureAxis()->max() >= 1.09);
    EXPECT_DOUBLE_EQ(window.timeAxis()->max(), 60.0);

    // The main window's unit changes: the next tick redraws with it.
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
    EXPECT_TRUE(messages.texts.empty());
}

} // namespace
} // namespace ortavel::test
