#include "Ortavel.h"

#include "Answers.h"
#include "link/Commands.h"
#include "link/Numbers.h"

#include <cmath>
#include <string_view>

namespace ortavel {

namespace {

constexpr std::string_view kVersionWithRange = "2.00";
// A unit handler may start a read inside a read; a transmitter that keeps
// reporting another unit must not make that chain endless.
constexpr int kMaxReadNesting = 4;

class DepthGuard {
public:
    explicit DepthGuard(int &depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard &) = delete;
    DepthGuard &operator=(const DepthGuard &) = delete;

private:
    int &m_depth;
};

} // namespace

void Ortavel::cmdReFresh_Click()
{
    // A click let in by a running search sends nothing.
    if (!searching())
        ReadTransmitterInfo();
}

void Ortavel::ReadTransmitterInfo()
{
    // Without a chosen transmitter there is no address to ask.
    const int selected = CMB_ADDR.selectedIndex();
    if (selected < 0 || selected >= static_cast<int>(OnlineList.size()))
        return;
    const int band = OnlineList[static_cast<std::size_t>(selected)];
    if (band < 0 || band >= CMB_BAND.count() || m_readDepth >= kMaxReadNesting)
        return;
    const DepthGuard guard(m_readDepth);

    changeBaud(band);
    TXT_ADDR.setText(CMB_ADDR.text());
    TXT_BAND.setText(CMB_BAND.text());
    readRows();
    Cmb_DP.setEnabled(TXT_VER.text() != kVersionWithRange);
}

void Ortavel::readRows()
{
    takeData(TXT_TYPE, ask(cmd::Type));
    takeData(TXT_VER, ask(cmd::Version));
    takeAnswer(TXT_DAL, ask(cmd::Output4mA));
    takeAnswer(TXT_DAH, ask(cmd::Output20mA));

    const bool withRange = TXT_VER.text() == kVersionWithRange;
    takeData(TXT_SCZ, ask(withRange ? cmd::RangeLow : cmd::DisplayZero));
    takeData(TXT_SCF, ask(withRange ? cmd::RangeHigh : cmd::DisplayFull));
    readUnitName(withRange ? cmd::RangeUnit : cmd::Unit);
    TXT_DPL.setEnabled(!withRange);
    TXT_DPH.setEnabled(!withRange);

    takeData(TXT_DPL, ask(cmd::DisplayZero));
    takeData(TXT_DPH, ask(cmd::DisplayFull));

    selectAnswer(cmbUnit, ask(cmd::Unit));
    const int unit = cmbUnit.selectedIndex();
    Label3.setCaption(unit < 0 ? std::string() : cmbUnit.entries().at(static_cast<std::size_t>(unit)).text);

    takeData(txtType, ask(cmd::Type));
    if (takeData(TXT_ID, ask(cmd::Ident)))
        txtID.setText(TXT_ID.text());
    else
        txtID.showFailure(TXT_ID.text());

    selectAnswer(Cmb_DP, ask(cmd::Decimals));

    readTrim(cmd::Trim4mA, TXT_DAZF, VScroll1);
    readTrim(cmd::Trim20mA, TXT_DAFF, VScroll2);

    if (takeAnswer(TXT_PRESSURE, ask(cmd::Pressure))) {
        txtMAX.setText(TXT_PRESSURE.text());
        txtMIN.setText(TXT_PRESSURE.text());
    } else {
        txtMAX.setText(MeasuringValue::kNoMaximum);
        txtMIN.setText(MeasuringValue::kNoMinimum);
    }

    const Reply temperature = ask(cmd::Temperature);
    if (!temperature.data().empty())
        TXT_TEMPERATURE.setText(formatPattern(readNumber(temperature.data()), kTemperaturePattern));
    else
        TXT_TEMPERATURE.showFailure(temperature.text);
}

// A code outside the table names no unit: "Unknown".
void Ortavel::readUnitName(std::string_view command)
{
    const Reply reply = ask(command);
    if (reply.data().empty()) {
        TXT_FUNIT.showFailure(reply.text);
        return;
    }
    const auto number = numberAtStart(reply.data());
    const int code = number ? wholeNumber32(*number).value_or(-1) : -1;
    TXT_FUNIT.setText(code >= 0 && code < kUnitCount ? UnitNames.at(static_cast<std::size_t>(code)) : UnitNames.back());
}

// A bar takes the trim only from a real answer, and only a whole position
// it can hold; moving it writes that trim back through its own handler.
// Otherwise it keeps its position but no value: the next step sends nothing.
// A trim that is no whole number is no value: rounded, it would go back as
// another trim.
void Ortavel::readTrim(std::string_view command, TextBox &box, ScrollBar &bar)
{
    const Reply reply = ask(command);
    const bool answered = takeAnswer(box, reply);
    const auto number = answered ? plainNumber(box.text()) : std::nullopt;
    const auto position = number && std::trunc(*number) == *number ? wholeNumber16(*number) : std::nullopt;
    if (answered && !position)
        box.showFailure(reply.text);
    if (!position || !bar.takeValue(*position))
        bar.forgetValue();
}

} // namespace ortavel
