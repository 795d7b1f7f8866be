#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace ortavel::sim {

// Actions due at points of the steady clock, in order of time (and of
// scheduling for equal times). Actions carry a group number so that all
// actions of one reply can be dropped together.
class TimerQueue {
public:
    using Clock = std::chrono::steady_clock;
    using Action = std::function<void()>;

    void schedule(Clock::time_point due, std::uint64_t group, Action action);
    // Drops every action of a group that has not run yet; returns how many.
    std::size_t cancel(std::uint64_t group);
    void clear() { m_items.clear(); }

    std::optional<Clock::time_point> nextDue() const;
    // Runs every action due at `now`, in order; actions may schedule more.
    void runDue(Clock::time_point now);
    bool empty() const { return m_items.empty(); }

private:
    struct Item {
        Clock::time_point due;
        std::uint64_t sequence;
        std::uint64_t group;
        Action action;
    };

    std::vector<Item> m_items;
    std::uint64_t m_sequence = 0;
};

} // namespace ortavel::sim
