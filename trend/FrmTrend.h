#pragma once

#include "TrendRecorder.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/SaveFile.h"
#include "controls/Timer.h"
#include "text/OperatorText.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ortavel {

class MessageBox;

// What the chart shows at one redraw, all of it plain data.
struct TrendPicture {
    double t0 = 0;
    double t1 = 60;
    // The time axis unit ("s", "min", "h") and the divisor from seconds.
    std::string timeUnit = "s";
    double timeScale = 1;
    std::vector<TrendSegment> pressure;
    std::vector<TrendSegment> temperature;
    Extremes pressureExtremes;
    Extremes temperatureExtremes;
    // The value axes, with a margin around what is shown.
    std::pair<double, double> pressureAxis{0, 1};
    std::pair<double, double> temperatureAxis{0, 1};
    std::string pressureUnit;
};

// The Trend window: pressure and temperature of the collect loop against
// elapsed time. The redraw timer asks the view to draw at most ten times a
// second, and only when something changed; the picture is decimated to the
// plot's width.
class FrmTrend : public Form {
public:
    static constexpr int kRedrawMs = 100;
    // Spans of the list, in seconds; 0 is all.
    static constexpr std::array<int, 4> kSpans = {60, 600, 3600, 0};

    // unit: the main window's pressure unit label.
    FrmTrend(TrendRecorder &recorder, const Label &unit, MessageBox &messages);

    Label lblSpan{"lblSpan", OT_TR("Ortavel", "Span:")};
    ComboBox cmbSpan{"cmbSpan"};
    CheckBox chkPause{"chkPause", OT_TR("Ortavel", "Pause")};
    Button cmdSaveCsv{"cmdSaveCsv", OT_TR("Ortavel", "Save CSV...")};
    Button cmdSavePng{"cmdSavePng", OT_TR("Ortavel", "Save PNG...")};
    Label lblLast{"lblLast", ""};
    Timer tmrRedraw{"tmrRedraw", kRedrawMs};

    void tmrRedraw_Timer();
    void cmdSaveCsv_Click();
    void cmdSavePng_Click();

    // The picture for a plot columns pixels wide, at the chosen span.
    TrendPicture picture(int columns) const;
    bool saveCsv(const std::string &path) const;
    int redraws() const { return m_redraws; }

    // The view's side: redraw with the plot's width in pixels.
    std::function<void()> onRedraw;
    ChooseSaveFile chooseSaveFile;
    // Renders the chart into a PNG file.
    std::function<bool(const std::string &path)> savePicture;

private:
    TrendRecorder &m_recorder;
    const Label &m_unit;
    MessageBox &m_messages;
    std::uint64_t m_drawnGeneration = 0;
    int m_drawnSpan = -1;
    std::string m_drawnUnit;
    int m_redraws = 0;
};

} // namespace ortavel
