#include "TimerQueue.h"

#include <algorithm>

namespace ortavel::sim {

void TimerQueue::schedule(Clock::time_point due, std::uint64_t group, Action action)
{
    m_items.push_back({due, m_sequence++, group, std::move(action)});
}

std::size_t TimerQueue::cancel(std::uint64_t group)
{
    const auto before = m_items.size();
    std::erase_if(m_items, [group](const Item &item) { return item.group == group; });
    return before - m_items.size();
}

std::optional<TimerQueue::Clock::time_point> TimerQueue::nextDue() const
{
    if (m_items.empty())
        return std::nullopt;
    return std::min_element(m_items.begin(), m_items.end(), [](const Item &a, const Item &b) { return a.due < b.due; })
        ->due;
}

void TimerQueue::runDue(Clock::time_point now)
{
    for (;;) {
        auto first = m_items.end();
        for (auto it = m_items.begin(); it != m_items.end(); ++it) {
            if (it->due <= now && (first == m_items.end() || it->due < first->due ||
                                   (it->due == first->due && it->sequence < first->sequence)))
                first = it;
        }
        if (first == m_items.end())
            return;
        Action action = std::move(first->action);
        m_items.erase(first);
        action();
    }
}

} // namespace ortavel::sim
