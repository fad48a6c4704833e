#include "core/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Files {

namespace {
QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }
QString systemError(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// Closes a descriptor when it goes out of scope.
struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// The entry of `dir` whose name equals `part` ignoring case; the exact spelling wins.
QString matchEntry(const QDir& dir, const QString& part)
{
    if (QFileInfo::exists(dir.filePath(part)))
        return part;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(part, Qt::CaseInsensitive) == 0)
            return e;
    return part;
}
// Writes all of `data` to `fd`. A write that stops part way (full disk, file size limit) reports
// no error of its own: the reason comes from the next attempt, and is what `err` holds when this
// returns false.
bool writeFully(int fd, const QByteArray& data, int& err)
{
    const char* p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            err = n < 0 ? errno : EIO;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// Cuts a file back to its size before a failed append. A failure here leaves the partial line,
// which the loader then refuses; the caller reports the write's own reason either way.
void cutBack(int fd, off_t size)
{
    if (::ftruncate(fd, size) != 0)
        errno = 0;
}
}   // namespace

QString resolve(const QString& folder, const QString& name)
{
    QString path = folder.isEmpty() ? QDir::currentPath() : folder;
    const QStringList parts =
        QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QDir dir(path);
        path = dir.filePath(dir.exists() ? matchEntry(dir, part) : part);
    }
    return path;
}

bool readAll(const QString& path, QByteArray& out, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        setError(error, f.errorString());
        return false;
    }
    out = f.readAll();
    if (f.error() != QFile::NoError) {
        setError(error, f.errorString());
        return false;
    }
    return true;
}

bool isRegularFile(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool readRegular(const QString& path, qint64 maxBytes, QByteArray& out, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        setError(error, systemError());
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        setError(error, QStringLiteral("not a regular file"));
        return false;
    }
    // Without blocking, in case the name was replaced by a FIFO since the test above.
    Fd f{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (f.fd < 0) {
        setError(error, systemError());
        return false;
    }
    if (::fstat(f.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        setError(error, QStringLiteral("not a regular file"));
        return false;
    }
    if (st.st_size > maxBytes) {
        setError(error, QStringLiteral("the file is larger than %1 bytes").arg(maxBytes));
        return false;
    }
    // The file may still grow while it is read: never more than the limit.
    QByteArray data(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qint64 have = 0;
    for (;;) {
        if (have == data.size()) {
            if (have > maxBytes) {
                setError(error, QStringLiteral("the file is larger than %1 bytes").arg(maxBytes));
                return false;
            }
            data.resize(qsizetype(qMin<qint64>(maxBytes + 1, have * 2 + 4096)));
        }
        const ssize_t n = ::read(f.fd, data.data() + have, size_t(data.size() - have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            setError(error, systemError());
            return false;
        }
        if (n == 0)
            break;
        have += n;
    }
    if (have > maxBytes) {
        setError(error, QStringLiteral("the file is larger than %1 bytes").arg(maxBytes));
        return false;
    }
    data.truncate(qsizetype(have));
    out = std::move(data);
    return true;
}

bool writeAtomic(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        setError(error, f.errorString());
        return false;
    }
    // Written to the temporary file's descriptor by hand: Qt's own write names a full disk or a
    // size limit only as "Unknown error". A failure must stop the rename, or a cut-off file would
    // replace the whole one.
    const int fd = f.handle();
    int err = 0;
    if (fd < 0 || !writeFully(fd, data, err)) {
        setError(error, fd < 0 ? f.errorString() : systemError(err));
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        setError(error, f.errorString());
        return false;
    }
    return true;
}

bool append(const QString& path, const QByteArray& data, QString* error)
{
    // Opened without blocking: a FIFO nobody reads fails here (ENXIO) instead of hanging.
    Fd f{::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666)};
    if (f.fd < 0) {
        setError(error, systemError());
        return false;
    }
    const int flags = ::fcntl(f.fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(f.fd, F_SETFL, flags & ~O_NONBLOCK);
    struct stat st {};
    const bool regular = ::fstat(f.fd, &st) == 0 && S_ISREG(st.st_mode);
    const off_t before = regular ? st.st_size : 0;
    int err = 0;
    if (!writeFully(f.fd, data, err)) {
        // Take a partial line back off, so the file keeps whole records only.
        if (regular)
            cutBack(f.fd, before);
        setError(error, systemError(err));
        return false;
    }
    if (::fsync(f.fd) != 0 && errno != EINVAL && errno != EROFS) {
        const int err = errno;
        if (regular)
            cutBack(f.fd, before);
        setError(error, systemError(err));
        return false;
    }
    const int fd = f.fd;
    f.fd = -1;
    if (::close(fd) != 0 && errno != EINTR) {
        setError(error, systemError());
        return false;
    }
    return true;
}

bool copyReplace(const QString& from, const QString& to, QString* error)
{
    QByteArray data;
    if (!readAll(from, data, error))
        return false;
    return writeAtomic(to, data, error);
}

bool exists(const QString& path) { return QFileInfo::exists(path); }

bool makeFolder(const QString& path, QString* error)
{
    if (QFileInfo(path).isDir())
        return true;
    if (QDir().mkpath(path))
        return true;
    setError(error, systemError());
    return false;
}

}   // namespace Files
