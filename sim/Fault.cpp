#include "Fault.h"

namespace ortavel::sim {

namespace {
struct Named {
    Fault fault;
    std::string_view name;
};

constexpr std::array<Named, 12> kNames = {{
    {Fault::None, "none"},
    {Fault::Silent, "silent"},
    {Fault::BadChecksum, "bad-checksum"},
    {Fault::LowerCaseChecksum, "lower-case-checksum"},
    {Fault::NoiseBefore, "noise-before"},
    {Fault::BytesAfter, "bytes-after"},
    {Fault::Pieces, "pieces"},
    {Fault::Late, "late"},
    {Fault::Collision, "collision"},
    {Fault::Bare, "bare"},
    {Fault::Stray, "stray"},
    {Fault::StrayBefore, "stray-before"},
}};
} // namespace

std::string_view faultName(Fault fault)
{
    for (const auto &named : kNames) {
        if (named.fault == fault)
            return named.name;
    }
    return "none";
}

std::optional<Fault> faultFromName(std::string_view name)
{
    for (const auto &named : kNames) {
        if (named.name == name)
            return named.fault;
    }
    return std::nullopt;
}

} // namespace ortavel::sim
