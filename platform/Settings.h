#pragma once
// The per-user settings store: application "Quolt_Software", section "Settings", kept as an INI
// file (QSettings). Values are texts read with a default and saved at once.
#include <QString>

namespace Platform {

// The value saved under `key`, or `defaultValue` when there is none.
QString getSetting(const QString& key, const QString& defaultValue = QString());
// Saves `value` under `key` and writes the store to disk; false when it could not be written.
bool saveSetting(const QString& key, const QString& value);

// Keeps the store in this INI file instead of the user's (tests); an empty path goes back to the
// user's store.
void setSettingsFile(const QString& path);

} // namespace Platform
