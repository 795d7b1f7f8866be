#include "Answers.h"

#include "controls/ComboBox.h"
#include "controls/StatusBar.h"
#include "controls/TextBox.h"
#include "link/Commands.h"
#include "link/Numbers.h"
#include "link/ReplyCheck.h"
#include "text/OperatorText.h"

#include <algorithm>

namespace ortavel {

namespace {

// "*", two address characters and CR: a good reply without data.
constexpr std::size_t kBareReply = 4;
// Far beyond any value a transmitter shows ("-1234.567"), short of a frame
// that would outlast the reply's wait at 1200 baud.
constexpr std::size_t kLongestNumber = 16;

// The operation whose exchanges run now; reports opened inside it leave it be.
OperationReport *g_currentReport = nullptr;

void addName(std::string &list, std::string_view letters)
{
    if (!list.empty())
        list += ", ";
    list += letters;
}

const char *reasonText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::NoValue:
        return OT_TR("Ortavel", "no value read");
    case SkipReason::Empty:
        return OT_TR("Ortavel", "empty");
    case SkipReason::NotANumber:
        return OT_TR("Ortavel", "not a number");
    case SkipReason::TooLong:
        return OT_TR("Ortavel", "too long");
    case SkipReason::Control:
        return OT_TR("Ortavel", "holds a control character");
    case SkipReason::NoTransmitter:
        return OT_TR("Ortavel", "no transmitter selected");
    case SkipReason::FixedRate:
        return OT_TR("Ortavel", "the device server sets the line's rate");
    }
    return "";
}

// "UT (answer: *033)": the letters and the reply that did not echo them.
std::string unconfirmedText(std::string_view letters, const Reply &reply)
{
    return fill(OT_TR("Ortavel", "%1 (answer: %2)"), {letters, shownResult(reply.text)});
}

} // namespace

bool Reply::good() const
{
    return isReplyFrom(text, asked);
}

std::string Reply::data() const
{
    return good() ? replyData(text) : std::string();
}

bool takeData(TextBox &box, const Reply &reply)
{
    if (!reply.good()) {
        box.showFailure(reply.text);
        return false;
    }
    box.setText(reply.data());
    return true;
}

bool takeAnswer(TextBox &box, const Reply &reply)
{
    if (!reply.good() || reply.text.size() <= kBareReply) {
        box.showFailure(reply.text);
        return false;
    }
    box.setText(reply.data());
    return true;
}

bool selectAnswer(ComboBox &list, const Reply &reply)
{
    int index = -1;
    if (reply.good() && reply.text.size() > kBareReply) {
        const auto number = numberAtStart(reply.data());
        const auto whole = number ? wholeNumber16(*number) : std::nullopt;
        if (whole && *whole >= 0 && *whole < list.count())
            index = *whole;
    }
    list.setSelectedIndex(index);
    return index >= 0;
}

bool takeEcho(TextBox &box, const Reply &reply, std::string_view sent, ValueKind kind)
{
    const std::string echo = reply.data();
    const bool echoed = kind == ValueKind::Number ? isEchoOf(echo, sent) : echo == sent;
    if (!reply.good() || reply.text.size() <= kBareReply || !echoed) {
        box.showFailure(reply.text);
        return false;
    }
    box.setText(reply.data());
    return true;
}

bool selectEcho(ComboBox &list, const Reply &reply, int sent)
{
    const bool echoed = reply.good() && reply.data() == codeText(sent) && sent < list.count();
    list.setSelectedIndex(echoed ? sent : -1);
    return echoed;
}

std::optional<SkipReason> whyNotSendable(bool transmitterSelected, const Control &control, std::string_view text,
                                         ValueKind kind)
{
    if (!transmitterSelected)
        return SkipReason::NoTransmitter;
    if (!control.holdsCurrentValue())
        return SkipReason::NoValue;
    if (text.empty())
        return SkipReason::Empty;
    switch (kind) {
    case ValueKind::Text:
        if (text.find(kNoReply.substr(0, 5)) != std::string_view::npos ||
            text.find(kBadReply.substr(0, 5)) != std::string_view::npos)
            return SkipReason::NoValue;
        if (std::any_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; }))
            return SkipReason::Control;
        break;
    case ValueKind::Number:
        // "1e3" reads as a number elsewhere, but a box sends it as typed.
        if (!plainNumber(text))
            return SkipReason::NotANumber;
        if (text.size() > kLongestNumber || !toSingle(*plainNumber(text)))
            return SkipReason::TooLong;
        break;
    case ValueKind::Address:
        if (text.size() != 2 || text.find_first_not_of("0123456789") != std::string_view::npos || text == "00")
            return SkipReason::NotANumber;
        break;
    }
    return std::nullopt;
}

void SkipList::add(std::string_view letters, SkipReason reason)
{
    m_skipped.emplace_back(std::string(letters), reason);
}

std::string SkipList::text() const
{
    std::vector<std::string> parts;
    for (const SkipReason reason :
         {SkipReason::NoTransmitter, SkipReason::NoValue, SkipReason::Empty, SkipReason::NotANumber,
          SkipReason::TooLong, SkipReason::Control, SkipReason::FixedRate}) {
        std::string names;
        for (const auto &[letters, why] : m_skipped) {
            if (why == reason)
                addName(names, letters);
        }
        if (names.empty())
            continue;
        parts.push_back(fill(OT_TR("Ortavel", "%1 (%2)"), {names, reasonText(reason)}));
    }
    return joinTexts(parts, OT_TR("Ortavel", "; "));
}

void reportSkip(StatusBar &bar, std::string_view letters, SkipReason reason)
{
    SkipList skipped;
    skipped.add(letters, reason);
    bar.setPanel(1, fill(OT_TR("Ortavel", "Not written: %1"), {skipped.text()}));
}

void reportUnconfirmed(StatusBar &bar, std::string_view letters, const Reply &reply)
{
    bar.setPanel(1, reply.good() ? fill(OT_TR("Ortavel", "Not confirmed: %1"), {unconfirmedText(letters, reply)})
                                 : fill(OT_TR("Ortavel", "No good reply: %1"), {letters}));
}

OperationReport::OperationReport(StatusBar &bar) : m_bar(bar)
{
    if (g_currentReport == nullptr)
        g_currentReport = this;
}

OperationReport::~OperationReport()
{
    if (g_currentReport == this)
        g_currentReport = nullptr;
    // Each part is a text of its own, so that the view translates each.
    std::vector<std::string> parts;
    if (!m_notWritten.empty())
        parts.push_back(fill(OT_TR("Ortavel", "Not written: %1"), {m_notWritten.text()}));
    else if (!m_refused.empty())
        parts.push_back(fill(OT_TR("Ortavel", "Nothing sent: %1"), {m_refused}));
    if (!m_failed.empty())
        parts.push_back(parts.empty() ? fill(OT_TR("Ortavel", "No good reply: %1"), {m_failed})
                                      : fill(OT_TR("Ortavel", "no good reply: %1"), {m_failed}));
    if (!m_unconfirmed.empty()) {
        const std::string unconfirmed = joinTexts(m_unconfirmed, OT_TR("Ortavel", ", "));
        parts.push_back(parts.empty() ? fill(OT_TR("Ortavel", "Not confirmed: %1"), {unconfirmed})
                                      : fill(OT_TR("Ortavel", "not confirmed: %1"), {unconfirmed}));
    }
    parts.insert(parts.end(), m_lateNotices.begin(), m_lateNotices.end());
    m_bar.setPanel(1, joinTexts(parts, OT_TR("Ortavel", "; ")));
}

bool OperationReport::noteLateReply(std::string_view notice)
{
    if (g_currentReport == nullptr)
        return false;
    OperationReport &report = *g_currentReport;
    if (report.m_late.find(notice) == std::string::npos) {
        report.m_late += (report.m_late.empty() ? "" : "; ") + std::string(notice);
        report.m_lateNotices.emplace_back(notice);
    }
    return true;
}

bool OperationReport::noteRefused(const std::string &reason)
{
    if (g_currentReport == nullptr)
        return false;
    g_currentReport->m_refused = reason;
    return true;
}

void OperationReport::notWritten(std::string_view letters, SkipReason reason)
{
    m_notWritten.add(letters, reason);
}

void OperationReport::failed(std::string_view letters)
{
    addName(m_failed, letters);
}

bool OperationReport::checkEcho(bool ok, std::string_view letters, const Reply &reply)
{
    if (ok)
        return true;
    // A good frame that is not the echo is named with what it said; silence
    // and garbage are a plain failure.
    if (reply.good())
        m_unconfirmed.push_back(unconfirmedText(letters, reply));
    else
        failed(letters);
    return false;
}

bool OperationReport::check(bool ok, std::string_view letters)
{
    if (!ok)
        failed(letters);
    return ok;
}

} // namespace ortavel
