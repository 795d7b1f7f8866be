#include "Interrupt.h"

#include <atomic>
#include <csignal>

namespace ortavel::cli {

namespace {
// Atomic, not just volatile: several buses' threads read it while the
// handler sets it; lock-free, so the handler may touch it.
std::atomic<bool> g_requested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int signalNumber)
{
    g_requested = true;
    std::signal(signalNumber, SIG_DFL);
}
} // namespace

void Interrupt::install()
{
    std::signal(SIGINT, onInterrupt);
}

bool Interrupt::requested()
{
    return g_requested;
}

void Interrupt::reset()
{
    g_requested = false;
}

} // namespace ortavel::cli
