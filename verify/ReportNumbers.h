#pragma once

#include <optional>
#include <string>

namespace ortavel {
class SettingsStore;
}

namespace ortavel::verify {

// A report's number and where it came from, for the operator to see:
// "the history at postgresql:plant", "the local counter", or the local
// counter with the reason the history was not used.
struct ReportNumber {
    std::string text;
    std::string source;
    bool fellBack = false; // a history is kept but could not give it
};

// "CAL-2026-0007": prefix and dash (none when the prefix is empty), year,
// and the sequence with at least four digits.
std::string reportNumberText(const std::string &prefix, int year, int sequence);

// Hands out report numbers of one prefix. A number returned is taken:
// never returned again. nullopt, with the reason in errorString(), when
// none could be taken.
class ReportNumbers {
public:
    virtual ~ReportNumbers() = default;
    virtual std::optional<ReportNumber> next(int year) = 0;
    virtual std::string errorString() const = 0;
};

// The counter in this computer's settings: Ortavel/Verification, key
// LastReportNumber/YEAR/_PREFIX (the prefix with every character but
// letters, digits and '-' as %XX). Programs on other computers count on
// their own, and two programs on this one taking a number in the same
// instant could read the same value.
class LocalReportNumbers final : public ReportNumbers {
public:
    LocalReportNumbers(SettingsStore &settings, std::string prefix);

    std::optional<ReportNumber> next(int year) override;
    std::string errorString() const override { return m_error; }
    // Raises the counter to at least `sequence`: once the history handed it
    // out, a number from here goes on after it.
    void follow(int year, int sequence);

private:
    std::string key(int year) const;
    std::optional<int> last(int year);

    SettingsStore &m_settings;
    std::string m_prefix;
    std::string m_error;
};

} // namespace ortavel::verify
