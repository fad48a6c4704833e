// The contact list in the running main windows: editing and deleting through the list and the
// edit dialog on a real log.txt, the mouse on the list, the list commands and a list of 11000
// contacts.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

#include "core/Module2Prefs.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/Outfrm.h"
#include "reports/DEEdit.h"
#include "tests/entry/LogBuilder.h"
#include "tests/mainwindow/MainFrameFixture.h"

namespace {

using ContactEdit::Box;

class ContactListWindowTest : public MainFrameTest {
protected:
    // Writes the contacts to log.txt as logging them writes them, one append each.
    void logContacts(const QVector<TestLog::Contact>& contacts)
    {
        for (const TestLog::Contact& c : contacts) {
            TestLog::add(c);
            ASSERT_TRUE(Module2::AppendContact());
        }
    }
    static TestLog::Contact contact(const QString& call, const QString& band = QStringLiteral("20"))
    {
        TestLog::Contact c;
        c.call = call;
        c.band = band;
        c.county = QStringLiteral("Marion");
        c.mode = QStringLiteral("CW");
        c.time = QStringLiteral("14:02:11");
        return c;
    }
    // Calls W1AB, W2AB, ... in memory and in log.txt (one rewrite).
    void manyContacts(int n)
    {
        for (int i = 1; i <= n; ++i)
            TestLog::add(contact(QStringLiteral("W%1AB").arg(i)));
        ASSERT_TRUE(Module2::RewriteLog());
    }
    QList<QByteArray> logLines() const
    {
        QList<QByteArray> lines = readLog().split('\n');
        lines.removeLast();
        return lines;
    }

    static QPoint rowPoint(QTreeView* v, int row) { return v->visualRect(v->model()->index(row, 1)).center(); }
    static void clickRow(QTreeView* v, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(v->viewport(), button, {}, rowPoint(v, row));
    }
    static QString cell(QTreeView* v, int row, int column) { return v->model()->index(row, column).data().toString(); }

    // Runs `act` on the edit dialog once it is shown; a dialog still open after that is closed.
    void onEditDialog(std::function<void(DEEdit&)> act)
    {
        dialogSeen = false;
        QTimer::singleShot(0, [this, act] {
            auto* d = qobject_cast<DEEdit*>(QApplication::activeModalWidget());
            if (!d)
                return;
            dialogSeen = true;
            act(*d);
            if (d->isVisible())
                d->reject();
        });
    }

    bool dialogSeen = false;
};

TEST_F(ContactListWindowTest, EditingAContactRewritesItsLineAndNoOther)
{
    logContacts({contact("W1AB"), contact("W2AB"), contact("W3AB"), contact("W4AB"), contact("W5AB")});
    QList<QByteArray> want = logLines();
    want[2].replace("\"W3AB\",\"599\"", "\"W3AB\",\"579\"");
    ASSERT_NE(want, logLines());
    auto w = shown<Outfrm>();
    QTreeView* list = w->ListView1;
    ASSERT_EQ(list->model()->rowCount(), 5);
    ASSERT_EQ(cell(list, 2, 0), "3");

    clickRow(list, 2);
    ASSERT_TRUE(w->cmdEdit->isVisible());
    onEditDialog([](DEEdit& d) {
        EXPECT_EQ(d.objectName(), "DEEditOut");
        EXPECT_EQ(d.box(Box::Call)->text(), "W3AB");
        d.box(Box::RstS)->setText(QStringLiteral("579"));
        d.cmdDone->click();
    });
    w->cmdEdit->click();
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(logLines(), want);
    EXPECT_FALSE(w->cmdEdit->isVisible());
    EXPECT_FALSE(w->cmdDelete->isVisible());
    EXPECT_EQ(cell(list, 2, 4), "579");   // the list was refilled from the reloaded log
}

TEST_F(ContactListWindowTest, DeleteDupeAnsweredNoKeepsTheLogAndYesDeletesTheEditedContact)
{
    G.CurrentCounty = QStringLiteral("Vigo");
    for (Platform::Answer answer : {Platform::Answer::No, Platform::Answer::Yes}) {
        SCOPED_TRACE(answer == Platform::Answer::Yes ? "Yes" : "No");
        G.QSOCount = 0;
        QFile::remove(logPath());
        TestLog::Contact first = contact("W9ABC"), other = contact("K1AA"), third = contact("W9ABC", "40");
        for (TestLog::Contact* c : {&first, &other, &third}) {
            c->spc = QStringLiteral("IN");
            c->sentCounty = QStringLiteral("Vigo");
        }
        logContacts({first, other, third});
        const QByteArray before = readLog();
        auto w = shown<Infrm>();
        prompts.answer(answer);
        clickRow(w->ListView1, 0);   // record 3
        onEditDialog([](DEEdit& d) {
            EXPECT_EQ(d.objectName(), "DEEditInfrm");
            d.box(Box::Band)->setText(QStringLiteral("20"));
            d.cmdDone->click();
            ASSERT_TRUE(d.cmdDeleteDupe->isVisible());
            d.cmdDeleteDupe->click();
        });
        w->cmdEdit->click();
        EXPECT_TRUE(dialogSeen);
        EXPECT_EQ(prompts.messages().last(), "Are you sure?");
        if (answer == Platform::Answer::No) {
            EXPECT_EQ(readLog(), before);   // the edit was discarded too
            EXPECT_EQ(G.QSOCount, 3);
        } else {
            EXPECT_EQ(readLog(), before.left(before.indexOf("\r\n", before.indexOf("K1AA")) + 2));
            EXPECT_EQ(G.QSOCount, 2);
            EXPECT_EQ(w->ListView1->model()->rowCount(), 2);
        }
    }
}

TEST_F(ContactListWindowTest, MouseOnTheList)
{
    auto w = shown<Outfrm>();
    QTreeView* list = w->ListView1;
    // Empty: a click shows no buttons and the right button opens nothing.
    QTest::mouseClick(list->viewport(), Qt::LeftButton);
    EXPECT_FALSE(w->cmdEdit->isVisible());
    onEditDialog([](DEEdit&) {});
    QTest::mouseClick(list->viewport(), Qt::RightButton);
    QApplication::processEvents();
    EXPECT_FALSE(dialogSeen);

    manyContacts(3);
    w->ReloadLog();
    // Edit without a selected row does nothing.
    w->contactList().showEditButtons();
    onEditDialog([](DEEdit&) {});
    w->cmdEdit->click();
    QApplication::processEvents();
    EXPECT_FALSE(dialogSeen);

    // The right button edits the row under the pointer.
    onEditDialog([](DEEdit& d) { EXPECT_EQ(d.box(Box::Call)->text(), "W2AB"); });
    clickRow(list, 1, Qt::RightButton);
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(G.EditIndex, 2);
}

TEST_F(ContactListWindowTest, HeaderClickSortsAndLastTwentyAllRefills)
{
    manyContacts(21);
    auto w = shown<Outfrm>();
    QTreeView* list = w->ListView1;
    const QHeaderView* h = list->header();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(0) + 5, 5));
    EXPECT_EQ(cell(list, 0, 0), "10");
    EXPECT_EQ(cell(list, 10, 0), "2");
    EXPECT_EQ(cell(list, 19, 0), "9");

    w->cmdList->click();
    EXPECT_EQ(w->cmdList->text(), "All");
    EXPECT_EQ(list->model()->rowCount(), 21);
    EXPECT_EQ(cell(list, 0, 0), "21");
    EXPECT_TRUE(w->txtCall->hasFocus());
    w->cmdList->click();
    EXPECT_EQ(w->cmdList->text(), "Last 20");
    EXPECT_EQ(list->model()->rowCount(), 20);
}

// How fast the list fills is measured by the benchmark ContactListAll.
TEST_F(ContactListWindowTest, ElevenThousandContactsFillTheList)
{
    manyContacts(ContactArraysT::MaxContacts);
    auto w = shown<Outfrm>();
    w->cmdList->click();
    w->ListView1->scrollToBottom();
    QApplication::processEvents();
    EXPECT_EQ(w->ListView1->model()->rowCount(), 11000);
    EXPECT_EQ(cell(w->ListView1, 10999, 1), "W1AB");
}

TEST_F(ContactListWindowTest, MenuCommandsOfTheList)
{
    manyContacts(3);
    auto w = shown<Outfrm>();

    // Recall: the newest call back into the call field, the county text from the caret on
    // selected.
    w->txtSec->setText(QStringLiteral("Marion"));
    w->txtSec->setCursorPosition(2);
    w->action(QStringLiteral("mnuRecall"))->trigger();
    EXPECT_EQ(w->txtCall->text(), "W3AB");
    EXPECT_TRUE(w->txtSec->hasFocus());
    EXPECT_EQ(w->txtSec->selectedText(), "rion");

    w->action(QStringLiteral("mnuCopyListtoClipboard"))->trigger();
    const QStringList lines = QApplication::clipboard()->text().split("\r\n");
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "Rec#\tCall\tRec\tCounty\tSnt\tDate/Time\tMo\tBnd");
    EXPECT_TRUE(lines[1].startsWith("1\tW1AB\t"));
    EXPECT_TRUE(lines[3].startsWith("3\tW3AB\t"));

    QAction* previous = w->action(QStringLiteral("mnuListPrevious"));
    ASSERT_FALSE(previous->isChecked());
    previous->trigger();
    EXPECT_TRUE(previous->isChecked());
    EXPECT_EQ(G.ListPreviousFlag, 1);
    G.ListPreviousFlag = 0;
    ASSERT_TRUE(Module2::ReadQSOpref());
    EXPECT_EQ(G.ListPreviousFlag, 1);
}

}   // namespace

// A rover worked in one county and recalled from the menu bar: the call check fills in the county
// worked before and selects it, and Recall keeps that selection, so the new county typed replaces
// the old one in either window.
TEST_F(ContactListWindowTest, RecalledRoverTakesTheNewCountyTyped)
{
    G.CurrentCounty = QStringLiteral("Adams");
    CountryRow usa;   // a call of the USA leaves the in-state window's state field to the call check
    usa.prefix = QStringLiteral("K");
    usa.country = QStringLiteral("USA");
    G.CountryTable << usa;
    TestLog::Contact rover = contact("K9ROV");
    rover.spc = QStringLiteral("IN");
    rover.county = QStringLiteral("De Kalb");
    rover.sentCounty = QStringLiteral("Adams");
    logContacts({rover});

    auto recallAndType = [](MainFrame& w) {
        QAction* recall = w.action(QStringLiteral("mnuRecall"));
        QTest::mouseClick(w.menuBar, Qt::LeftButton, {}, w.menuBar->actionGeometry(recall).center());
        QApplication::processEvents();
        EXPECT_EQ(w.txtCall->text(), "K9ROV");
        ASSERT_EQ(QApplication::focusWidget(), w.txtSec);
        EXPECT_EQ(w.txtSec->selectedText(), "De Kalb");
        QTest::keyClicks(w.txtSec, QStringLiteral("wayne"));
        EXPECT_EQ(w.txtSec->text(), "Wayne");
    };
    {
        SCOPED_TRACE("out-of-state window");
        auto w = shown<Outfrm>();
        recallAndType(*w);
    }
    {
        SCOPED_TRACE("in-state window");
        auto w = shown<Infrm>();
        recallAndType(*w);
    }
}
