#pragma once
// One copy of the program per program folder. Each copy keeps the log in memory and rewrites
// log.txt from it on an edit or a delete, so two copies in one folder would delete each other's
// contacts. The first copy holds a lock file in the program folder for its whole run; a later
// copy finds it held, says so and ends. A lock left by a copy that crashed (its process is gone)
// is taken over; a lock of a running copy never goes stale, however long the contest runs.
#include <QString>

namespace ProgramLock {

inline constexpr char LockFileName[] = "vqplog.lock";

enum class Result {
    Held,          // this copy holds the lock now (also when it already did)
    InUse,         // another running copy holds it
    Unavailable,   // no lock file can be made there (read-only folder ...): the run goes on
};

// Takes the lock of `folder` for the rest of the run (until release()). Reads and changes the
// lock file only.
Result acquire(const QString& folder);

// Gives up the lock this copy holds (tests; at exit it goes by itself).
void release();

// The message a second copy shows before it ends.
QString inUseText(const QString& folder);
inline const QString InUseTitle = QStringLiteral("Log In Use");

}   // namespace ProgramLock
