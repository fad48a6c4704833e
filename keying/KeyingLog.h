#pragma once
// The logging category of keying/ ("vqplog.keying"). Failures the program deliberately does not show
// to the operator still leave a qCWarning here.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcKeying)
