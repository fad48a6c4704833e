#pragma once
// A program folder with the files the station setup reads at start, for the station setup tests.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/ListFormat.h"
#include "core/StationSetup.h"
#include "core/modGlobalPreferences.h"
#include "keying/CWFrm.h"
#include "keying/PhoneFrm.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedPrompts.h"

namespace SetupFixture {

// An in-state fixed station, UTC offset 5, in the order of QSOpref.txt.
inline const QByteArray InStateProfile =
    "\"W9ABC\"\r\n\"IN\"\r\n\"USA\"\r\n\"IN\"\r\n\"Pat\"\r\n\"SOLP\"\r\n\"Marion\"\r\n\"Speedway\"\r\n"
    "\"CW\"\r\n\"20\"\r\n5\r\n86.15\r\n39.77\r\n\"NA\"\r\n80\r\n255\r\n8421504\r\n3600\r\n"
    "\"IN\"\r\n0\r\n0\r\n1\r\n\"None\"\r\n1\r\n0\r\n";

// The same profile with other flags (items 20 and 21).
inline QByteArray profileWithFlags(int outOfState, int rover)
{
    QByteArray p = InStateProfile;
    const QByteArray flags = "\"IN\"\r\n0\r\n0\r\n1\r\n";
    const int at = int(p.indexOf(flags));
    p.replace(at, flags.size(),
              "\"IN\"\r\n" + QByteArray::number(outOfState) + "\r\n" + QByteArray::number(rover) + "\r\n1\r\n");
    return p;
}

// Four countries in file order; the last one beginning with U is Ukraine.
inline const QByteArray Countries = "\"CE\",\"Chile\",\"SA\",70.67,-33.45,\"145\",\"12\",\"14\"\r\n"
                                    "\"K\",\"USA\",\"NA\",98.58,39.83,\"291\",\"5\",\"8\"\r\n"
                                    "\"UR\",\"Ukraine\",\"EU\",-30.5,50.45,\"288\",\"16\",\"29\"\r\n"
                                    "\"VE\",\"Canada\",\"NA\",100,55,\"1\",\"5\",\"9\"\r\n";

inline QByteArray countryRows(int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += "\"P" + QByteArray::number(i) + "\",\"Land " + QByteArray::number(i) +
               "\",\"EU\",1,2,\"1\",\"2\",\"3\"\r\n";
    return out;
}

inline QByteArray stateRows(int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += "\"" + QByteArray(StationSetup::PartyStateCaptions[i]) + "\"," + QByteArray::number(30 + i) + ".5," +
               QByteArray::number(70 + i) + ".25\r\n";
    return out;
}

inline QByteArray waveSettings(int values = 13)
{
    QByteArray out;
    for (int i = 1; i <= 9 && i <= values; ++i)
        out += "\"/home/op/wav/f" + QByteArray::number(i) + ".wav\"\r\n";
    const QList<QByteArray> rest = {"\"2\"", "1", "\"2.5\"", "\"&H3BC\""};
    for (int i = 10; i <= values; ++i)
        out += rest[i - 10] + "\r\n";
    return out;
}

inline QByteArray cwSettings(int keyMethod = 2)
{
    QByteArray out;
    for (int i = 1; i <= 9; ++i)
        out += "\"CQ " + QByteArray::number(i) + "\"\r\n";
    out += "\"1\"\r\n\"22\"\r\n\"F10\"\r\n\"F11\"\r\n\"1\"\r\n" + QByteArray::number(keyMethod) +
           "\r\n\"&H378\"\r\n0\r\n\"1.5\"\r\n";
    return out;
}

class Folder : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        G.ProgramFolder = dir.path();
        G.DataFolder = dir.filePath(QStringLiteral("Data"));
        G.SharedFolder = dir.filePath(QStringLiteral("Shared"));
        QDir().mkpath(G.DataFolder);
        QDir().mkpath(G.SharedFolder);
        modGlobalPreferences::LoadGlobalPreferences(modGlobalPreferences::PrefsPath());
        // The PC runs 5 hours behind UTC, as the saved offset says: no offset question.
        clock.set(QDateTime(QDate(2024, 3, 2), QTime(15, 0), Qt::UTC), -5 * 3600);
        Platform::setClock(&clock);
        prompts.clear();
        Platform::setPrompts(&prompts);
    }

    void TearDown() override
    {
        CWFrm::unload();
        PhoneFrm::unload();
        Platform::setPrompts(nullptr);
        Platform::setClock(nullptr);
    }

    void write(const QString& name, const QByteArray& data)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

    QByteArray read(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void writeAll()
    {
        write(QStringLiteral("QSOpref.txt"), InStateProfile);
        write(QStringLiteral("arrlpre2.txt"), Countries);
        write(QStringLiteral("states.txt"), stateRows(50));
        write(QStringLiteral("wave2.txt"), waveSettings());
        write(QStringLiteral("CW.txt"), cwSettings());
    }

    // The error boxes of the loading: its title, and its text or that text as the first line.
    int errorBoxes() const
    {
        int n = 0;
        for (const auto& c : prompts.callsOf(QStringLiteral("message")))
            if (c.text.split(QStringLiteral("\r\n")).first() == StationSetup::LoadErrorText &&
                c.title == StationSetup::LoadErrorTitle)
                ++n;
        return n;
    }

    QTemporaryDir dir;
    Platform::FakeClock clock;
    Platform::ScriptedPrompts prompts;
};

}   // namespace SetupFixture
