// The contact list without widgets: which records it shows, its rows, the text sort, the clipboard
// text, and Edit / Delete on real log files.
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

#include "core/Globals.h"
#include "core/Module2Log.h"
#include "core/Module2Prefs.h"
#include "mainwindow/ContactList.h"
#include "tests/core/test_store_fixture.h"
#include "tests/entry/LogBuilder.h"

namespace {

using ContactList::Model;
using MainWindows::Which;

QVector<int> range(int from, int downTo)
{
    QVector<int> out;
    for (int i = from; i >= downTo; --i)
        out << i;
    return out;
}

class ContactListTest : public StoreTest {
protected:
    // Contacts 1..n with calls "W1AB", "W2AB", ... written to log.txt.
    void logOf(int n)
    {
        for (int i = 1; i <= n; ++i) {
            TestLog::Contact c;
            c.call = QStringLiteral("W%1AB").arg(i);
            c.county = QStringLiteral("Marion");
            c.mode = QStringLiteral("CW");
            TestLog::add(c);
        }
        ASSERT_TRUE(Module2::RewriteLog());
    }
    QList<QByteArray> logLines() const
    {
        QList<QByteArray> lines = readLog().split('\n');
        lines.removeLast();   // after the last line end
        return lines;
    }
};

// ---- What the list shows -----------------------------------------------------------------------

TEST_F(ContactListTest, RecentViewShowsTheLastTwentyNewestFirst)
{
    struct Case {
        int count;
        bool all;
        QVector<int> want;
    };
    for (const Case& c : {Case{0, false, {}}, Case{19, false, range(19, 1)}, Case{20, false, range(20, 1)},
                          Case{21, false, range(21, 2)}, Case{21, true, range(21, 1)}, Case{25, false, range(25, 6)},
                          Case{7, false, range(7, 1)}}) {
        SCOPED_TRACE(testing::Message() << c.count << (c.all ? " all" : " last 20"));
        G.QSOCount = c.count;
        G.ListAllFlag = c.all ? 1 : 0;
        Model m;
        m.ListRecentContacts();
        EXPECT_EQ(m.records(), c.want);
        EXPECT_EQ(m.rowCount(), c.want.size());
        if (!c.want.isEmpty()) {
            EXPECT_EQ(m.text(0, 0), QString::number(c.count));
        }
    }
}

TEST_F(ContactListTest, RowsOfEachWindow)
{
    TestLog::Contact c;
    c.call = QStringLiteral("K9XYZ");
    c.rstRcvd = QStringLiteral("589");
    c.rstSent = QStringLiteral("579");
    c.spc = QStringLiteral("OH");
    c.county = QStringLiteral("Marion");
    c.sentCounty = QStringLiteral("Vigo");
    c.time = QStringLiteral("14:02:11");
    c.mode = QStringLiteral("CW");
    TestLog::add(c);

    EXPECT_EQ(ContactList::rowTexts(ContactList::layoutFor(Which::Out, 1), 1),
              QStringList({"1", "K9XYZ", "589", "Marion", "579", "05/04 14:02", "CW", "20"}));
    EXPECT_EQ(ContactList::rowTexts(ContactList::layoutFor(Which::In, 0), 1),
              QStringList({"1", "K9XYZ", "589", "OH", "Marion", "579", "05/04 14:02", "CW", "20"}));
    EXPECT_EQ(ContactList::rowTexts(ContactList::layoutFor(Which::In, 1), 1),
              QStringList({"1", "K9XYZ", "589", "OH", "Marion", "579", "05/04 14:02", "CW", "20", "Vigo"}));
}

TEST_F(ContactListTest, DateTimeColumn)
{
    EXPECT_EQ(ContactList::dateTimeText("2024/12/31", "23:59:59"), "12/31 23:59");
    EXPECT_EQ(ContactList::dateTimeText("2024/05/04", "09:30"), "05/04 09:30");   // post-contest entry
    EXPECT_EQ(ContactList::dateTimeText("", ""), " ");
    EXPECT_EQ(ContactList::dateTimeText("someday", "noon"), "someday noon");
    // Dates and times an older log holds as they were typed.
    EXPECT_EQ(ContactList::dateTimeText("5/4/2024", "9:05"), "05/04 09:05");
    EXPECT_EQ(ContactList::dateTimeText("2024/5/4", "9:05:30"), "05/04 09:05");
    EXPECT_EQ(ContactList::dateTimeText("12/25", "14:02"), "12/25 14:02");
}

// ---- Sorting -----------------------------------------------------------------------------------

TEST_F(ContactListTest, RecordNumbersSortAsTextUntilTheNextRefill)
{
    logOf(21);
    Model m;
    m.setLayout(ContactList::layoutFor(Which::Out, 0));
    m.ListRecentContacts();
    m.sortByColumn(0);
    EXPECT_EQ(m.records(), (QVector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 2, 20, 21, 3, 4, 5, 6, 7, 8, 9}));
    m.ListRecentContacts();
    EXPECT_EQ(m.records(), range(21, 2));
}

TEST_F(ContactListTest, TextSortIgnoresCaseAndKeepsTheOrderOfEqualTexts)
{
    for (const char* call : {"k9b", "K9A", "K9B", "AA9A"}) {
        TestLog::Contact c;
        c.call = QString::fromLatin1(call);
        TestLog::add(c);
    }
    Model m;
    m.ListRecentContacts();   // 4, 3, 2, 1
    m.sortByColumn(1);
    EXPECT_EQ(m.records(), (QVector<int>{4, 2, 3, 1}));
    m.sortByColumn(99);   // no such column: nothing changes
    EXPECT_EQ(m.records(), (QVector<int>{4, 2, 3, 1}));
}

// ---- Clipboard -----------------------------------------------------------------------------------

TEST_F(ContactListTest, ClipboardTextRunsFromTheLastRowShownToTheFirst)
{
    logOf(21);
    Model m;
    const QStringList headers{"Rec#", "Call", "Rec", "County", "Snt", "Date/Time", "Mo", "Bnd"};
    m.setHeaders(headers);
    m.ListRecentContacts();
    const QStringList lines = m.clipboardText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 22);   // header, 20 rows, nothing after the last line end
    EXPECT_EQ(lines[0], headers.join('\t'));
    EXPECT_EQ(lines[1], "2\tW2AB\t599\tMarion\t599\t05/04 14:00\tCW\t20");
    EXPECT_TRUE(lines[20].startsWith("21\tW21AB\t"));
    EXPECT_TRUE(lines[21].isEmpty());

    m.clear();
    EXPECT_EQ(m.clipboardText(), "Rec#\tCall\tRec\tCounty\tSnt\tDate/Time\tMo\tBnd\r\n");
}

TEST_F(ContactListTest, ClipboardRowsHaveOneFieldPerHeader)
{
    // A header the rows have no column for gives an empty field.
    EXPECT_EQ(ContactList::clipboardText({"A", "B", "C"}, {{"1", "x"}}), "A\tB\tC\r\n1\tx\t\r\n");
}

// ---- Toggles and recall ------------------------------------------------------------------------

TEST_F(ContactListTest, LastTwentyAllToggleNamesWhatIsShown)
{
    EXPECT_EQ(ContactList::cmdList_Click(), "All");
    EXPECT_EQ(G.ListAllFlag, 1);
    EXPECT_EQ(ContactList::cmdList_Click(), "Last 20");
    EXPECT_EQ(G.ListAllFlag, 0);
}

TEST_F(ContactListTest, ListPreviousIsSavedInTheOptions)
{
    for (bool ticked : {true, false}) {
        ContactList::setListPrevious(ticked);
        EXPECT_EQ(G.ListPreviousFlag, ticked ? 1 : 0);
        G.ListPreviousFlag = 7;
        // Written from a profile without band and mode, which read as the installed ones.
        ASSERT_TRUE(Module2::ReadQSOpref().fileRead);
        EXPECT_EQ(G.ListPreviousFlag, ticked ? 1 : 0);
    }
}

TEST_F(ContactListTest, RecallGivesTheNewestCall)
{
    EXPECT_FALSE(ContactList::recallCall().has_value());
    logOf(2);
    EXPECT_EQ(ContactList::recallCall().value_or(QString()), "W2AB");
}

// ---- Edit and Delete ---------------------------------------------------------------------------

struct FakeHost : ContactList::Host {
    int selected = 0;
    int dialogs = 0, hides = 0, reloads = 0;
    std::function<void()> dialog;

    int selectedRecord() override { return selected; }
    void showEditDialog() override
    {
        ++dialogs;
        if (dialog)
            dialog();
    }
    void hideEditButtons() override { ++hides; }
    void ReloadLog() override
    {
        ++reloads;
        Module2::LoadLog();
    }
};

TEST_F(ContactListTest, EditAndDeleteDoNothingWithoutASelectedRecord)
{
    logOf(3);
    const QByteArray before = readLog();
    for (int selected : {0, 4, -1}) {
        FakeHost host;
        host.selected = selected;
        ContactList::cmdEdit_Click(host);
        ContactList::cmdDelete_Click(host);
        EXPECT_EQ(host.dialogs + host.hides + host.reloads, 0) << selected;
    }
    EXPECT_EQ(G.EditIndex, 0);
    EXPECT_TRUE(prompts.calls().isEmpty());
    EXPECT_EQ(readLog(), before);
}

TEST_F(ContactListTest, DeleteAnsweredNoChangesNothingButHidesTheButtons)
{
    logOf(21);
    const QByteArray before = readLog();
    prompts.answer(Platform::Answer::No);
    FakeHost host;
    host.selected = 5;
    ContactList::cmdDelete_Click(host);
    ASSERT_EQ(prompts.messages(), QStringList({"Are you sure?"}));
    EXPECT_EQ(prompts.calls()[0].title, "Are you sure?");
    EXPECT_EQ(prompts.calls()[0].buttons, Platform::Buttons::YesNo);
    EXPECT_GE(host.hides, 1);
    EXPECT_EQ(host.reloads, 0);
    EXPECT_EQ(G.QSOCount, 21);
    EXPECT_EQ(readLog(), before);
}

TEST_F(ContactListTest, DeletingRecordFiveOfTwentyOneRenumbersTheRest)
{
    logOf(21);
    QList<QByteArray> want = logLines();
    want.removeAt(4);
    prompts.answer(Platform::Answer::Yes);
    FakeHost host;
    host.selected = 5;
    ContactList::cmdDelete_Click(host);
    EXPECT_EQ(host.reloads, 1);
    EXPECT_GE(host.hides, 1);
    ASSERT_EQ(G.QSOCount, 20);
    EXPECT_EQ(G.ContactArrays.ContactCall[4], "W4AB");
    EXPECT_EQ(G.ContactArrays.ContactCall[5], "W6AB");
    EXPECT_EQ(G.ContactArrays.ContactCall[20], "W21AB");
    EXPECT_EQ(logLines(), want);

    Model m;
    m.ListRecentContacts();
    EXPECT_EQ(m.records(), range(20, 1));
}

TEST_F(ContactListTest, EditRewritesTheLogAndReloadsWhateverTheDialogDid)
{
    logOf(10);
    QList<QByteArray> want = logLines();
    FakeHost host;
    host.selected = 7;
    host.dialog = [] {
        EXPECT_EQ(G.EditIndex, 7);
        G.ContactArrays.ContactCall[7] = QStringLiteral("EDITED");
    };
    ContactList::cmdEdit_Click(host);
    EXPECT_EQ(host.dialogs, 1);
    EXPECT_EQ(host.hides, 1);
    EXPECT_EQ(host.reloads, 1);
    want[6].replace("W7AB", "EDITED");
    EXPECT_EQ(logLines(), want);

    // A dialog closed without a change still rewrites and reloads.
    host.dialog = {};
    ContactList::cmdEdit_Click(host);
    EXPECT_EQ(host.reloads, 2);
    EXPECT_EQ(logLines(), want);
}

TEST_F(ContactListTest, EditWhoseRewriteFailsReportsItAndKeepsTheFileWhole)
{
    logOf(10);
    const QByteArray before = readLog();
    FakeHost host;
    host.selected = 3;
    host.dialog = [] { G.ContactArrays.ContactCall[3] = QStringLiteral("A-MUCH-LONGER-CALL-THAN-BEFORE"); };
    {
        FileSizeLimit limit(before.size());
        ContactList::cmdEdit_Click(host);
    }
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].startsWith("Error writing the log file log.txt:"));
    EXPECT_EQ(prompts.calls()[0].title, ContactList::WriteErrorTitle);
    EXPECT_EQ(readLog(), before);
    // The reload shows the log as the file holds it.
    EXPECT_EQ(host.reloads, 1);
    EXPECT_EQ(G.ContactArrays.ContactCall[3], "W3AB");
}

}   // namespace
