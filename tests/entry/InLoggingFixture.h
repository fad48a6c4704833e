#pragma once
// A fixture for the in-state logging and duplicate-check tests: the entry fixture's shared state,
// folder, prompts and clock, the state and province table, and an in-state row whose host records
// what logging asks of the window.
#include "EntryFixture.h"

#include "entry/InRow.h"

#include <functional>
#include "mainwindow/StateProvinces.h"

class InRecordingHost : public RecordingHost {
public:
    QStringList rover;         // the rover county list
    QVector<int> workedRows;   // grid labels turned WorkedColor
    QStringList ownCounty;     // Label25 captions shown
    int repaints = 0;
    qint64 repaintAdvanceMs = 0;   // each repaint moves the fake clock on
    std::function<void()> afterScore;
    std::function<void(const QString&)> onOwnCounty;   // runs as Label25 shows each county

    QStringList roverCounties() override { return rover; }
    void showOwnCounty(const QString& county) override
    {
        ownCounty << county;
        if (onOwnCounty)
            onOwnCounty(county);
    }
    void stateWorked(int row) override { workedRows << row; }
    void AddBandDX(int record) override { calls << QStringLiteral("AddBandDX %1").arg(record); }
    void repaintWindow() override
    {
        ++repaints;
        if (clock && repaintAdvanceMs)
            clock->advanceMs(repaintAdvanceMs);
    }
    void ShowScore() override
    {
        RecordingHost::ShowScore();
        if (afterScore)
            afterScore();
    }
};

class InLoggingTest : public EntryTest {
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        StateProvinces::FillStateProvinceTable();
        G.CurrentCounty = QStringLiteral("Adams");
        // 09:02:11 on the PC, 5 hours to UTC.
        clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 2, 11), Qt::UTC), -5 * 3600);
        G.UtcOffsetHours = 5;
        inHost.clock = &clock;
        in.setHost(&inHost);
    }

    // The five entry fields, Enter pressed in the report sent.
    void fill(const QString& call, const QString& rstr, const QString& state, const QString& county,
              const QString& rsts)
    {
        in.setText(Entry::Field::Call, call);
        in.setText(Entry::Field::RSTR, rstr);
        in.setText(Entry::Field::Cntry, state);
        in.setText(Entry::Field::Sec, county);
        in.setText(Entry::Field::RSTS, rsts);
        in.focus = Entry::Field::RSTS;
    }

    // A contact of the memory log, sent from `sentCounty`.
    int loggedIn(const QString& call, const QString& state, const QString& county, const QString& sentCounty,
                 const QString& band = QStringLiteral("20"), const QString& mode = QStringLiteral("CW"))
    {
        TestLog::Contact c;
        c.call = call;
        c.spc = state;
        c.county = county;
        c.sentCounty = sentCounty;
        c.band = band;
        c.mode = mode;
        return TestLog::add(c);
    }

    QString logPath() const { return dir.filePath(QStringLiteral("log.txt")); }
    QByteArray logText() const
    {
        QFile f(logPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QList<QByteArray> logLines() const
    {
        QList<QByteArray> lines = logText().split('\n');
        lines.removeAll(QByteArray());
        return lines;
    }

    InRecordingHost inHost;
    Entry::InRow in;
};
