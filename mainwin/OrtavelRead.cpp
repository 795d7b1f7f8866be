#include "Ortavel.h"

#include "Answers.h"
#include "link/Commands.h"
#include "link/Numbers.h"

#include <algorithm>
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
    // A window's run owns the line and its rate between its exchanges.
    if (!m_windowOperation.empty()) {
        tellRefused(m_windowOperation);
        return;
    }
    const int band = OnlineList[static_cast<std::size_t>(selected)];
    if (band < 0 || band >= CMB_BAND.count() || m_readDepth >= kMaxReadNesting)
        return;

    // A read started inside this one adds to its snapshot.
    const bool outermost = m_readDepth == 0;
    const std::string address = CMB_ADDR.text();
    if (outermost)
        m_readFields.clear();
    const DepthGuard guard(m_readDepth);

    changeBaud(band);
    TXT_ADDR.setText(CMB_ADDR.text());
    TXT_BAND.setText(CMB_BAND.text());
    readRows();
    Cmb_DP.setEnabled(TXT_VER.text() != kVersionWithRange);
    if (outermost)
        recordSnapshot(address);
}

Reply Ortavel::readField(std::string_view command)
{
    Reply reply = ask(command);
    SnapshotField field{std::string(command), reply.good() ? reply.data() : reply.text, reply.good()};
    // A field read twice counts as last read, where it was first read.
    const auto same = std::find_if(m_readFields.begin(), m_readFields.end(),
                                   [&](const SnapshotField &f) { return f.parameter == field.parameter; });
    if (same == m_readFields.end())
        m_readFields.push_back(std::move(field));
    else
        *same = std::move(field);
    return reply;
}

void Ortavel::recordSnapshot(const std::string &address)
{
    if (!m_readFields.empty())
        m_history.snapshot(address, m_readFields);
    m_readFields.clear();
}

void Ortavel::readRows()
{
    takeData(TXT_TYPE, readField(cmd::Type));
    takeData(TXT_VER, readField(cmd::Version));
    takeAnswer(TXT_DAL, readField(cmd::Output4mA));
    takeAnswer(TXT_DAH, readField(cmd::Output20mA));

    const bool withRange = TXT_VER.text() == kVersionWithRange;
    takeData(TXT_SCZ, readField(withRange ? cmd::RangeLow : cmd::DisplayZero));
    takeData(TXT_SCF, readField(withRange ? cmd::RangeHigh : cmd::DisplayFull));
    readUnitName(withRange ? cmd::RangeUnit : cmd::Unit);
    TXT_DPL.setEnabled(!withRange);
    TXT_DPH.setEnabled(!withRange);

    takeData(TXT_DPL, readField(cmd::DisplayZero));
    takeData(TXT_DPH, readField(cmd::DisplayFull));

    selectAnswer(cmbUnit, readField(cmd::Unit));
    const int unit = cmbUnit.selectedIndex();
    Label3.setCaption(unit < 0 ? std::string() : cmbUnit.entries().at(static_cast<std::size_t>(unit)).text);

    takeData(txtType, readField(cmd::Type));
    if (takeData(TXT_ID, readField(cmd::Ident)))
        txtID.setText(TXT_ID.text());
    else
        txtID.showFailure(TXT_ID.text());

    selectAnswer(Cmb_DP, readField(cmd::Decimals));

    readTrim(cmd::Trim4mA, TXT_DAZF, VScroll1);
    readTrim(cmd::Trim20mA, TXT_DAFF, VScroll2);

    if (takeAnswer(TXT_PRESSURE, readField(cmd::Pressure))) {
        txtMAX.setText(TXT_PRESSURE.text());
        txtMIN.setText(TXT_PRESSURE.text());
    } else {
        txtMAX.setText(MeasuringValue::kNoMaximum);
        txtMIN.setText(MeasuringValue::kNoMinimum);
    }

    const Reply temperature = readField(cmd::Temperature);
    if (!temperature.data().empty())
        TXT_TEMPERATURE.setText(formatPattern(readNumber(temperature.data()), kTemperaturePattern));
    else
        TXT_TEMPERATURE.showFailure(temperature.text);
}

// A code outside the table names no unit: "Unknown".
void Ortavel::readUnitName(std::string_view command)
{
    const Reply reply = readField(command);
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
    const Reply reply = readField(command);
    const bool answered = takeAnswer(box, reply);
    const auto number = answered ? plainNumber(box.text()) : std::nullopt;
    const auto position = number && std::trunc(*number) == *number ? wholeNumber16(*number) : std::nullopt;
    if (answered && !position)
        box.showFailure(reply.text);
    if (!position || !bar.takeValue(*position))
        bar.forgetValue();
}

} // namespace ortavel
