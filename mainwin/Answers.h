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

enum class ValueKind;

// A result text with the address it was asked of. Only a good reply of that
// address is an answer: a frame of another transmitter (a stray one, or one
// that collided) is shown whole like any failure.
struct Reply {
    std::string text;
    std::string asked;

    bool good() const;
    // The reply data: empty unless good.
    std::string data() const;
};

// How a reply lands in a control. A failed answer is shown whole and leaves
// the control without a value, so that no later request sends it.

// The reply data becomes the box's value, whatever it is; a failure is shown
// whole. True when the box took a value.
bool takeData(TextBox &box, const Reply &reply);

// The reply data becomes the box's value when there is any; a failure or a
// reply without data is shown whole. True when the box took a value.
bool takeAnswer(TextBox &box, const Reply &reply);

// Selects the entry that the number in the reply data names; anything else
// (failure, no data, no number, no such entry) selects none. True when an
// entry was selected.
bool selectAnswer(ComboBox &list, const Reply &reply);

// The answer to a write: the box takes the echo only when it is the value
// sent (a text to the letter, a number in the transmitter's pattern);
// anything else, the old value
// or a bare reply among them, is shown whole as a failure.
bool takeEcho(TextBox &box, const Reply &reply, std::string_view sent, ValueKind kind);

// The same for a list: only the code sent keeps the entry; anything else
// selects none, so that a refused code is never taken for a pick.
bool selectEcho(ComboBox &list, const Reply &reply, int sent);

// Why a control's value did not go out.
enum class SkipReason {
    NoValue,       // nothing read from the transmitter now selected, nor typed for it
    Empty,         // the operator emptied the box: the letters alone would be a read
    NotANumber,    // a number box whose text is no number
    TooLong,       // a number no transmitter keeps: its frame would outlast the reply's wait
    Control,       // a text with a line end or other control character: it would split the frame
    NoTransmitter, // no transmitter is selected
    FixedRate      // a rate change where the device server sets the line's rate: the line could not follow
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
    explicit OperationReport(StatusBar &bar);
    OperationReport(const OperationReport &) = delete;
    OperationReport &operator=(const OperationReport &) = delete;
    ~OperationReport();

    // A write skipped because its control holds no value to send.
    void notWritten(std::string_view letters, SkipReason reason = SkipReason::NoValue);
    // A request whose answer was not good.
    void failed(std::string_view letters);
    // Names letters as failed unless ok; returns ok.
    bool check(bool ok, std::string_view letters);
    // The same for a write, naming what came back when it was not the echo.
    bool checkEcho(bool ok, std::string_view letters, const Reply &reply);
    // The whole operation sent nothing, for this reason.
    void refused(std::string reason) { m_refused = std::move(reason); }
    // Tells the outermost operation under way, once, that a transmitter
    // answers too late; false when none is under way.
    static bool noteLateReply(std::string_view notice);
    // Tells the outermost operation under way that a request was not sent;
    // false when none is under way.
    static bool noteRefused(const std::string &reason);

private:
    StatusBar &m_bar;
    SkipList m_notWritten;
    std::string m_failed;
    std::vector<std::string> m_unconfirmed;
    std::string m_refused;
    // The late notices as one text, to tell each once, and one by one.
    std::string m_late;
    std::vector<std::string> m_lateNotices;
};

// Tells a skipped write in status panel 1, for handlers that run inside
// other operations and leave the panel alone when all went well.
void reportSkip(StatusBar &bar, std::string_view letters, SkipReason reason);
// The same for a write whose echo was not the value sent.
void reportUnconfirmed(StatusBar &bar, std::string_view letters, const Reply &reply);

// What a request's value must read as.
enum class ValueKind {
    Text,   // any text but what is left of a failed answer
    Number, // the whole text one plain decimal number, no exponent
    Address // two digits, 01 to 99
};

// The one rule for a value going out: a transmitter is selected, the control
// holds a value of it (from its good reply, or typed or picked while it was
// selected), and the value reads as the kind the request takes. Nothing when
// it may go out.
std::optional<SkipReason> whyNotSendable(bool transmitterSelected, const Control &control, std::string_view text,
                                         ValueKind kind);

} // namespace ortavel
