#pragma once
// The per-user settings store of application "Quolt_Software": text values by section and key,
// kept in an INI file. Production uses $XDG_CONFIG_HOME (or ~/.config)/Quolt_Software/vqplog.ini;
// tests point it at a file of their own.
#include <QString>

namespace Platform {

// The value of `key` in `section`, or `defaultValue` when absent. Reads the file; changes nothing.
QString getSetting(const QString& section, const QString& key, const QString& defaultValue = QString());
// Stores the value and writes the file at once.
void saveSetting(const QString& section, const QString& key, const QString& value);
// The file in use from now on (empty: the production file again).
void setSettingsFile(const QString& path);

}   // namespace Platform
