#include "FrmTrend.h"

#include "controls/MessageBox.h"

#include <algorithm>
#include <cmath>

namespace ortavel {

namespace {

// Pressure and temperature get different margins, so that their extremes
// lines, at the edges of what is shown, do not cover each other.
constexpr double kPressureMargin = 0.05;
constexpr double kTemperatureMargin = 0.12;

std::pair<double, double> withMargin(std::optional<std::pair<double, double>> range, const Extremes &extremes,
                                     double share)
{
    if (!range)
        return extremes.low ? std::pair{*extremes.low - 1, *extremes.high + 1} : std::pair{0.0, 1.0};
    const double span = range->second - range->first;
    const double margin = span > 0 ? span * share : std::max(std::abs(range->first) * 0.01, 0.5);
    return {range->first - margin, range->second + margin};
}

std::string valueText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

} // namespace

FrmTrend::FrmTrend(TrendRecorder &recorder, const Label &unit, MessageBox &messages)
    : Form("Trend", OT_TR("Ortavel", "Trend")), m_recorder(recorder), m_unit(unit), m_messages(messages)
{
    for (Control *control : std::initializer_list<Control *>{&lblSpan, &cmbSpan, &chkPause, &cmdSaveCsv, &cmdSavePng,
                                                             &lblLast, &tmrRedraw})
        add(*control);
    int index = 0;
    for (const char *span : {"1 min", "10 min", "1 h", OT_TR("Ortavel", "all")})
        cmbSpan.addItem(span, index++);
    cmbSpan.setSelectedIndex(0);
    cmbSpan.onClick = [this] { tmrRedraw_Timer(); };
    chkPause.onClick = [this] { tmrRedraw_Timer(); };
    cmdSaveCsv.onClick = [this] { cmdSaveCsv_Click(); };
    cmdSavePng.onClick = [this] { cmdSavePng_Click(); };
    tmrRedraw.onTimer = [this] { tmrRedraw_Timer(); };
    tmrRedraw.setEnabled(true);
}

void FrmTrend::tmrRedraw_Timer()
{
    if (chkPause.checked())
        return;
    if (m_recorder.generation() == m_drawnGeneration && cmbSpan.selectedIndex() == m_drawnSpan &&
        m_unit.caption() == m_drawnUnit && m_redraws > 0)
        return;
    m_drawnGeneration = m_recorder.generation();
    m_drawnSpan = cmbSpan.selectedIndex();
    m_drawnUnit = m_unit.caption();
    ++m_redraws;
    const auto &p = m_recorder.samples(TrendQuantity::Pressure);
    const auto &t = m_recorder.samples(TrendQuantity::Temperature);
    const std::string pressure =
        p.empty()
            ? "-"
            : (std::isnan(p.back().value) ? OT_TR("Ortavel", "failed") : valueText(p.back().value) + " " + m_drawnUnit);
    const std::string temperature =
        t.empty() ? "-" : (std::isnan(t.back().value) ? OT_TR("Ortavel", "failed") : valueText(t.back().value) + " ℃");
    lblLast.setCaption(fill(OT_TR("Ortavel", "Last: %1, %2"), {pressure, temperature}));
    if (onRedraw)
        onRedraw();
}

TrendPicture FrmTrend::picture(int columns) const
{
    TrendPicture picture;
    const int index = std::clamp(cmbSpan.selectedIndex(), 0, static_cast<int>(kSpans.size()) - 1);
    const double span = kSpans.at(static_cast<std::size_t>(index));
    const double last = m_recorder.lastTimeS();
    if (span > 0) {
        picture.t1 = std::max(last, span);
        picture.t0 = picture.t1 - span;
    } else {
        picture.t0 = 0;
        picture.t1 = std::max(last, 1.0);
    }
    const double shown = picture.t1 - picture.t0;
    if (shown > 3 * 3600.0) {
        picture.timeUnit = "h";
        picture.timeScale = 3600;
    } else if (shown > 600.0) {
        picture.timeUnit = "min";
        picture.timeScale = 60;
    }
    picture.pressure = decimateTrend(m_recorder.samples(TrendQuantity::Pressure), picture.t0, picture.t1, columns);
    picture.temperature =
        decimateTrend(m_recorder.samples(TrendQuantity::Temperature), picture.t0, picture.t1, columns);
    picture.pressureExtremes = m_recorder.extremes(TrendQuantity::Pressure);
    picture.temperatureExtremes = m_recorder.extremes(TrendQuantity::Temperature);
    picture.pressureAxis = withMargin(valueRange(picture.pressure), picture.pressureExtremes, kPressureMargin);
    picture.temperatureAxis =
        withMargin(valueRange(picture.temperature), picture.temperatureExtremes, kTemperatureMargin);
    picture.pressureUnit = m_unit.caption();
    return picture;
}

bool FrmTrend::saveCsv(const std::string &path) const
{
    return writeFile(path, [this](std::ostream &out) { writeTrendCsv(out, m_recorder, m_unit.caption()); });
}

void FrmTrend::cmdSaveCsv_Click()
{
    saveToChosenFile(chooseSaveFile, "trend.csv", OT_TR("Ortavel", "Trend"), m_messages,
                     [this](const std::string &path) { return saveCsv(path); });
}

void FrmTrend::cmdSavePng_Click()
{
    saveToChosenFile(chooseSaveFile, "trend.png", OT_TR("Ortavel", "Trend"), m_messages, savePicture);
}

} // namespace ortavel
