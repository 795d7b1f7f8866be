#pragma once

#include "link/SettingsStore.h"

#include <string>

namespace ortavel {

// The operator's name that entries carry beside the login, kept per user.
inline std::string rememberedOperatorName(const SettingsStore &settings)
{
    return settings.value("Ortavel", "History", "Operator", "");
}

inline bool rememberOperatorName(SettingsStore &settings, const std::string &name)
{
    return settings.setValue("Ortavel", "History", "Operator", name);
}

} // namespace ortavel
