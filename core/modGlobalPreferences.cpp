#include "core/modGlobalPreferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "core/CoreLog.h"
#include "core/Files.h"
#include "core/Globals.h"
#include "platform/Prompts.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace modGlobalPreferences {

namespace {

const QString DirectoryErrorTitle = QStringLiteral("User Access Directory Error");

QString systemError(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QString join(const QString& parent, const QString& leaf)
{
    return parent.endsWith(QLatin1Char('/')) ? parent + leaf : parent + QLatin1Char('/') + leaf;
}

// "/Quolt Software" or "\Quolt Software" -> "Quolt Software".
QString leafName(const QString& folder)
{
    QString s = folder;
    while (s.startsWith(QLatin1Char('/')) || s.startsWith(QLatin1Char('\\')))
        s.remove(0, 1);
    return s;
}

enum class Presence { Present, Missing, Failed };

struct FolderTest {
    Presence presence = Presence::Missing;
    QString path;    // the folder with the spelling found on disk (the given one when missing)
    QString error;   // the system's text when the listing failed
};

// Looks for a folder named like the last component of `path` in its parent folder, ignoring case
// (the exact spelling wins). A parent that does not exist means the folder is missing; a parent
// that cannot be listed is a failed test.
FolderTest testFolder(const QString& path)
{
    FolderTest t;
    t.path = path;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString parent = slash < 0 ? QStringLiteral(".") : (slash == 0 ? QStringLiteral("/") : path.left(slash));
    const QString leaf = slash < 0 ? path : path.mid(slash + 1);
    if (leaf.isEmpty()) {
        t.presence = QFileInfo(path).isDir() ? Presence::Present : Presence::Missing;
        return t;
    }
    errno = 0;
    DIR* d = ::opendir(QFile::encodeName(parent).constData());
    if (!d) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR)
            return t;
        t.presence = Presence::Failed;
        t.error = systemError(err);
        return t;
    }
    QString found;
    while (dirent* e = ::readdir(d)) {
        const QString name = QFile::decodeName(e->d_name);
        if (name.compare(leaf, Qt::CaseInsensitive) != 0)
            continue;
        struct stat st {};
        const QByteArray full = QFile::encodeName(join(parent, name));
        if (::stat(full.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            continue;
        if (found.isEmpty() || name == leaf)
            found = name;
        if (name == leaf)
            break;
    }
    ::closedir(d);
    if (!found.isEmpty()) {
        t.presence = Presence::Present;
        t.path = slash < 0 ? found : join(parent, found);
    }
    return t;
}

void directoryError(const QString& text)
{
    Platform::prompts().messageBox(text, DirectoryErrorTitle, Platform::Buttons::Ok);
}

// A folder test under the resolution's error rule: a failed test shows its error and counts as
// true for the question asked.
bool isPresent(const FolderTest& t)
{
    if (t.presence == Presence::Failed) {
        directoryError(t.error);
        return true;
    }
    return t.presence == Presence::Present;
}
bool isMissing(const FolderTest& t)
{
    if (t.presence == Presence::Failed) {
        directoryError(t.error);
        return true;
    }
    return t.presence == Presence::Missing;
}

// Makes sure the folder exists (reporting a failed creation) and gives its path as spelled on disk.
QString ensure(const QString& path)
{
    const FolderTest t = testFolder(path);
    if (!isMissing(t))
        return t.path;
    EnsureFolder(path, 1);
    return path;
}

// Makes sure root and root/sub exist; gives root as spelled on disk.
QString ensureTree(const QString& base, const QString& maker, const QString& sub)
{
    const QString root = ensure(join(base, maker));
    ensure(join(root, sub));
    return root;
}

bool sameFolder(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}   // namespace

void EnsureFolder(const QString& path, int showErrors)
{
    if (path.isEmpty()) {
        Platform::prompts().messageBox(QStringLiteral("Invalid Path"), QStringLiteral("Unable to Create Directory"),
                                       Platform::Buttons::Ok);
        return;
    }
    QString error;
    const FolderTest t = testFolder(path);
    if (t.presence == Presence::Present)
        return;
    if (t.presence == Presence::Failed) {
        error = t.error;
    } else if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0) {
        error = systemError(errno);
    } else {
        return;
    }
    if (showErrors == 1)
        Platform::prompts().messageBox(error + QStringLiteral("  ") + path,
                                       QStringLiteral("Unable to create directory."), Platform::Buttons::Ok);
    else
        qCWarning(lcCore) << "folder not made:" << path << error;
}

void ResolveUserFolder(QString& result, const QString& makerFolder, const QString& subFolder)
{
    const QString maker = leafName(makerFolder);
    const QString sub = leafName(subFolder);
    const QString profile = qEnvironmentVariable("USERPROFILE");
    const QString appData = qEnvironmentVariable("APPDATA");

    if (profile.isEmpty()) {
        // Linux: the documents folder in the home folder, made when missing.
        const QString docs = ensure(join(QDir::homePath(), QStringLiteral("Documents")));
        result = ensureTree(docs, maker, sub);
        return;
    }

    const QString myDocs = join(profile, QStringLiteral("My Documents"));
    // "My Documents" is tried quietly, but never made in the home folder itself.
    if (isMissing(testFolder(myDocs)) && !sameFolder(profile, QDir::homePath()))
        EnsureFolder(myDocs, 0);
    FolderTest t = testFolder(myDocs);
    if (isPresent(t)) {
        result = ensureTree(t.path, maker, sub);
        return;
    }
    t = testFolder(join(profile, QStringLiteral("Documents")));
    if (isPresent(t)) {
        result = ensureTree(t.path, maker, sub);
        return;
    }
    // Neither: a tree under USERPROFILE and one under APPDATA; the APPDATA one is the result.
    // Without APPDATA the tree under USERPROFILE is: an empty APPDATA would put the folders at
    // the file system's root, shared by every run on the machine.
    result = ensureTree(profile, maker, sub);
    if (!appData.isEmpty())
        result = ensureTree(appData, maker, sub);
}

void ResolveFolders()
{
    QString root;
    ResolveUserFolder(root, QString::fromLatin1(MakerFolder), QString::fromLatin1(DataSubFolder));
    ResolveUserFolder(root, QString::fromLatin1(MakerFolder), QString::fromLatin1(SharedSubFolder));
    G.UserRootFolder = root;
    G.DataFolder = Files::resolve(root, leafName(QString::fromLatin1(DataSubFolder)));
    G.SharedFolder = Files::resolve(root, leafName(QString::fromLatin1(SharedSubFolder)));
}

QString PrefsPath() { return Files::resolve(G.SharedFolder, QString::fromLatin1(PrefsFileName)); }

namespace {
QString resolvedFile(const QString& path)
{
    const QFileInfo fi(path);
    return Files::resolve(fi.path(), fi.fileName());
}
}   // namespace

void LoadGlobalPreferences(const QString& path)
{
    G.GlobalPrefsPath = path;
    G.GlobalPrefsUnreadable = false;
    const QString file = resolvedFile(path);
    QByteArray data;
    if (!QFileInfo(file).isFile()) {
        G.GlobalPrefsText = QString::fromLatin1(Declaration);
        return;
    }
    QString error;
    if (!Files::readAll(file, data, &error)) {
        qCWarning(lcCore) << "shared preferences not read, and not rewritten in this run:" << file << error;
        G.GlobalPrefsUnreadable = true;
        G.GlobalPrefsText = QString::fromLatin1(Declaration);
        return;
    }
    // The file says UTF-8; text that is not valid UTF-8 is taken byte for byte.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (utf8.hasError())
        text = QString::fromLatin1(data);
    // The line end that closes the file is not part of the text; a file without one loses nothing.
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    G.GlobalPrefsText = text;
}

bool SaveGlobalPreferences(const QString& path)
{
    G.GlobalPrefsPath = path;
    if (path.isEmpty()) {
        qCWarning(lcCore) << "shared preferences not written: no file is set";
        return false;
    }
    const QString file = resolvedFile(path);
    if (G.GlobalPrefsUnreadable && Files::exists(file)) {
        qCWarning(lcCore) << "shared preferences not written: the file could not be read at start" << file;
        return false;
    }
    QString error;
    if (Files::writeAtomic(file, (G.GlobalPrefsText + QLatin1String("\r\n")).toUtf8(), &error))
        return true;
    qCWarning(lcCore) << "shared preferences not written:" << file << error;
    return false;
}

void SetGlobalPreference(const QString& tag, const QString& value, int save)
{
    const QString name = tag.toUpper();
    const QString open = QLatin1Char('<') + name + QLatin1Char('>');
    const QString close = QStringLiteral("</") + name + QLatin1Char('>');
    QString& text = G.GlobalPrefsText;
    if (text.isEmpty())
        text = QString::fromLatin1(Declaration);
    const qsizetype p = text.indexOf(open);
    if (p >= 0) {
        const qsizetype e = p + open.size();
        qsizetype q = text.indexOf(close, e);
        if (q >= 0) {
            text = text.left(e) + value + text.mid(q);
        } else {
            // An opening tag without its closing one: the rest of its line is taken as the value.
            q = text.indexOf(QLatin1String("\r\n"), e);
            if (q < 0)
                q = text.size();
            text = text.left(e) + value + close + text.mid(q);
        }
    } else {
        text += QLatin1String("\r\n") + open + value + close;
    }
    if (save == 1)
        SaveGlobalPreferences(G.GlobalPrefsPath);
}

QString CallFileName(const QString& callSign)
{
    qsizetype n = 0;
    while (n < callSign.size()) {
        const char16_t c = callSign.at(n).unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z')))
            break;
        ++n;
    }
    return n > 0 ? callSign.left(n) : QStringLiteral("YourCall");
}

}   // namespace modGlobalPreferences
