#pragma once

#include "link/SettingsStore.h"

#include <map>
#include <tuple>

namespace ortavel::test {

class MemorySettingsStore final : public SettingsStore {
public:
    std::string value(const std::string &application, const std::string &section, const std::string &key,
                      const std::string &defaultValue) const override
    {
        const auto it = m_values.find({application, section, key});
        return it == m_values.end() ? defaultValue : it->second;
    }
    bool setValue(const std::string &application, const std::string &section, const std::string &key,
                  const std::string &value) override
    {
        m_values[{application, section, key}] = value;
        return true;
    }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> m_values;
};

} // namespace ortavel::test
