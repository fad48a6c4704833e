#include "core/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace Files {

namespace {
QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

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
} // namespace

QString resolve(const QString& folder, const QString& name)
{
    QString path = folder.isEmpty() ? QDir::currentPath() : folder;
    const QStringList parts = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts);
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

bool writeAtomic(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        setError(error, f.errorString());
        return false;
    }
    // The data sits in the device's buffer until flushed; a failure there (full disk, size limit)
    // must stop the rename, or a cut-off file would replace the whole one.
    if (f.write(data) != data.size() || !f.flush()) {
        setError(error, f.errorString());
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
    QFile f(path);
    // Unbuffered: after a failed write nothing is left in a buffer for close() to write later,
    // so cutting the file back to its old size is final.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        setError(error, f.errorString());
        return false;
    }
    const qint64 before = f.size();
    if (f.write(data) != data.size() || !f.flush()) {
        const QString why = f.errorString();
        // Take a partial line back off, so the file keeps whole records only.
        if (!f.isSequential())
            f.resize(before);
        setError(error, why);
        return false;
    }
    if (::fsync(f.handle()) != 0 && errno != EINVAL) {
        const QString why = systemError();
        f.resize(before);
        setError(error, why);
        return false;
    }
    f.close();
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

} // namespace Files
