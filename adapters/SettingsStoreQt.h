#pragma once

#include "link/SettingsStore.h"

#include <QString>

namespace ortavel {

// The per-user settings store over QSettings. With a folder, the values
// live in files below it (tests and demos); otherwise in the user's
// standard place.
class SettingsStoreQt final : public SettingsStore {
public:
    SettingsStoreQt() = default;
    explicit SettingsStoreQt(const QString &folder);

    std::string value(const std::string &application, const std::string &section, const std::string &key,
                      const std::string &defaultValue) const override;
    bool setValue(const std::string &application, const std::string &section, const std::string &key,
                  const std::string &value) override;

private:
    QString m_folder;
};

} // namespace ortavel
