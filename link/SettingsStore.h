#pragma once

#include <string>

namespace ortavel {

// The application name the settings are kept under.
inline constexpr const char *kSettingsApplication = "Kavrin";

// The per-user settings store, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string value(const std::string &application, const std::string &section, const std::string &key,
                              const std::string &defaultValue) const = 0;
    virtual bool setValue(const std::string &application, const std::string &section, const std::string &key,
                          const std::string &value) = 0;
};

} // namespace ortavel
