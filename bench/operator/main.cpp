// The random operator's long run: actions per second, faults injected and
// requests checked. Usage: bench_operator [ACTIONS [SEED]]
#include "operator/RandomOperator.h"

#include <chrono>
#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    const int actions = argc > 1 ? std::stoi(argv[1]) : 200000;
    const std::uint64_t seed = argc > 2 ? std::stoull(argv[2]) : 20261206;
    const auto start = std::chrono::steady_clock::now();
    const auto run = ortavel::test::runRandomOperator(seed, actions);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const auto played = static_cast<double>(run.actions.size());
    std::printf("seed %llu: %zu actions in %.2f s (%.0f actions/s), %ld requests, %ld writes checked, %ld faults "
                "injected\n",
                static_cast<unsigned long long>(seed), run.actions.size(), took.count(), played / took.count(),
                run.requests, run.writesChecked, run.faultsInjected);
    if (!run.failure.empty()) {
        std::fprintf(
            stderr,
            "failed after action %zu: %s\nreplay with ORTAVEL_OPERATOR_SEED=%llu ORTAVEL_OPERATOR_ACTIONS=%zu\n",
            run.actions.size() - 1, run.failure.c_str(), static_cast<unsigned long long>(seed), run.actions.size());
        return 1;
    }
    return 0;
}
