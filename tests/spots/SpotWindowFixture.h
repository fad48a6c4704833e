#pragma once
// Set-up of the DX-spotting window tests: a program folder, scripted prompts, a fixed clock, the
// small country table, and a main window that takes each spot into the real SpotStore and keeps
// the spot list rows it would show.
#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include "core/Form1.h"
#include "core/MainLogWindow.h"
#include "spots/BandMap.h"
#include "spots/PacketSpotfrm.h"
#include "spots/SpotStore.h"
#include "tests/core/test_store_fixture.h"
#include "tests/support/PtyPair.h"

struct SpotMainWindow : MainLogWindow {
    QVector<Spots::SpotRow> rows;
    int redraws = 0, resizes = 0;
    void cmdDelete_Click() override {}
    void Form_KeyDown(int&, int&) override {}
    void Form_KeyPress(int&) override {}
    void mnuBand10Ch_Click() override {}
    void mnuBand15Ch_Click() override {}
    void mnuBand160Ch_Click() override {}
    void mnuBand20Ch_Click() override {}
    void mnuBand40Ch_Click() override {}
    void mnuBand6Ch_Click() override {}
    void mnuBand80Ch_Click() override {}
    void Mains() override {}
    void PacketResize() override { ++resizes; }
    void BandMapSpots(QVariant& c, QVariant& f, QVariant& r) override
    {
        if (auto row = Spots::intake(Spots::SpotStore(), c, f, r, Platform::clock().read().local))
            rows << *row;
    }
    void DisplayBandMapLabels() override { ++redraws; }
    void BandFreqConversion(float&) override {}
    void ModeSelection(QString&) override {}
};

class SpotWindowTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        Spots::resetSpotStore();
        G.OutOfStateFlag = 1;
        G.CurrentBand = QStringLiteral("20");
        Form1::registerMainWindow(&main, true);
        const char* rows[][2] = {
            {"DL", "Germany"}, {"JA", "Japan"}, {"K", "USA"}, {"VE", "Canada"}, {"VK", "Australia"}};
        for (const auto& r : rows) {
            CountryRow row;
            row.prefix = QString::fromLatin1(r[0]);
            row.country = QString::fromLatin1(r[1]);
            G.CountryTable << row;
        }
    }
    void TearDown() override
    {
        PacketSpotfrm::unload();
        Form1::unregisterMainWindow(&main);
        qunsetenv("VQPLOG_COM3");
        StoreTest::TearDown();
    }
    void writeSettings(const QByteArray& data)
    {
        QFile f(dir.filePath(QStringLiteral("PackSpot.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QByteArray readSettings() const
    {
        QFile f(dir.filePath(QStringLiteral("PackSpot.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // The calls drawn on a band's map (whole band, no zoom needed to find them).
    static QStringList drawnOn(const QString& band)
    {
        const Spots::BandRange r = Spots::bandEdges(band);
        QStringList calls;
        for (const auto& p : Spots::placeLabels(Spots::SpotStore(), r.low, r.high, Platform::clock().read().local, 0))
            calls << Spots::SpotStore().slot[p.slot].call;
        return calls;
    }
    QString terminal() const { return PacketSpotfrm::instance().reception.terminal.text; }

    SpotMainWindow main;
};
