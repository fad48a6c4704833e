// Post-contest entry at the keyboard, in both main windows: the Time and Date boxes take the focus
// with their whole text selected however they are reached (Space from the box before, Tab), so a
// date or time typed over the one kept from the contact before replaces it, and log.txt stores
// what was typed.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QList>
#include <QPair>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "core/Globals.h"
#include "keying/BlindFrm.h"
#include "mainwindow/EntryRowView.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/Outfrm.h"
#include "tests/mainwindow/MainFrameFixture.h"

namespace {

using DateTime = QPair<QString, QString>;

class PostContestWindowTest : public MainFrameTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        loadPositionTables();
        G.CurrentCounty = QStringLiteral("Marion");
    }
    void TearDown() override
    {
        window.reset();
        BlindFrm::unload();
        MainFrameTest::TearDown();
    }

    bool inState() const { return GetParam(); }
    void open()
    {
        if (inState())
            window = shown<Infrm>();
        else
            window = shown<Outfrm>();
        G.LoggedOnFlag = 1;
    }


    // Types a contact from the call field to the report sent, and the Space there that moves on.
    void typeContact(const char* call)
    {
        ASSERT_EQ(focused(), window->txtCall);
        // The in-state window's state field offers the contest state; a Space takes it.
        keys(QString::fromLatin1(call) +
             (inState() ? QStringLiteral(" 579  marion  ") : QStringLiteral(" 579 marion  ")));
    }

    // The date and time of each contact in log.txt.
    QList<DateTime> loggedDateTimes() const
    {
        QList<DateTime> out;
        for (const QByteArray& line : readLog().split('\n')) {
            const QList<QByteArray> values = line.trimmed().split(',');
            if (values.size() == 19)
                out << DateTime(QString::fromLatin1(values[11]).remove(QLatin1Char('"')),
                                QString::fromLatin1(values[12]).remove(QLatin1Char('"')));
        }
        return out;
    }

    std::unique_ptr<MainFrame> window;
};

TEST_P(PostContestWindowTest, ADateOrTimeTypedOverTheKeptOneReplacesIt)
{
    open();
    window->action(QStringLiteral("mnuPostContest"))->trigger();
    QLineEdit* time = window->txtPostConTime;
    QLineEdit* date = window->txtPostConDate;

    // The first contact: the empty date box fills itself with today's local date, selected.
    typeContact("k9abc");
    ASSERT_EQ(focused(), time);
    keys(QStringLiteral("2350 "));
    ASSERT_EQ(focused(), date);
    EXPECT_EQ(date->text(), QStringLiteral("2024/05/04"));
    EXPECT_EQ(date->selectedText(), QStringLiteral("2024/05/04"));
    key(Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 1) << window->lblDialog->text().toStdString();

    // Past midnight UTC: Space reaches the time box and the date box, each with its kept text
    // selected, so what is typed replaces it.
    ASSERT_EQ(focused(), window->txtCall);
    typeContact("n0qx");
    ASSERT_EQ(focused(), time);
    EXPECT_EQ(time->selectedText(), QStringLiteral("23:50"));
    keys(QStringLiteral("0010 "));
    ASSERT_EQ(focused(), date);
    EXPECT_EQ(date->text(), QStringLiteral("2024/05/04"));
    EXPECT_EQ(date->selectedText(), QStringLiteral("2024/05/04"));
    EXPECT_EQ(window->entryView()->row().txtPostConDate.selLength, 10);
    keys(QStringLiteral("2024/05/05"));
    EXPECT_EQ(date->text(), QStringLiteral("2024/05/05"));
    key(Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 2) << window->lblDialog->text().toStdString();

    // Tab from the time box selects the date too.
    typeContact("k1aa");
    ASSERT_EQ(focused(), time);
    key(Qt::Key_Tab);
    ASSERT_EQ(focused(), date);
    EXPECT_EQ(date->selectedText(), QStringLiteral("2024/05/05"));
    keys(QStringLiteral("2024/05/06"));
    key(Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 3) << window->lblDialog->text().toStdString();

    EXPECT_EQ(loggedDateTimes(),
              QList<DateTime>({{"2024/05/04", "23:50"}, {"2024/05/05", "00:10"}, {"2024/05/06", "00:10"}}));
    EXPECT_EQ(G.ContactArrays.ContactDate[2], QStringLiteral("2024/05/05"));

    // Between contacts the boxes keep their texts; one reached with nothing typed logs them again.
    EXPECT_EQ(date->text(), QStringLiteral("2024/05/06"));
    EXPECT_EQ(time->text(), QStringLiteral("00:10"));
    typeContact("w9xyz");
    keys(QStringLiteral(" "));
    ASSERT_EQ(focused(), date);
    key(Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 4) << window->lblDialog->text().toStdString();
    EXPECT_EQ(loggedDateTimes().value(3), DateTime("2024/05/06", "00:10"));
}

INSTANTIATE_TEST_SUITE_P(BothWindows, PostContestWindowTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Infrm" : "Outfrm");
                         });

}   // namespace
