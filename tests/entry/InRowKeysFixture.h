#pragma once
// A fixture for the in-state entry row: the installed county, country and state tables loaded, the
// own station in the middle of the contest state, and a host that records what the row asks of its
// window (the in-state duplicate checks included).
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "LogBuilder.h"
#include "core/Globals.h"
#include "core/Module2County.h"
#include "core/StationSetup.h"
#include "entry/InEntry.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/FakeClock.h"

class InHost : public Entry::EntryHost {
public:
    QStringList calls;
    QStringList prompts;
    QVector<int> partialKeys;   // the key each partial check was given

    void Mains() override { calls << QStringLiteral("Mains"); }
    void BlindKeyPhone(const QString& name) override { prompts << name; }
    void DupCheck2(Entry::InEntry&) override { calls << QStringLiteral("DupCheck2"); }
    void PartialDupeCheck(Entry::InEntry&, int& KeyAscii) override { partialKeys << KeyAscii; }
    void HoldDupeFlag() override
    {
        calls << QStringLiteral("HoldDupeFlag");
        G.DupeFlag = 0;
    }
    void AddBandDX(int) override { calls << QStringLiteral("AddBandDX"); }
};

class InEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        G.ProgramFolder = dir.path();
        G.PartyState = QStringLiteral("IN");
        G.CurrentBand = QStringLiteral("20");
        G.CurrentMode = QStringLiteral("CW");
        G.LoggedOnFlag = 1;
        G.FormSizePercent = 100;
        G.OwnLatitude = 39.77f;
        G.OwnLongitude = 86.16f;
        for (const char* name : {"county2.txt", "arrlpre2.txt", "states.txt"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(VQPLOG_SOURCE_DIR "/data/") + QLatin1String(name),
                                    dir.filePath(QLatin1String(name))));
        ASSERT_TRUE(Module2::LoadCountyList());
        ASSERT_TRUE(StationSetup::LoadCountryTable());
        ASSERT_TRUE(StationSetup::LoadStatePositions());
        Platform::setPrompts(&prompts);
        Platform::setClock(&clock);
        row.setHost(&host);
    }
    void TearDown() override
    {
        Platform::setPrompts(nullptr);
        Platform::setClock(nullptr);
        resetGlobals();
    }

    // Types each character into whichever field has the focus, following it as the handlers move it.
    void typeAlong(const QString& keys)
    {
        for (QChar c : keys)
            row.keyPress(row.focus, c.unicode());
    }
    // Puts text into a field with the caret at `caret` (-1: the end) and the focus there, without
    // running any focus handler.
    void place(Entry::Field f, const QString& text, int caret = -1)
    {
        row.setText(f, text);
        row.setSelection(f, caret < 0 ? int(text.size()) : caret, 0);
    }
    void focusQuietly(Entry::Field f) { row.focus = f; }

    QTemporaryDir dir;
    Platform::ScriptedPrompts prompts;
    Platform::FakeClock clock;
    InHost host;
    Entry::InEntry row;
};
