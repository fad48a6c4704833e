#include "platform/Settings.h"

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
    auto s = overridePath().isEmpty()
        ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quolt_Software"))
        : std::make_unique<QSettings>(overridePath(), QSettings::IniFormat);
    s->beginGroup(QStringLiteral("Settings"));
    return s;
}

} // namespace

QString getSetting(const QString& key, const QString& defaultValue)
{
    return open()->value(key, defaultValue).toString();
}

bool saveSetting(const QString& key, const QString& value)
{
    auto s = open();
    s->setValue(key, value);
    s->sync();
    return s->status() == QSettings::NoError;
}

void setSettingsFile(const QString& path) { overridePath() = path; }

} // namespace Platform
