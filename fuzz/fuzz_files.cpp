// libFuzzer target over the files an operator's machine may hand the program damaged: log.txt
// (load, append one contact, load again; rewrite and load again), QSOpref.txt, county2.txt, the
// shared preferences file and the keyer settings files. Every input is given to each reader.
//
// Besides the sanitizers' findings it stops on a broken promise of the log store: a log that
// loads must stay loadable, with the same records, after one appended contact and after a
// rewrite; settings that read must read back the same after they are written.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QVector>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "core/Globals.h"
#include "core/Module2County.h"
#include "core/Module2Log.h"
#include "core/Module2Prefs.h"
#include "core/modGlobalPreferences.h"
#include "fuzz/FuzzSupport.h"
#include "keying/KeyerSettings.h"
#include "platform/Exit.h"
#include "platform/Prompts.h"
#include "tests/support/ScriptedPrompts.h"

namespace {

struct Folder {
    Folder()
    {
        // tmpfs when there is one: every input is written as five files.
        if (QDir(QStringLiteral("/dev/shm")).exists())
            qputenv("TMPDIR", "/dev/shm");
        dir = std::make_unique<QTemporaryDir>();
        if (!dir->isValid())
            std::abort();
        resetGlobals();
        G.ProgramFolder = dir->path();
        G.DataFolder = dir->filePath(QStringLiteral("data"));
        QDir().mkpath(G.DataFolder);
        Platform::setPrompts(&prompts);
        Platform::setEndProgramHook([] {});
        Fuzz::quietMessages();
    }
    std::unique_ptr<QTemporaryDir> dir;
    Platform::ScriptedPrompts prompts;
};

Folder& folder()
{
    static Folder f;
    return f;
}

void write(const QString& name, const QByteArray& data)
{
    QFile f(folder().dir->filePath(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
        std::abort();
}

using Fuzz::broken;

QVector<QByteArray> recordLines()
{
    QVector<QByteArray> out;
    for (int i = 1; i <= G.QSOCount; ++i)
        out.push_back(Module2::LogRecordLine(i));
    return out;
}

void fuzzLog(const QByteArray& data)
{
    write(QStringLiteral("log.txt"), data);
    if (!Module2::LoadLog())
        return;
    const QVector<QByteArray> loaded = recordLines();

    // A rewrite gives back the same records.
    if (!Module2::RewriteLog())
        broken("rewrite failed");
    if (!Module2::LoadLog() || recordLines() != loaded)
        broken("a rewritten log reads back differently");

    // One appended contact keeps the log loadable, with every earlier record unchanged.
    write(QStringLiteral("log.txt"), data);
    if (!Module2::LoadLog() || G.QSOCount >= ContactArraysT::MaxContacts)
        return;
    ContactArraysT& ca = G.ContactArrays;
    const int i = ++G.QSOCount;
    ca.ContactCall[i] = QStringLiteral("N9NEW");
    ca.ContactRSTSent[i] = QStringLiteral("599");
    ca.ContactRSTRcvd[i] = QStringLiteral("599");
    ca.ContactCounty[i] = QStringLiteral("Marion");
    ca.ContactDate[i] = QStringLiteral("2024/05/04");
    ca.ContactTime[i] = QStringLiteral("14:02:11");
    ca.ContactMode[i] = QStringLiteral("CW");
    ca.ContactBand[i] = QStringLiteral("20");
    const QByteArray added = Module2::LogRecordLine(i);
    if (!Module2::AppendContact())
        broken("append failed");
    if (!Module2::LoadLog())
        broken("a loadable log became unloadable after one append");
    QVector<QByteArray> expected = loaded;
    expected.push_back(added);
    if (recordLines() != expected)
        broken("an append changed the records that load");
}

void fuzzSettings(const QByteArray& data)
{
    // QSOpref.txt: what reads, once written, reads back to the same file.
    if (Module2::ParseQSOpref(data)) {
        const QByteArray text = Module2::QSOprefText();
        if (!Module2::ParseQSOpref(text) || Module2::QSOprefText() != text)
            broken("QSOpref.txt does not read back as written");
    }

    write(QStringLiteral("county2.txt"), data);
    G.PartyState = QStringLiteral("IN");
    Module2::LoadCountyList();
    Module2::CountyNameFromAbbrev(QStringLiteral("MARI"));

    write(QStringLiteral("prefs.xml"), data);
    modGlobalPreferences::LoadGlobalPreferences(folder().dir->filePath(QStringLiteral("prefs.xml")));
    modGlobalPreferences::SetGlobalPreference(QStringLiteral("own_call"), QStringLiteral("W9ABC"), 0);
    modGlobalPreferences::SetGlobalPreference(QStringLiteral("OWN_NEW"), QStringLiteral("<&>"), 0);

    KeyerSettings::parseCW(data);
    KeyerSettings::parsePhone(data);
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    folder().prompts.clear();
    const QByteArray data(reinterpret_cast<const char*>(bytes), qsizetype(size));
    fuzzLog(data);
    fuzzSettings(data);
    return 0;
}
