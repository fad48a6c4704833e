#pragma once
// Logging category of the keyers: failures they deliberately do not show.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcKeying)
