#include "core/ProgramLock.h"

#include <QDir>
#include <QLockFile>

#include <memory>

#include "core/CoreLog.h"
#include "core/Files.h"

namespace ProgramLock {

namespace {
std::unique_ptr<QLockFile>& held()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}
}   // namespace

Result acquire(const QString& folder)
{
    if (held())
        return Result::Held;
    auto lock = std::make_unique<QLockFile>(Files::resolve(folder, QString::fromLatin1(LockFileName)));
    // Only a lock whose process is gone is stale; never one that is merely old.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        held() = std::move(lock);
        return Result::Held;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, app;
        if (lock->getLockInfo(&pid, &host, &app))
            return Result::InUse;
        // A lock file that names no holder (cut short by a power loss) belongs to no running
        // copy; left in place it would keep every later copy out.
        if (lock->removeStaleLockFile() && lock->tryLock(0)) {
            held() = std::move(lock);
            return Result::Held;
        }
    }
    qCWarning(lcCore) << "no lock file can be made in" << folder << "- a second copy there would not be stopped";
    return Result::Unavailable;
}

void release() { held().reset(); }

QString inUseText(const QString& folder)
{
    return QStringLiteral("The log in the folder %1 is in use by another copy of this program.")
               .arg(QDir::toNativeSeparators(folder)) +
           QStringLiteral(
               "\r\n\r\nOnly one copy can keep the log of a folder, or each would overwrite the other's contacts. "
               "This copy ends now.");
}

}   // namespace ProgramLock
