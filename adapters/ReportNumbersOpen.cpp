#include "ReportNumbersOpen.h"

#include <utility>

namespace ortavel {

namespace {

#if ORTAVEL_HISTORY
class HistoryReportNumbers final : public verify::ReportNumbers {
public:
    HistoryReportNumbers(const HistoryPlace &place, SettingsStore &settings, std::string prefix)
        : m_store(place), m_local(settings, prefix), m_prefix(std::move(prefix))
    {
    }

    std::optional<verify::ReportNumber> next(int year) override
    {
        // open() connects anew: after a failure the old connection may be dead.
        const bool ready = (m_isReady && m_store.isOpen()) || m_store.open();
        const auto sequence = ready ? m_store.nextReportSequence(m_prefix, year) : std::nullopt;
        m_isReady = sequence.has_value();
        if (sequence) {
            m_local.follow(year, *sequence);
            return verify::ReportNumber{verify::reportNumberText(m_prefix, year, *sequence),
                                        "the history at " + m_store.place().text()};
        }
        auto number = m_local.next(year);
        if (!number) {
            m_error = m_local.errorString() + "; the history at " + m_store.place().text() +
                      " could not give one either (" + m_store.errorString() + ")";
            return std::nullopt;
        }
        number->source += ", since the history at " + m_store.place().text() + " could not give one (" +
                          m_store.errorString() + "); another computer may print the same number";
        number->fellBack = true;
        return number;
    }
    std::string errorString() const override { return m_error; }

private:
    HistoryStoreSql m_store;
    verify::LocalReportNumbers m_local;
    std::string m_prefix;
    std::string m_error;
    bool m_isReady = false;
};
#endif

} // namespace

std::unique_ptr<verify::ReportNumbers> openReportNumbers(const std::optional<HistoryPlace> &history,
                                                         SettingsStore &settings, std::string prefix)
{
#if ORTAVEL_HISTORY
    if (history)
        return std::make_unique<HistoryReportNumbers>(*history, settings, std::move(prefix));
#else
    (void)history;
#endif
    return std::make_unique<verify::LocalReportNumbers>(settings, std::move(prefix));
}

} // namespace ortavel
