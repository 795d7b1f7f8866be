#include "Answers.h"

#include "controls/ComboBox.h"
#include "controls/StatusBar.h"
#include "controls/TextBox.h"
#include "link/Commands.h"
#include "link/Numbers.h"
#include "link/ReplyCheck.h"

namespace ortavel {

namespace {

// "*", two address characters and CR: a good reply without data.
constexpr std::size_t kBareReply = 4;

void addName(std::string &list, std::string_view letters)
{
    if (!list.empty())
        list += ", ";
    list += letters;
}

} // namespace

bool takeData(TextBox &box, const std::string &result)
{
    if (isErrorResult(result)) {
        box.showFailure(result);
        return false;
    }
    box.setText(replyData(result));
    return true;
}

bool takeAnswer(TextBox &box, const std::string &result)
{
    if (isErrorResult(result) || result.size() <= kBareReply) {
        box.showFailure(result);
        return false;
    }
    box.setText(replyData(result));
    return true;
}

bool selectAnswer(ComboBox &list, const std::string &result)
{
    int index = -1;
    if (!isErrorResult(result) && result.size() > kBareReply) {
        const auto number = numberAtStart(replyData(result));
        const auto whole = number ? wholeNumber16(*number) : std::nullopt;
        if (whole && *whole >= 0 && *whole < list.count())
            index = *whole;
    }
    list.setSelectedIndex(index);
    return index >= 0;
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
        break;
    case ValueKind::Number:
        if (!isNumberText(text))
            return SkipReason::NotANumber;
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
    std::string text;
    for (const SkipReason reason :
         {SkipReason::NoTransmitter, SkipReason::NoValue, SkipReason::Empty, SkipReason::NotANumber}) {
        std::string names;
        for (const auto &[letters, why] : m_skipped) {
            if (why == reason)
                addName(names, letters);
        }
        if (names.empty())
            continue;
        static constexpr const char *kWhy[] = {" (no value read)", " (empty)", " (not a number)",
                                               " (no transmitter selected)"};
        text += (text.empty() ? "" : "; ") + names + kWhy[static_cast<int>(reason)];
    }
    return text;
}

void reportSkip(StatusBar &bar, std::string_view letters, SkipReason reason)
{
    SkipList skipped;
    skipped.add(letters, reason);
    bar.setPanel(1, "Not written: " + skipped.text());
}

OperationReport::~OperationReport()
{
    std::string text;
    if (!m_refused.empty())
        text = "Nothing sent: " + m_refused;
    if (!m_notWritten.empty())
        text = "Not written: " + m_notWritten.text();
    if (!m_failed.empty())
        text += (text.empty() ? "No good reply: " : "; no good reply: ") + m_failed;
    m_bar.setPanel(1, text);
}

void OperationReport::notWritten(std::string_view letters, SkipReason reason)
{
    m_notWritten.add(letters, reason);
}

void OperationReport::failed(std::string_view letters)
{
    addName(m_failed, letters);
}

bool OperationReport::check(bool ok, std::string_view letters)
{
    if (!ok)
        failed(letters);
    return ok;
}

} // namespace ortavel
