#include "ReportNumbers.h"

#include "link/SettingsStore.h"
#include "text/OperatorText.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <limits>

namespace ortavel::verify {

namespace {
constexpr const char *kCounterApplication = "Ortavel";
constexpr const char *kCounterSection = "Verification";
constexpr const char *kLocalSource = OT_TR("Ortavel", "the local counter");
} // namespace

std::string reportNumberText(const std::string &prefix, int year, int sequence)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", sequence);
    return (prefix.empty() ? "" : prefix + "-") + std::to_string(year) + "-" + digits;
}

LocalReportNumbers::LocalReportNumbers(SettingsStore &settings, std::string prefix)
    : m_settings(settings), m_prefix(std::move(prefix))
{
}

std::string LocalReportNumbers::key(int year) const
{
    // The settings file takes '/' as a group and may fold case or drop
    // other characters; the leading '_' gives the empty prefix a key too.
    std::string key = "LastReportNumber/" + std::to_string(year) + "/_";
    for (const char c : m_prefix) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) != 0 || c == '-') {
            key += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", u);
            key += hex;
        }
    }
    return key;
}

std::optional<int> LocalReportNumbers::last(int year)
{
    const std::string text = m_settings.value(kCounterApplication, kCounterSection, key(year), "0");
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // Counting again from 1 would hand out numbers already printed.
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        m_error =
            fill(OT_TR("Ortavel", "the local report counter %1 holds \"%2\", not a count: correct it in %3's settings"),
                 {key(year), text, kCounterApplication});
        return std::nullopt;
    }
    return value;
}

std::optional<ReportNumber> LocalReportNumbers::next(int year)
{
    const auto sequence = last(year);
    if (!sequence)
        return std::nullopt;
    if (*sequence == std::numeric_limits<int>::max()) {
        m_error = fill(OT_TR("Ortavel", "the local report counter %1 is used up"), {key(year)});
        return std::nullopt;
    }
    if (!m_settings.setValue(kCounterApplication, kCounterSection, key(year), std::to_string(*sequence + 1))) {
        m_error = OT_TR("Ortavel", "cannot keep the local report counter in the settings");
        return std::nullopt;
    }
    return ReportNumber{reportNumberText(m_prefix, year, *sequence + 1), kLocalSource};
}

void LocalReportNumbers::follow(int year, int sequence)
{
    const auto sequenceNow = last(year);
    if (sequenceNow && *sequenceNow < sequence)
        m_settings.setValue(kCounterApplication, kCounterSection, key(year), std::to_string(sequence));
}

} // namespace ortavel::verify
