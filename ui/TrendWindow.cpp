#include "TrendWindow.h"

#include "FormView.h"
#include "QtText.h"
#include "text/OperatorText.h"
#include "trend/FrmTrend.h"

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace ortavel {

namespace {

const QColor kPressureColor(0, 90, 200);
const QColor kTemperatureColor(210, 80, 0);

QString pressureName()
{
    return shown(OT_TR("Ortavel", "Pressure"));
}

QString temperatureName()
{
    return shown(OT_TR("Ortavel", "Temperature"));
}

QList<QPointF> points(const TrendSegment &segment, double timeScale)
{
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(segment.size()));
    for (const TrendPoint &point : segment)
        list.append(QPointF(point.x / timeScale, point.y));
    return list;
}

void horizontal(QLineSeries *line, const std::optional<double> &value, double x0, double x1)
{
    if (value)
        line->replace(QList<QPointF>{QPointF(x0, *value), QPointF(x1, *value)});
    else
        line->clear();
}

} // namespace

TrendWindow::TrendWindow(std::unique_ptr<FrmTrend> model, QWidget *parent) : QWidget(parent), m_model(std::move(model))
{
    FrmTrend &m = *m_model;
    m_view = new FormView(m, this, this, nullptr);

    auto *column = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    for (const Control *control :
         std::initializer_list<const Control *>{&m.lblSpan, &m.cmbSpan, &m.chkPause, &m.cmdSaveCsv, &m.cmdSavePng})
        bar->addWidget(m_view->widget(control->name()));
    bar->addStretch(1);
    bar->addWidget(m_view->widget(m.lblLast.name()));
    column->addLayout(bar);

    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_timeAxis = new QValueAxis;
    m_pressureAxis = new QValueAxis;
    m_temperatureAxis = new QValueAxis;
    m_pressureAxis->setLinePenColor(kPressureColor);
    m_pressureAxis->setLabelsColor(kPressureColor);
    m_temperatureAxis->setLinePenColor(kTemperatureColor);
    m_temperatureAxis->setLabelsColor(kTemperatureColor);
    m_chart->addAxis(m_timeAxis, Qt::AlignBottom);
    m_chart->addAxis(m_pressureAxis, Qt::AlignLeft);
    m_chart->addAxis(m_temperatureAxis, Qt::AlignRight);

    // The lines first, so that the legend names them first; nameLines() names them.
    m_pressure.series.push_back(makeSeries({}, QPen(kPressureColor, 1.5), m_pressureAxis));
    m_temperature.series.push_back(makeSeries({}, QPen(kTemperatureColor, 1.5), m_temperatureAxis));
    QPen dashed(kPressureColor, 1, Qt::DashLine);
    m_pressureHigh = makeSeries({}, dashed, m_pressureAxis);
    m_pressureLow = makeSeries({}, QPen(kPressureColor, 1, Qt::DotLine), m_pressureAxis);
    dashed.setColor(kTemperatureColor);
    m_temperatureHigh = makeSeries({}, dashed, m_temperatureAxis);
    m_temperatureLow = makeSeries({}, QPen(kTemperatureColor, 1, Qt::DotLine), m_temperatureAxis);
    nameLines();

    m_chartView = new QChartView(m_chart, this);
    m_chartView->setObjectName(QStringLiteral("chart"));
    m_chartView->setRenderHint(QPainter::Antialiasing, false);
    m_chartView->setMinimumSize(480, 300);
    column->addWidget(m_chartView, 1);
    resize(900, 560);

    m.onRedraw = [this] { redraw(); };
    m.chooseSaveFile = [this](const std::string &suggested) -> std::optional<std::string> {
        const bool png = suggested.ends_with(".png");
        const QString file = QFileDialog::getSaveFileName(
            this, png ? shown(OT_TR("Ortavel", "Save trend picture")) : shown(OT_TR("Ortavel", "Save trend")),
            QString::fromStdString(suggested),
            png ? shown(OT_TR("Ortavel", "PNG (*.png)")) : shown(OT_TR("Ortavel", "CSV (*.csv)")));
        return file.isEmpty() ? std::nullopt : std::optional(file.toStdString());
    };
    m.savePicture = [this](const std::string &path) {
        return m_chartView->grab().save(QString::fromStdString(path), "PNG");
    };
    redraw();
}

// The binders hold on to the model: they go first.
TrendWindow::~TrendWindow()
{
    m_model->onRedraw = nullptr;
    m_model->savePicture = nullptr;
    m_model->chooseSaveFile = nullptr;
    qDeleteAll(findChildren<QObject *>(Qt::FindDirectChildrenOnly));
}

void TrendWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        nameLines();
        redraw();
    }
    QWidget::changeEvent(event);
}

void TrendWindow::nameLines()
{
    for (QLineSeries *line : m_pressure.series)
        line->setName(pressureName());
    for (QLineSeries *line : m_temperature.series)
        line->setName(temperatureName());
    m_pressureHigh->setName(shown(OT_TR("Ortavel", "Pressure max")));
    m_pressureLow->setName(shown(OT_TR("Ortavel", "Pressure min")));
    m_temperatureHigh->setName(shown(OT_TR("Ortavel", "Temperature max")));
    m_temperatureLow->setName(shown(OT_TR("Ortavel", "Temperature min")));
    m_temperatureAxis->setTitleText(shown(OT_TR("Ortavel", "Temperature (℃)")));
}

QLineSeries *TrendWindow::makeSeries(const QString &name, const QPen &pen, QValueAxis *valueAxis)
{
    auto *series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    m_chart->addSeries(series);
    series->attachAxis(m_timeAxis);
    series->attachAxis(valueAxis);
    return series;
}

template <typename Segments>
void TrendWindow::fill(Pool &pool, const Segments &segments, double timeScale, const QPen &pen, QValueAxis *valueAxis,
                       const QString &name)
{
    while (pool.series.size() < std::max<std::size_t>(segments.size(), 1)) {
        QLineSeries *series = makeSeries(name, pen, valueAxis);
        // One legend entry per quantity.
        if (!pool.series.empty()) {
            for (QLegendMarker *marker : m_chart->legend()->markers(series))
                marker->setVisible(false);
        }
        pool.series.push_back(series);
    }
    for (std::size_t i = 0; i < pool.series.size(); ++i) {
        if (i < segments.size())
            pool.series[i]->replace(points(segments[i], timeScale));
        else if (i < pool.used)
            pool.series[i]->clear();
    }
    pool.used = segments.size();
}

int TrendWindow::plotColumns() const
{
    const int width = static_cast<int>(m_chart->plotArea().width());
    return std::max(width > 0 ? width : m_chartView->width() - 120, 100);
}

void TrendWindow::redraw()
{
    const TrendPicture picture = m_model->picture(plotColumns());
    const double x0 = picture.t0 / picture.timeScale;
    const double x1 = picture.t1 / picture.timeScale;
    fill(m_pressure, picture.pressure, picture.timeScale, QPen(kPressureColor, 1.5), m_pressureAxis, pressureName());
    fill(m_temperature, picture.temperature, picture.timeScale, QPen(kTemperatureColor, 1.5), m_temperatureAxis,
         temperatureName());
    horizontal(m_pressureHigh, picture.pressureExtremes.high, x0, x1);
    horizontal(m_pressureLow, picture.pressureExtremes.low, x0, x1);
    horizontal(m_temperatureHigh, picture.temperatureExtremes.high, x0, x1);
    horizontal(m_temperatureLow, picture.temperatureExtremes.low, x0, x1);

    m_timeAxis->setRange(x0, x1);
    m_timeAxis->setTitleText(shown(ortavel::fill(OT_TR("Ortavel", "Elapsed time (%1)"), {picture.timeUnit})));
    // Scaled to the values in the span; an extreme outside it lies off the chart.
    auto pressure = picture.pressureAxis;
    auto temperature = picture.temperatureAxis;
    m_pressureAxis->setRange(pressure.first, pressure.second);
    m_temperatureAxis->setRange(temperature.first, temperature.second);
    m_pressureAxis->setTitleText(shown(ortavel::fill(OT_TR("Ortavel", "Pressure (%1)"), {picture.pressureUnit})));
}

std::vector<QLineSeries *> TrendWindow::lines(bool pressure) const
{
    const Pool &pool = pressure ? m_pressure : m_temperature;
    return {pool.series.begin(), pool.series.begin() + static_cast<std::ptrdiff_t>(pool.used)};
}

} // namespace ortavel
