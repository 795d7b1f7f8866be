#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ortavel {

class ComboBox;
class Control;
class StatusBar;
class TextBox;

// How a result text lands in a control. A failed answer is shown whole and
// leaves the control without a value, so that no later request sends it.

// The reply data becomes the box's value, whatever it is; an error result
// is shown whole. True when the box took a value.
bool takeData(TextBox &box, const std::string &result);

// The reply data becomes the box's value when there is any; an error result
// or a reply without data is shown whole. True when the box took a value.
bool takeAnswer(TextBox &box, const std::string &result);

// Selects the entry that the number in the reply data names; anything else
// (error, no data, no number, no such entry) selects none. True when an
// entry was selected.
bool selectAnswer(ComboBox &list, const std::string &result);

// Why a control's value did not go out.
enum class SkipReason {
    NoValue,      // nothing read from the transmitter now selected, nor typed for it
    Empty,        // the operator emptied the box: the letters alone would be a read
    NotANumber,   // a number box whose text is no number
    NoTransmitter // no transmitter is selected
};

// The writes an operation skipped, by reason: "DL, DH (no value read); OL
// (not a number)".
class SkipList {
public:
    void add(std::string_view letters, SkipReason reason);
    bool empty() const { return m_skipped.empty(); }
    std::string text() const;

private:
    std::vector<std::pair<std::string, SkipReason>> m_skipped;
};

// What one operation of a panel left undone, told in status panel 1 when it
// ends; a fully good operation clears the panel.
class OperationReport {
public:
    explicit OperationReport(StatusBar &bar) : m_bar(bar) {}
    OperationReport(const OperationReport &) = delete;
    OperationReport &operator=(const OperationReport &) = delete;
    ~OperationReport();

    // A write skipped because its control holds no value to send.
    void notWritten(std::string_view letters, SkipReason reason = SkipReason::NoValue);
    // A request whose answer was not good.
    void failed(std::string_view letters);
    // Names letters as failed unless ok; returns ok.
    bool check(bool ok, std::string_view letters);
    // The whole operation sent nothing, for this reason.
    void refused(std::string reason) { m_refused = std::move(reason); }

private:
    StatusBar &m_bar;
    SkipList m_notWritten;
    std::string m_failed;
    std::string m_refused;
};

// Tells a skipped write in status panel 1, for handlers that run inside
// other operations and leave the panel alone when all went well.
void reportSkip(StatusBar &bar, std::string_view letters, SkipReason reason);

// What a request's value must read as.
enum class ValueKind {
    Text,   // any text but what is left of a failed answer
    Number, // the whole text one decimal number
    Address // two digits, 01 to 99
};

// The one rule for a value going out: a transmitter is selected, the control
// holds a value of it (from its good reply, or typed or picked while it was
// selected), and the value reads as the kind the request takes. Nothing when
// it may go out.
std::optional<SkipReason> whyNotSendable(bool transmitterSelected, const Control &control, std::string_view text,
                                         ValueKind kind);

} // namespace ortavel
