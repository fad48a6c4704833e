#include "platform/SettingsStore.h"

#include <QSettings>

#include <memory>

namespace Platform {

namespace {
QString& overridePath()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> open()
{
    if (!overridePath().isEmpty())
        return std::make_unique<QSettings>(overridePath(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quolt_Software"),
                                       QStringLiteral("vqplog"));
}

QString fullKey(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }
}   // namespace

QString getSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    return open()->value(fullKey(section, key), defaultValue).toString();
}

void saveSetting(const QString& section, const QString& key, const QString& value)
{
    auto s = open();
    s->setValue(fullKey(section, key), value);
    s->sync();
}

void setSettingsFile(const QString& path) { overridePath() = path; }

}   // namespace Platform
