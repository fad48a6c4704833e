#pragma once
<<<<<<< HEAD
// Logging category of the keyers: failures they deliberately do not show.
=======
// The logging category of keying/ ("vqplog.keying"). Failures the program deliberately does not show
// to the operator still leave a qCWarning here.
>>>>>>> main
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcKeying)
