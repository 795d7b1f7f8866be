#include "Interrupt.h"

#include <csignal>

namespace ortavel::cli {

namespace {
volatile std::sig_atomic_t g_requested = 0;

extern "C" void onInterrupt(int signalNumber)
{
    g_requested = 1;
    std::signal(signalNumber, SIG_DFL);
}
} // namespace

void Interrupt::install()
{
    std::signal(SIGINT, onInterrupt);
}

bool Interrupt::requested()
{
    return g_requested != 0;
}

void Interrupt::reset()
{
    g_requested = 0;
}

} // namespace ortavel::cli
