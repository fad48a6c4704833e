#pragma once
// File access for the program folder and the per-user folders.
// Names are found without regard to case; a write reuses an existing spelling, so "CW.txt"
// written and "cw.txt" read are one file.
#include <QByteArray>
#include <QString>

namespace Files {

// The path of `name` (which may hold "/"-separated folders) inside `folder`. Each part that
// exists under another case is taken with its existing spelling; missing parts keep the given one.
QString resolve(const QString& folder, const QString& name);

// Reads a whole file; false (with the system's error text) when it cannot be opened or read.
bool readAll(const QString& path, QByteArray& out, QString* error = nullptr);

// Reads a whole regular file (a link to one counts) of at most `maxBytes` bytes. Anything else (a
// FIFO, a device, a folder, a larger file) is refused at once: nothing waits for a writer and
// nothing is read beyond the limit. False with the reason.
bool readRegular(const QString& path, qint64 maxBytes, QByteArray& out, QString* error = nullptr);

// True when `path` is a regular file or a link to one.
bool isRegularFile(const QString& path);

// Replaces a file through a temporary file and a rename: readers see the old or the new
// content, never a half-written file. A failure leaves the file as it was, and `error` names the
// system's reason (a full disk, a size limit), as append() does.
bool writeAtomic(const QString& path, const QByteArray& data, QString* error = nullptr);

// Appends and flushes to the disk before reporting success; creates a missing file. A write that
// stops part way (full disk, size limit) is cut back off, so the file keeps its old bytes, and
// `error` names the system's reason. A FIFO without a reader fails at once instead of waiting.
bool append(const QString& path, const QByteArray& data, QString* error = nullptr);

// Byte-for-byte copy that replaces an existing target atomically.
bool copyReplace(const QString& from, const QString& to, QString* error = nullptr);

bool exists(const QString& path);

// Makes the folder (and its parents) when missing; false with the system's error text.
bool makeFolder(const QString& path, QString* error = nullptr);

}   // namespace Files
