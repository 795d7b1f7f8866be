#pragma once

#include <string>
#include <string_view>

namespace ortavel {

class ComboBox;
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

// What one operation of a panel left undone, told in status panel 1 when it
// ends; a fully good operation clears the panel.
class OperationReport {
public:
    explicit OperationReport(StatusBar &bar);
    OperationReport(const OperationReport &) = delete;
    OperationReport &operator=(const OperationReport &) = delete;
    ~OperationReport();

    // A write skipped because its control holds no value.
    void notWritten(std::string_view letters);
    // A request whose answer was not good.
    void failed(std::string_view letters);
    // Names letters as failed unless ok; returns ok.
    bool check(bool ok, std::string_view letters);
    // Tells the outermost operation under way, once, that a transmitter
    // answers too late; false when none is under way.
    static bool noteLateReply(std::string_view notice);

private:
    StatusBar &m_bar;
    std::string m_notWritten;
    std::string m_failed;
    std::string m_late;
};

// A value may go out only when it came from a good reply or the operator;
// an empty text would turn the write into a read.
bool holdsSendableValue(const TextBox &box);

} // namespace ortavel
