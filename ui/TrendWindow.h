#pragma once

#include <QPen>
#include <QWidget>

#include <memory>
#include <vector>

class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace ortavel {

class FormView;
class FrmTrend;

// The Trend window on screen: span, pause and the save buttons on top, the
// chart of pressure (left axis, the main window's unit) and temperature
// (right axis, ℃) against elapsed time below. Each stretch of line between
// failed polls is a series of its own, taken from a pool that only grows.
class TrendWindow : public QWidget {
public:
    explicit TrendWindow(std::unique_ptr<FrmTrend> model, QWidget *parent = nullptr);
    ~TrendWindow() override;
    TrendWindow(const TrendWindow &) = delete;
    TrendWindow &operator=(const TrendWindow &) = delete;

    FrmTrend &model() const { return *m_model; }
    FormView &view() const { return *m_view; }
    QChartView *chartView() const { return m_chartView; }
    QChart *chart() const { return m_chart; }

    // Takes the model's picture for the plot's width into the chart.
    void redraw();
    // The line series of a quantity in use at the last redraw (with points).
    std::vector<QLineSeries *> lines(bool pressure) const;
    QValueAxis *timeAxis() const { return m_timeAxis; }
    QValueAxis *pressureAxis() const { return m_pressureAxis; }
    QValueAxis *temperatureAxis() const { return m_temperatureAxis; }

protected:
    // A new language: the lines and axes are named afresh.
    void changeEvent(QEvent *event) override;

private:
    struct Pool {
        std::vector<QLineSeries *> series;
        std::size_t used = 0;
    };
    QLineSeries *makeSeries(const QString &name, const QPen &pen, QValueAxis *valueAxis);
    void nameLines();

    // Puts the segments into the pool's series, making more when needed.
    template <typename Segments>
    void fill(Pool &pool, const Segments &segments, double timeScale, const QPen &pen, QValueAxis *valueAxis,
              const QString &name);
    int plotColumns() const;

    std::unique_ptr<FrmTrend> m_model;
    FormView *m_view;
    QChart *m_chart;
    QChartView *m_chartView;
    QValueAxis *m_timeAxis;
    QValueAxis *m_pressureAxis;
    QValueAxis *m_temperatureAxis;
    Pool m_pressure;
    Pool m_temperature;
    QLineSeries *m_pressureHigh;
    QLineSeries *m_pressureLow;
    QLineSeries *m_temperatureHigh;
    QLineSeries *m_temperatureLow;
};

} // namespace ortavel
