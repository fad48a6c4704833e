#pragma once
// A fixture for the entry row tests: a fresh shared state, a temporary program folder with the
// installed county2.txt loaded, a scripted prompt service, a fake clock, and a host that records
// what the row asks of its window.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <algorithm>

#include "LogBuilder.h"
#include "core/Globals.h"
#include "core/Module2County.h"
#include "entry/EntryKeys.h"
#include "entry/OutLogging.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedPrompts.h"

// Records the row's calls to its window; Mains runs the real logging when `logs` is set.
class RecordingHost : public Entry::EntryHost {
public:
    Entry::OutEntry* row = nullptr;
    bool logs = false;
    QStringList calls;
    QStringList prompts;
    QVector<int> listed;
    int listRows = 0;
    bool listPrevious = false;
    OutLogging::MainsResult lastResult;
    // The spoken prompt plays for this many polls (-1: forever); each poll moves `clock` on.
    int playingPolls = 0;
    Platform::FakeClock* clock = nullptr;

    void Mains() override
    {
        calls << QStringLiteral("Mains");
        if (logs && row)
            lastResult = OutLogging::Mains(*row);
    }
    void cmdLogOn_Click() override
    {
        calls << QStringLiteral("cmdLogOn_Click");
        G.LoggedOnFlag = 1;
        if (row) {
            row->labels.lblDialog = QStringLiteral(" ");
            row->setFocus(Entry::Field::Call);
        }
    }
    void BlindKeyPhone(const QString& name) override { prompts << name; }
    bool promptPlaying() override
    {
        if (clock)
            clock->advanceMs(100);
        if (playingPolls < 0)
            return true;
        return playingPolls-- > 0;
    }
    void hideEditButtons() override { calls << QStringLiteral("hideEditButtons"); }
    int contactListRows() override { return listRows; }
    void ListRecentContacts() override
    {
        calls << QStringLiteral("ListRecentContacts");
        listRows = std::min(G.QSOCount, 20);
    }
    bool listPreviousChecked() override { return listPrevious; }
    void listPreviousContacts(const QVector<int>& records) override
    {
        calls << QStringLiteral("listPreviousContacts");
        listed = records;
    }
    void UpdateCountyLists() override { calls << QStringLiteral("UpdateCountyLists"); }
    void ShowScore() override { calls << QStringLiteral("ShowScore"); }
    void ShowQSORates() override { calls << QStringLiteral("ShowQSORates"); }
};

class EntryTest : public ::testing::Test {
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
        G.ShowPartialsFlag = 1;
        G.FormSizePercent = 100;
        ASSERT_TRUE(QFile::copy(QStringLiteral(VQPLOG_SOURCE_DIR "/data/county2.txt"),
                                dir.filePath(QStringLiteral("county2.txt"))));
        ASSERT_TRUE(Module2::LoadCountyList());
        Platform::setPrompts(&prompts);
        Platform::setClock(&clock);
        host.row = &row;
        host.clock = &clock;
        row.setHost(&host);
    }
    void TearDown() override
    {
        Platform::setPrompts(nullptr);
        Platform::setClock(nullptr);
        resetGlobals();
    }

    // Stores a contact as the next record (the memory log only) and returns its number.
    int logged(const QString& call, const QString& county, const QString& band = QStringLiteral("20"),
               const QString& mode = QStringLiteral("CW"), const QString& time = QStringLiteral("14:00:00"))
    {
        TestLog::Contact c;
        c.call = call;
        c.county = county;
        c.band = band;
        c.mode = mode;
        c.time = time;
        return TestLog::add(c);
    }

    // Types each character of `keys` into field f through the row, as the window passes them on.
    void type(Entry::Field f, const QString& keys)
    {
        for (QChar c : keys)
            row.keyPress(f, c.unicode());
    }
    // Types into whichever field has the focus, following it as the handlers move it.
    void typeAlong(const QString& keys)
    {
        for (QChar c : keys)
            row.keyPress(row.focus, c.unicode());
    }
    void setBox(Entry::Field f, const QString& text, int caret = -1)
    {
        row.setText(f, text);
        row.setSelection(f, caret < 0 ? int(text.size()) : caret, 0);
    }

    QTemporaryDir dir;
    Platform::ScriptedPrompts prompts;
    Platform::FakeClock clock;
    RecordingHost host;
    Entry::OutEntry row;
};
