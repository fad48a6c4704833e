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

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVector>

#include <array>
#include <cstring>

namespace Module2 {

namespace {

constexpr int MaxContacts = ContactArraysT::MaxContacts;
constexpr int FieldCount = ContactArraysT::FieldCount;

// The largest log.txt that is read: 11000 records of up to 6 KB each, far beyond what the entry
// fields and edit boxes give a contact. Anything larger is not a log of this program, and is
// refused before it is read into memory.
constexpr qint64 MaxLogBytes = qint64(MaxContacts) * 6144;

// The 18 text arrays by field number (index 16 unused), looked up once per load.
std::array<QVector<QString>*, FieldCount + 1> textArrays(ContactArraysT& ca)
{
    std::array<QVector<QString>*, FieldCount + 1> a{};
    for (int k = 1; k <= FieldCount; ++k)
        if (k != 16)
            a[k] = &ca.array(k);
    return a;
}

// The texts of one field that recur from record to record (bands, modes, reports, dates, county
// names, empty fields): the last few distinct ones, so that a record takes a share of an existing
// string instead of a new one. Values longer than a few characters are not kept.
class RecentTexts {
public:
    static constexpr qsizetype MaxLength = 24;

    const QString& get(QByteArrayView bytes)
    {
        for (int k = 0; k < used_; ++k) {
            Entry& e = entries_[k];
            if (e.length == bytes.size() && std::memcmp(e.bytes, bytes.data(), size_t(bytes.size())) == 0)
                return e.text;
        }
        Entry& e = entries_[next_];
        next_ = (next_ + 1) % Size;
        if (used_ < Size)
            ++used_;
        e.length = bytes.size();
        std::memcpy(e.bytes, bytes.data(), size_t(bytes.size()));
        e.text = QString::fromLatin1(bytes);
        return e.text;
    }

private:
    static constexpr int Size = 8;
    struct Entry {
        char bytes[MaxLength];
        qsizetype length = 0;
        QString text;
    };
    std::array<Entry, Size> entries_{};
    int used_ = 0;
    int next_ = 0;
};

// Whether a field's texts recur enough to share: not the call, the time or the frequency.
constexpr bool sharedField(int k) { return k != 1 && k != 13 && k != 19; }

// True when `text` (of the same length) holds the Latin-1 `bytes`.
bool holds(const QString& text, QByteArrayView bytes)
{
    const QChar* t = text.constData();
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i)
        if (t[i].unicode() != b[i])
            return false;
    return true;
}

// A value as a text field receives it, converted once from the file's bytes: a quoted text as it
// stands, a bare value trimmed and kept as written (#TRUE# and #FALSE# as "True" and "False"), an
// empty bare value as no text.
void takeText(const ListFormat::ValueView& v, QString& into, RecentTexts* recent)
{
    QByteArrayView bytes = v.bytes;
    if (!v.quoted) {
        bytes = ListFormat::trimmedToken(bytes);
        bool truth = false;
        if (bytes.isEmpty()) {
            into.clear();
            return;
        }
        if (ListFormat::isTruthToken(bytes, truth)) {
            into = truth ? QStringLiteral("True") : QStringLiteral("False");
            return;
        }
    }
    // A reload after an append or an edit finds nearly every slot holding its text already.
    if (into.size() == bytes.size() && !into.isNull() && holds(into, bytes))
        return;
    if (recent && bytes.size() <= RecentTexts::MaxLength)
        into = recent->get(bytes);
    else
        into = QString::fromLatin1(bytes);
}

// The spare number field. Nothing this program writes puts anything but 0 there; a value that is
// not a number reads as 0 rather than making the whole log unreadable.
double takeNumber(const ListFormat::ValueView& v)
{
    if (v.quoted) {
        double d = 0;
        return ListFormat::parseNumber(QString::fromLatin1(v.bytes), d) ? d : 0;
    }
    const QByteArrayView token = ListFormat::trimmedToken(v.bytes);
    bool truth = false;
    if (ListFormat::isTruthToken(token, truth))
        return truth ? -1 : 0;
    double d = 0;
    return ListFormat::parseNumber(token, d) ? d : 0;
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
        const QVector<QString>& read = a;   // looking does not detach
        for (int i = from; i <= MaxContacts; ++i)
            if (!read[i].isNull())
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

// A name in `folder` for a backup made at `local` that no file has yet: yyyymmddhhnn.log, else
// with the seconds (yyyymmddhhnnss.log), else with a counter (yyyymmddhhnnss-2.log, -3 ...).
// Names are compared without regard to case. Empty when every counter is taken.
QString freeBackupName(const QString& folder, const QDateTime& local)
{
    const QString minute = Format::stamp(local);
    const QString second = minute + local.toString(QStringLiteral("ss"));
    const auto taken = [&folder](const QString& name) { return Files::exists(Files::resolve(folder, name)); };
    if (!taken(minute + QStringLiteral(".log")))
        return minute + QStringLiteral(".log");
    if (!taken(second + QStringLiteral(".log")))
        return second + QStringLiteral(".log");
    for (int n = 2; n <= 9999; ++n) {
        const QString name = second + QStringLiteral("-%1.log").arg(n);
        if (!taken(name))
            return name;
    }
    return QString();
}

// Copies log.txt into BACKUP under a name no other file has: a backup never replaces another.
bool copyToBackup(QString* error)
{
    if (G.DataFolder.isEmpty()) {
        setError(error, QStringLiteral("no data folder is set"));
        return false;
    }
    if (!Files::isRegularFile(LogPath())) {
        setError(error, QStringLiteral("log.txt is not a regular file"));
        return false;
    }
    const QString folder = BackupFolder();
    if (!Files::makeFolder(folder, error))
        return false;
    const QString name = freeBackupName(folder, Platform::clock().read().local);
    if (name.isEmpty()) {
        setError(error, QStringLiteral("every backup name of this second is taken"));
        return false;
    }
    return Files::copyReplace(LogPath(), Files::resolve(folder, name), error);
}

// True when the file holds data that does not end with a line end, so an appended line would
// run on from its last value.
bool endsInsideLine(const QString& path)
{
    if (!Files::isRegularFile(path))
        return false;
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

}   // namespace

QString BackupFolder() { return Files::resolve(G.DataFolder, QStringLiteral("BACKUP")); }

QString LogFullError()
{
    return QStringLiteral("the log already holds %1 contacts, the most it can hold.").arg(MaxContacts);
}

QString LogPath() { return Files::resolve(G.ProgramFolder, QStringLiteral("log.txt")); }

QString WorkingLogRefusal()
{
    return QStringLiteral(
        "log.txt is the working log of this program and cannot be replaced here. Choose another file.");
}

bool IsWorkingLog(const QString& path)
{
    const QFileInfo chosen(path);
    const QFileInfo log(LogPath());
    if (chosen.exists() && log.exists())
        return chosen.canonicalFilePath() == log.canonicalFilePath();
    return QDir::cleanPath(chosen.absoluteFilePath())
               .compare(QDir::cleanPath(log.absoluteFilePath()), Qt::CaseInsensitive) == 0;
}

QString LogWriteFailureText(const QString& error)
{
    return QStringLiteral("Error writing the log file log.txt:\r\n") + error +
           QStringLiteral("\r\n\r\nThe log was not changed.");
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

// Reads the records of a log file's bytes by the store's rules: one record per line, exactly 19
// values (ListFormat::splitLine), at most 11000 records. Blank lines are passed over wherever
// they stand, so a blank line that an editor or `echo` left at the end stays harmless when the
// next contact is appended after it; a byte-order mark at the start is skipped. Any other line
// fails the whole read: a damaged line taken as a shifted record would be written back by the
// next edit. With `into` the records fill slots 1 to `count` of it; without, the bytes are only
// checked. False on a broken file, with `badLine` the number of the line that is not a record
// (0 when the file holds too many records).
bool readRecords(const QByteArray& data, ContactArraysT* into, int& count, int& badLine)
{
    count = 0;
    badLine = 0;
    // The first slot of every text array, looked up (and made unshared) once.
    std::array<QString*, FieldCount + 1> arrays{};
    if (into) {
        const auto vectors = textArrays(*into);
        for (int k = 1; k <= FieldCount; ++k)
            if (k != 16)
                arrays[k] = vectors[k]->data();
    }
    std::array<RecentTexts, FieldCount + 1> recent;
    ListFormat::LineReader lines(data);
    QByteArrayView line;
    ListFormat::LineViews values;
    while (lines.next(line)) {
        if (ListFormat::isBlankLine(line))
            continue;
        if (!ListFormat::splitLineViews(line, values) || values.size() != FieldCount) {
            badLine = lines.lineNumber();
            return false;
        }
        if (count == MaxContacts)
            return false;
        ++count;
        if (!into)
            continue;
        for (int k = 1; k <= FieldCount; ++k) {
            if (k == 16)
                into->ContactField16[count] = takeNumber(values[k - 1]);
            else
                takeText(values[k - 1], arrays[k][count], sharedField(k) ? &recent[k] : nullptr);
        }
    }
    return true;
}

}   // namespace

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
    int badLine = 0;
    bool failed = false;
    if (Files::exists(path)) {
        QByteArray data;
        failed = !Files::readRegular(path, MaxLogBytes, data) || !readRecords(data, &G.ContactArrays, count, badLine);
    }

    if (failed) {
        // Nothing of a half-read file stays in memory, so nothing can write it back.
        clearSlotsFrom(1);
        QString text = QStringLiteral("Error opening file.");
        if (badLine > 0)
            text += QStringLiteral("\r\n\r\nlog.txt, line %1 is not one contact record (19 values); "
                                   "the file was left as it is.")
                        .arg(badLine);
        Platform::prompts().messageBox(text, QStringLiteral("File Error"), Platform::Buttons::Ok);
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
    if (!Files::readRegular(path, MaxLogBytes, data, error))
        return false;
    int count = 0;
    int badLine = 0;
    if (!readRecords(data, nullptr, count, badLine)) {
        if (badLine > 0)
            setError(error, QStringLiteral("%1 is not a contest log: its line %2 is not one contact record.")
                                .arg(QDir::toNativeSeparators(path))
                                .arg(badLine));
        else
            setError(error, QStringLiteral("%1 is not a contest log: it holds more than %2 contacts.")
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
    const QString prompt =
        QStringLiteral(
            "Are you sure that you want to start a new log file?  This function will ERASE the existing log file!") +
        QStringLiteral("\r\n\r\n") + QString() + QStringLiteral("\r\n\r\n") +
        QStringLiteral("To verify that you want to start a new log file, please type: YES");
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
    MarkPrefStored(PrefItem::OpSecondsSaved);
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
    setError(error,
             QStringLiteral("no copy could be made in the BACKUP folder (%1), so the log was not replaced.").arg(why));
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

}   // namespace Module2
