#include "core/Module2Log.h"

#include "core/CoreLog.h"
#include "core/Files.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "core/Module2Prefs.h"
#include "platform/Clock.h"
#include "platform/Exit.h"
#include "platform/Prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace Module2 {

namespace {

constexpr int MaxContacts = ContactArraysT::MaxContacts;
constexpr int FieldCount = ContactArraysT::FieldCount;

// The 18 text arrays by field number (index 16 unused), looked up once per load.
std::array<QVector<QString>*, FieldCount + 1> textArrays(ContactArraysT& ca)
{
    std::array<QVector<QString>*, FieldCount + 1> a{};
    for (int k = 1; k <= FieldCount; ++k)
        if (k != 16)
            a[k] = &ca.array(k);
    return a;
}

// A value as a text field receives it: a bare value keeps its characters as written.
void takeText(ListFormat::Value& v, QString& into)
{
    switch (v.kind) {
    case ListFormat::Value::Kind::Empty: into.clear(); break;
    case ListFormat::Value::Kind::Bool: into = v.toText(); break;
    default: into = std::move(v.text); break;
    }
}

// The spare number field. Nothing this program writes puts anything but 0 there; a value that is
// not a number reads as 0 rather than making the whole log unreadable.
double takeNumber(const ListFormat::Value& v)
{
    double d = 0;
    return v.toNumber(d) ? d : 0;
}

// Empties slots from..MaxContacts, touching only those that hold something.
void clearSlotsFrom(int from)
{
    ContactArraysT& ca = G.ContactArrays;
    const auto arrays = textArrays(ca);
    for (int k = 1; k <= FieldCount; ++k) {
        if (k == 16)
            continue;
        QVector<QString>& a = *arrays[k];
        for (int i = from; i <= MaxContacts; ++i)
            if (!a[i].isNull())
                a[i] = QString();
    }
    for (int i = from; i <= MaxContacts; ++i)
        G.ContactArrays.ContactField16[i] = 0;
}

QByteArray recordsText(int first, int last)
{
    QByteArray out;
    out.reserve((last - first + 1) * 96);
    for (int i = first; i <= last; ++i)
        out.append(LogRecordLine(i));
    return out;
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Copies log.txt to BACKUP/yyyymmddhhnn.log (local time now), replacing a copy of the same minute.
bool copyToBackup(QString* error)
{
    if (G.DataFolder.isEmpty()) {
        setError(error, QStringLiteral("no data folder is set"));
        return false;
    }
    const QString folder = BackupFolder();
    if (!Files::makeFolder(folder, error))
        return false;
    const QString name = Format::stamp(Platform::clock().read().local) + QStringLiteral(".log");
    return Files::copyReplace(LogPath(), Files::resolve(folder, name), error);
}

// True when the file holds data that does not end with a line end, so an appended line would
// run on from its last value.
bool endsInsideLine(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.isSequential() || f.size() == 0)
        return false;
    if (!f.seek(f.size() - 1))
        return false;
    char last = 0;
    if (!f.getChar(&last))
        return false;
    return last != '\n' && last != '\r';
}

} // namespace

QString BackupFolder() { return Files::resolve(G.DataFolder, QStringLiteral("BACKUP")); }

QString LogFullError()
{
    return QStringLiteral("the log already holds %1 contacts, the most it can hold.").arg(MaxContacts);
}

QString LogPath() { return Files::resolve(G.ProgramFolder, QStringLiteral("log.txt")); }

QString WorkingLogRefusal()
{
    return QStringLiteral("log.txt is the working log of this program and cannot be replaced here. Choose another file.");
}

bool IsWorkingLog(const QString& path)
{
    const QFileInfo chosen(path);
    const QFileInfo log(LogPath());
    if (chosen.exists() && log.exists())
        return chosen.canonicalFilePath() == log.canonicalFilePath();
    return QDir::cleanPath(chosen.absoluteFilePath()).compare(QDir::cleanPath(log.absoluteFilePath()),
                                                              Qt::CaseInsensitive)
        == 0;
}

QString LogWriteFailureText(const QString& error)
{
    return QStringLiteral("Error writing the log file log.txt:\r\n") + error
        + QStringLiteral("\r\n\r\nThe log was not changed.");
}

QByteArray LogRecordLine(int index)
{
    const ContactArraysT& ca = G.ContactArrays;
    ListFormat::Writer w;
    for (int k = 1; k <= FieldCount; ++k) {
        if (k == 16)
            w.number(ca.ContactField16[index]);
        else
            w.text(ca.text(k, index));
    }
    w.endLine();
    return w.data();
}

namespace {

// Reads the records of a log file's bytes by the store's rules: 19 list-format values per record,
// at most 11000 records, the file ending only between records. With `into` the records fill slots
// 1 to `count` of it; without, the bytes are only checked. False on a broken file.
bool readRecords(QByteArray data, ContactArraysT* into, int& count)
{
    count = 0;
    std::array<QVector<QString>*, FieldCount + 1> arrays{};
    if (into)
        arrays = textArrays(*into);
    ListFormat::Reader reader(std::move(data));
    ListFormat::Value v;
    while (!reader.atEnd()) {
        if (count == MaxContacts)
            return false;
        ++count;
        for (int k = 1; k <= FieldCount; ++k) {
            if (!reader.next(v))
                return false;   // the file ends inside a record
            if (!into)
                continue;
            if (k == 16)
                into->ContactField16[count] = takeNumber(v);
            else
                takeText(v, (*arrays[k])[count]);
        }
    }
    return true;
}

} // namespace

bool LoadLog()
{
    G.QSOCount = 0;
    G.QSOPoints = 0;
    G.MultiplierCount = 0;
    G.BandDXCounts.fill(0);
    for (auto& slot : G.CountyModeMatrix)
        slot.fill(0);

    const QString path = LogPath();
    int count = 0;
    bool failed = false;
    if (Files::exists(path)) {
        QByteArray data;
        failed = !Files::readAll(path, data) || !readRecords(std::move(data), &G.ContactArrays, count);
    }

    if (failed) {
        // Nothing of a half-read file stays in memory, so nothing can write it back.
        clearSlotsFrom(1);
        Platform::prompts().messageBox(QStringLiteral("Error opening file."), QStringLiteral("File Error"),
                                       Platform::Buttons::Ok);
        Platform::endProgram();
        return false;
    }

    clearSlotsFrom(count + 1);
    G.QSOCount = count;
    if (G.LogCountAtLoad == 0)
        G.LogCountAtLoad = static_cast<float>(count);
    return true;
}

bool CheckLogFile(const QString& path, int* records, QString* error)
{
    QByteArray data;
    if (!Files::readAll(path, data, error))
        return false;
    int count = 0;
    if (!readRecords(std::move(data), nullptr, count)) {
        setError(error, QStringLiteral("%1 is not a contest log: it ends inside a record or holds more than %2 "
                                       "contacts.")
                            .arg(QDir::toNativeSeparators(path))
                            .arg(MaxContacts));
        return false;
    }
    if (records)
        *records = count;
    return true;
}

bool AppendContact(QString* error)
{
    if (G.QSOCount < 1 || G.QSOCount > MaxContacts) {
        setError(error, G.QSOCount > MaxContacts ? LogFullError() : QStringLiteral("there is no contact to write."));
        return false;
    }
    const QString path = LogPath();
    QByteArray line = LogRecordLine(G.QSOCount);
    if (endsInsideLine(path))
        line.prepend("\r\n");
    return Files::append(path, line, error);
}

bool RewriteLog(QString* error)
{
    if (G.QSOCount < 0 || G.QSOCount > MaxContacts) {
        setError(error, QStringLiteral("the contact count %1 is out of range.").arg(G.QSOCount));
        return false;
    }
    return Files::writeAtomic(LogPath(), recordsText(1, G.QSOCount), error);
}

bool DeleteContact(int index, QString* error)
{
    if (index < 1 || index > G.QSOCount)
        return true;
    ContactArraysT& ca = G.ContactArrays;
    const int last = G.QSOCount;
    // Slot 0 never holds a record: it keeps the deleted one while the file is rewritten.
    ca.copySlot(index, 0);
    for (int i = index + 1; i <= last; ++i)
        ca.copySlot(i, i - 1);
    ca.clearSlot(last);
    G.QSOCount = last - 1;
    if (RewriteLog(error)) {
        ca.clearSlot(0);
        return true;
    }
    // The file still holds the old log: put memory back the same way.
    for (int i = last; i > index; --i)
        ca.copySlot(i - 1, i);
    ca.copySlot(0, index);
    ca.clearSlot(0);
    G.QSOCount = last;
    return false;
}

bool NewLog(QString* error)
{
    const QString prompt = QStringLiteral(
        "Are you sure that you want to start a new log file?  This function will ERASE the existing log file!")
        + QStringLiteral("\r\n\r\n") + QString() + QStringLiteral("\r\n\r\n")
        + QStringLiteral("To verify that you want to start a new log file, please type: YES");
    const QString answer = Platform::prompts().inputBox(
        prompt, QStringLiteral("WARNING - Your existing log file will be ERASED!"), QString());
    if (answer.toUpper() != QLatin1String("YES"))
        return true;

    if (!BackupLogBeforeErase(error))
        return false;
    if (!Files::writeAtomic(LogPath(), QByteArray(), error))
        return false;

    G.OpSecondsTotal = 0;
    G.OpSecondsSaved = 0;
    G.QSOCount = 0;
    WriteQSOpref();
    LoadLog();
    return true;
}

bool BackupLogBeforeErase(QString* error)
{
    // Whatever this run has loaded so far, a log with any contact is copied before it goes.
    const QFileInfo log(LogPath());
    if (!log.isFile() || log.size() == 0)
        return true;
    QString why;
    if (copyToBackup(&why))
        return true;
    setError(error, QStringLiteral("no copy could be made in the BACKUP folder (%1), so the log was not replaced.").arg(why));
    return false;
}

void BackupLog()
{
    if (G.QSOCount <= 0 || static_cast<float>(G.QSOCount) == G.LogCountAtLoad)
        return;
    QString error;
    if (!copyToBackup(&error))
        qCWarning(lcCore) << "log.txt not copied to the BACKUP folder:" << BackupFolder() << error;
}

} // namespace Module2
