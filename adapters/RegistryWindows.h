#pragma once

#include "about/Registry.h"

namespace ortavel {

// The Windows registry, read only.
class RegistryWindows final : public Registry {
public:
    std::optional<Value> read(std::uint32_t root, const std::string &keyPath, const std::string &valueName) override;
};

} // namespace ortavel
