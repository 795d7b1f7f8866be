#include "Ortavel.h"

#include "link/Commands.h"
#include "link/Numbers.h"

#include <string_view>

namespace ortavel {

namespace {

constexpr std::string_view kVersionWithRange = "2.00";
constexpr const char *kTemperaturePattern = "###0.0";
// A unit handler may start a read inside a read; a transmitter that keeps
// reporting another unit must not make that chain endless.
constexpr int kMaxReadNesting = 4;

bool hasData(const std::string &result)
{
    return result.size() > 4;
}

// The whole result, or its reply data when there is any.
std::string dataIfLonger(const std::string &result)
{
    return hasData(result) ? replyData(result) : result;
}

// The whole number a reply carries, if it fits 16 bits.
std::optional<int> replyIndex(const std::string &result)
{
    const auto value = wholeNumber16(readNumber(replyData(result)));
    if (!value)
        return std::nullopt;
    return *value;
}

// An index the list cannot hold (or -1 to clear) leaves the selection alone.
void selectFromReply(ComboBox &list, const std::string &result)
{
    if (isErrorResult(result))
        return;
    if (const auto index = replyIndex(result); index && *index >= -1 && *index < list.count())
        list.setSelectedIndex(*index);
}

// Boxes whose text is later sent to a transmitter keep it when the answer
// is an error text.
void takeUnlessError(TextBox &box, const std::string &text, const std::string &result)
{
    if (!isErrorResult(result))
        box.setText(text);
}

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

std::string Ortavel::unitName(const std::string &result) const
{
    const auto code = wholeNumber32(readNumber(replyData(result)));
    if (!code || *code < 0 || *code >= kUnitCount)
        return UnitNames.back();
    return UnitNames.at(static_cast<std::size_t>(*code));
}

std::string Ortavel::ask(std::string_view command)
{
    return Comm_Send(CMB_ADDR.text(), std::string(command));
}

void Ortavel::readRows()
{
    TXT_TYPE.setText(replyData(ask(cmd::Type)));
    TXT_VER.setText(replyData(ask(cmd::Version)));
    std::string result = ask(cmd::Output4mA);
    takeUnlessError(TXT_DAL, dataIfLonger(result), result);
    result = ask(cmd::Output20mA);
    takeUnlessError(TXT_DAH, dataIfLonger(result), result);

    const bool withRange = TXT_VER.text() == kVersionWithRange;
    TXT_SCZ.setText(replyData(ask(withRange ? cmd::RangeLow : cmd::DisplayZero)));
    TXT_SCF.setText(replyData(ask(withRange ? cmd::RangeHigh : cmd::DisplayFull)));
    TXT_FUNIT.setText(unitName(ask(withRange ? cmd::RangeUnit : cmd::Unit)));
    TXT_DPL.setEnabled(!withRange);
    TXT_DPH.setEnabled(!withRange);

    result = ask(cmd::DisplayZero);
    takeUnlessError(TXT_DPL, replyData(result), result);
    result = ask(cmd::DisplayFull);
    takeUnlessError(TXT_DPH, replyData(result), result);

    selectFromReply(cmbUnit, ask(cmd::Unit));
    const int unit = cmbUnit.selectedIndex();
    Label3.setCaption(unit < 0 ? std::string() : cmbUnit.entries().at(static_cast<std::size_t>(unit)).text);

    result = ask(cmd::Type);
    takeUnlessError(txtType, replyData(result), result);
    result = ask(cmd::Ident);
    TXT_ID.setText(replyData(result));
    takeUnlessError(txtID, TXT_ID.text(), result);

    result = ask(cmd::Decimals);
    if (hasData(result))
        selectFromReply(Cmb_DP, result);

    readTrim(cmd::Trim4mA, TXT_DAZF, VScroll1);
    readTrim(cmd::Trim20mA, TXT_DAFF, VScroll2);

    result = ask(cmd::Pressure);
    TXT_PRESSURE.setText(dataIfLonger(result));
    txtMAX.setText(TXT_PRESSURE.text());
    txtMIN.setText(TXT_PRESSURE.text());

    result = ask(cmd::Temperature);
    TXT_TEMPERATURE.setText(hasData(result) ? formatPattern(readNumber(replyData(result)), kTemperaturePattern)
                                            : result);
}

// A bar takes the trim only from a real answer, and only a position it can
// hold; moving it writes that trim back through its own handler.
void Ortavel::readTrim(std::string_view command, TextBox &box, ScrollBar &bar)
{
    const std::string result = ask(command);
    if (isErrorResult(result))
        return;
    box.setText(dataIfLonger(result));
    if (!hasData(result))
        return;
    if (const auto position = wholeNumber16(readNumber(box.text())))
        bar.setValue(*position);
}

} // namespace ortavel
