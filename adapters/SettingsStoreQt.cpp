#include "SettingsStoreQt.h"

#include <QSettings>

#include <memory>

namespace ortavel {

namespace {
constexpr const char *kOrganization = "Kavrin";

std::unique_ptr<QSettings> openSettings(const QString &folder, const std::string &application)
{
    const QString app = QString::fromStdString(application);
    if (folder.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrganization, app);
    return std::make_unique<QSettings>(folder + "/" + kOrganization + "/" + app + ".conf", QSettings::IniFormat);
}

QString keyPath(const std::string &section, const std::string &key)
{
    return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}
} // namespace

SettingsStoreQt::SettingsStoreQt(const QString &folder) : m_folder(folder) {}

std::string SettingsStoreQt::value(const std::string &application, const std::string &section, const std::string &key,
                                   const std::string &defaultValue) const
{
    const auto settings = openSettings(m_folder, application);
    const QVariant stored = settings->value(keyPath(section, key));
    if (!stored.isValid() || !stored.canConvert<QString>())
        return defaultValue;
    return stored.toString().toStdString();
}

bool SettingsStoreQt::setValue(const std::string &application, const std::string &section, const std::string &key,
                               const std::string &value)
{
    const auto settings = openSettings(m_folder, application);
    settings->setValue(keyPath(section, key), QString::fromStdString(value));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace ortavel
