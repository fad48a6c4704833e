#pragma once
// Logging category of the platform layers: failures they deliberately do not show.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
