#pragma once
// Shared set-up of the main window tests: a program folder with the county list, the saved
// options of a station on 20 m CW, a fixed clock and screen, and a recorded rig start.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

#include "core/Globals.h"
#include "core/StationSetup.h"
#include "mainwindow/MainServices.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "tests/core/test_store_fixture.h"

struct FakeRig : MainServices::Rig {
    int starts = 0;
    void Command1_Click() override { ++starts; }
};

class MainFrameTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(QDir().mkpath(G.DataFolder + QStringLiteral("/BACKUP")));
        installDataFiles({"county2.txt"});
        G.PartyState = QStringLiteral("IN");
        G.CurrentMode = QStringLiteral("CW");
        G.CurrentBand = QStringLiteral("20");
        G.FormSizePercent = 100;
        G.RigType = QStringLiteral("None");
        G.UtcOffsetHours = 4;
        G.WorkedColor = 0x0000FF;   // red
        G.UnworkedColor = 0;
        clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 30, 0), Qt::UTC), -4 * 3600);
        Platform::setScreenOverride(Platform::Screen::ofSize(9600, 7200));
        MainServices::setRig(&rig);
    }
    void TearDown() override
    {
        MainServices::setRig(nullptr);
        Platform::setScreenOverride(std::nullopt);
        StoreTest::TearDown();
    }

    // A loaded window; the start question is answered Yes unless the test queued other answers.
    template<class W>
    std::unique_ptr<W> loaded(bool answerYes = true)
    {
        if (answerYes)
            prompts.answer(Platform::Answer::Yes);
        auto w = std::make_unique<W>();
        w->Form_Load();
        return w;
    }

    // A loaded window, shown and active.
    template<class W>
    std::unique_ptr<W> shown()
    {
        auto w = loaded<W>();
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        QApplication::processEvents();
        return w;
    }

    // The country and state tables from the installed files, and the own station in the middle
    // of the contest state (what the in-state window's bearings and distances need).
    void loadPositionTables()
    {
        loadCountryTables();
        G.OwnLatitude = 39.77f;
        G.OwnLongitude = 86.16f;
    }
    // The installed country and state tables in the program folder and loaded, as the station
    // setup loads them.
    void loadCountryTables()
    {
        installDataFiles({"arrlpre2.txt", "states.txt"});
        ASSERT_TRUE(StationSetup::LoadCountryTable());
        ASSERT_TRUE(StationSetup::LoadStatePositions());
    }

    static QStringList headers(QTreeView* list)
    {
        QStringList out;
        for (int i = 0; i < list->model()->columnCount(); ++i)
            out << list->model()->headerData(i, Qt::Horizontal).toString();
        return out;
    }
    static QLabel* label(QWidget* w, const QString& name) { return w->findChild<QLabel*>(name); }

    // The keyboard: each key pressed and released to whichever control has the focus, following
    // it as it moves.
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void keys(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(focused(), c.toLatin1());
    }
    static void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(focused(), k, mods); }
    FakeRig rig;
};
