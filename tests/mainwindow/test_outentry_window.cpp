// The out-of-state window as an operator uses it: real keys typed into its entry fields log
// contacts into log.txt and show them in the score, the county lists and the contact list;
// duplicates, a log.txt that cannot be written and quotes are refused; the focus handlers run
// only for moves inside the window.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

#include "core/Colors.h"
#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "entry/EntryKeys.h"
#include "keying/BlindFrm.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/Outfrm.h"
#include "platform/Sound.h"
#include "tests/keying/test_sound_wave.h"
#include "tests/mainwindow/MainFrameFixture.h"
#include "tests/support/FakeSound.h"

namespace {

// The line logging K9ABC (599 both ways, Marion) writes at the test clock's 14:30:00 UTC.
const QByteArray kK9abcMarion = "\"K9ABC\",\"599\",\"599\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/"
                                "04\",\"14:30:00\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n";

class OutEntryWindowTest : public MainFrameTest {
protected:
    void TearDown() override
    {
        w.reset();
        BlindFrm::unload();
        MainFrameTest::TearDown();
    }

    // The out-of-state window shown and active, no prompt recorded yet.
    void open()
    {
        w = shown<Outfrm>();
        prompts.clear();
    }


    static QStringList items(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    static long long backColor(const QLabel* l) { return Colors::toNumber(l->palette().color(QPalette::Window)); }
    QLabel* header(int index) const { return w->lblStation[index]; }
    // The texts of row `row` of the contact list.
    QStringList listRow(int row) const
    {
        QStringList out;
        const QAbstractItemModel* m = w->ListView1->model();
        for (int c = 0; c < m->columnCount(); ++c)
            out << m->index(row, c).data().toString();
        return out;
    }
    QStringList entryTexts() const
    {
        return {w->txtCall->text(), w->txtRSTR->text(), w->txtSec->text(), w->txtRSTS->text()};
    }

    std::unique_ptr<Outfrm> w;
};

TEST_F(OutEntryWindowTest, TypedContactEndsInLogTxtAndEveryDisplay)
{
    open();
    ASSERT_EQ(focused(), w->txtCall);
    keys(QStringLiteral("k9abc"));
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("K9ABC"));
    EXPECT_EQ(G.WildCall, QStringLiteral("K9ABC"));
    // The operating clock is stopped: every key says so.
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Click Log \"Time On\"!"));
    EXPECT_EQ(prompts.beeps(), 5);

    // A digit after the complete call starts the report received; the call field is left as by Tab.
    keys(QStringLiteral("5"));
    EXPECT_EQ(focused(), w->txtRSTR);
    EXPECT_EQ(w->txtRSTR->text(), QStringLiteral("5"));
    EXPECT_EQ(w->txtRSTS->text(), QStringLiteral("599"));   // the default report
    keys(QStringLiteral("99"));
    // A letter goes on to the county, which completes itself.
    keys(QStringLiteral("m"));
    EXPECT_EQ(focused(), w->txtSec);
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Morgan"));
    EXPECT_EQ(w->txtSec->selectedText(), QStringLiteral("organ"));
    keys(QStringLiteral("ari"));
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Marion"));
    keys(QStringLiteral(" "));
    EXPECT_EQ(focused(), w->txtRSTS);
    EXPECT_EQ(entryTexts(), QStringList({"K9ABC", "599", "Marion", "599"}));

    key(Qt::Key_Return);
    EXPECT_EQ(readLog(), kK9abcMarion);
    EXPECT_EQ(G.QSOCount, 1);
    // Time On came with the first contact.
    EXPECT_EQ(G.LoggedOnFlag, 1);
    EXPECT_EQ(w->cmdLogOn->text(), QStringLiteral("&Log \"Time Off\""));
    // The entry is empty for the next contact, the status line empty on teal.
    EXPECT_EQ(entryTexts(), QStringList({"", "", "", ""}));
    EXPECT_EQ(focused(), w->txtCall);
    EXPECT_TRUE(w->lblDialog->text().isEmpty());
    EXPECT_EQ(backColor(w->lblDialog), Entry::ColorTeal);
    // Score: one CW contact of 2 points, one county.
    EXPECT_EQ(w->lblsectogo->text(), QStringLiteral("1"));
    EXPECT_EQ(w->lblTotCon->text(), QStringLiteral("0"));
    EXPECT_EQ(w->lblTotSec->text(), QStringLiteral("1"));
    EXPECT_EQ(w->lblTotScore->text(), QStringLiteral("2"));
    EXPECT_EQ(w->lblAQSO60->text(), QStringLiteral("1"));
    // County lists.
    EXPECT_EQ(items(w->List2), QStringList{QStringLiteral("Marion")});
    EXPECT_EQ(w->List1->count(), 91);
    EXPECT_TRUE(w->List1->findItems(QStringLiteral("Marion"), Qt::MatchFixedString).isEmpty());
    EXPECT_EQ(header(5)->text(), QStringLiteral("Counties Worked - 1"));
    EXPECT_EQ(header(7)->text(), QStringLiteral("Counties To Go - 91"));
    // The contact list, newest first.
    ASSERT_EQ(w->ListView1->model()->rowCount(), 1);
    EXPECT_EQ(listRow(0), QStringList({"1", "K9ABC", "599", "Marion", "599", "05/04 14:30", "CW", "20"}));
}

TEST_F(OutEntryWindowTest, DuplicateIsRefusedInRedAndAnotherCountyIsLogged)
{
    // K9XYZ, 20 m CW, Marion, record 1; W9AAA record 2.
    const QByteArray log = kOutStateLine + QByteArray(kOutStateLine).replace("K9XYZ", "W9AAA");
    writeLog(log);
    open();
    G.LoggedOnFlag = 1;
    w->action(QStringLiteral("mnuListPrevious"))->setChecked(true);
    EXPECT_EQ(w->ListView1->model()->rowCount(), 2);

    // Partial duplicates while the call is typed.
    keys(QStringLiteral("k9x"));
    EXPECT_EQ(w->lblDupe->text(), QStringLiteral("K9XYZ "));
    EXPECT_EQ(backColor(w->lblDupe), Entry::ColorTeal);
    keys(QStringLiteral("yz"));
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Possible Duplicate!"));

    // Leaving the call field warns and fills the county of the earlier contact.
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), w->txtRSTR);
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Duplicate Unless Rover!  K9XYZ  2024/05/04  14:02:11   Rec#  1"));
    EXPECT_EQ(backColor(w->lblDialog), Entry::ColorRed);
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Marion"));
    // With "List Previous Contacts" ticked the contact list shows the earlier contacts of the call.
    ASSERT_EQ(w->ListView1->model()->rowCount(), 1);
    EXPECT_EQ(listRow(0).mid(0, 2), QStringList({"1", "K9XYZ"}));

    // Same call, band, mode and county: refused.
    const int beepsBefore = prompts.beeps();
    key(Qt::Key_Return);
    EXPECT_EQ(readLog(), log);
    EXPECT_EQ(G.QSOCount, 2);
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Duplicate K9XYZ  2024/05/04  14:02:11   Rec#  1"));
    EXPECT_EQ(backColor(w->lblDialog), Entry::ColorRed);
    EXPECT_EQ(prompts.beeps(), beepsBefore + 1);
    EXPECT_EQ(entryTexts(), QStringList({"", "", "", ""}));
    EXPECT_EQ(focused(), w->txtCall);
    EXPECT_EQ(w->lblTotScore->text(), QStringLiteral("4"));

    // The first key afterwards returns the status line to teal.
    keys(QStringLiteral("k"));
    EXPECT_EQ(backColor(w->lblDialog), Entry::ColorTeal);
    // The same station from Hamilton is logged: a letter typed over the filled county replaces it.
    keys(QStringLiteral("9xyz"));
    key(Qt::Key_Tab);
    keys(QStringLiteral("ham"));
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Hamilton"));
    key(Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 3);
    EXPECT_EQ(G.ContactArrays.ContactCounty[3], QStringLiteral("Hamilton"));
    EXPECT_TRUE(readLog().endsWith(QByteArray(kK9abcMarion).replace("K9ABC", "K9XYZ").replace("Marion", "Hamilton")));
    EXPECT_EQ(items(w->List2), QStringList({"Hamilton", "Marion"}));
}

TEST_F(OutEntryWindowTest, FailedAppendCountsNothingAndKeepsTheEntry)
{
    open();
    G.LoggedOnFlag = 1;
    ASSERT_TRUE(QDir().mkdir(logPath()));   // log.txt cannot be opened for appending

    keys(QStringLiteral("k9abc599mari"));
    key(Qt::Key_Return);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().first().contains(QStringLiteral("log.txt")))
        << prompts.messages().first().toStdString();
    EXPECT_EQ(G.QSOCount, 0);
    EXPECT_EQ(w->lblTotScore->text(), QStringLiteral("0"));
    EXPECT_EQ(w->lblsectogo->text(), QStringLiteral("0"));
    EXPECT_TRUE(items(w->List2).isEmpty());
    EXPECT_EQ(header(5)->text(), QStringLiteral("Counties Worked - 0"));
    EXPECT_EQ(entryTexts(), QStringList({"K9ABC", "599", "Marion", "599"}));

    // Once log.txt can be written the same entry logs with the next Enter.
    ASSERT_TRUE(QDir().rmdir(logPath()));
    key(Qt::Key_Return);
    EXPECT_EQ(readLog(), kK9abcMarion);
    EXPECT_EQ(w->lblTotScore->text(), QStringLiteral("2"));
}

TEST_F(OutEntryWindowTest, DoubleQuoteNeverEntersAField)
{
    open();
    G.LoggedOnFlag = 1;
    keys(QStringLiteral("k9\"ab"));
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("K9AB"));

    // Pasted into the county field.
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    ASSERT_EQ(focused(), w->txtSec);
    QApplication::clipboard()->setText(QStringLiteral("\"Mar\"ion"));
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Marion"));
    EXPECT_EQ(w->row().txtSec.text, QStringLiteral("Marion"));

    // Dropped onto the call field.
    QMimeData mime;
    mime.setText(QStringLiteral("/\"P\""));
    const QPoint end = w->txtCall->rect().center() + QPoint(w->txtCall->width() / 2 - 2, 0);
    QDragEnterEvent enter(end, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->txtCall, &enter);
    QDropEvent drop(end, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->txtCall, &drop);
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("K9AB/P"));
    EXPECT_EQ(G.WildCall, QStringLiteral("K9AB/P"));

    key(Qt::Key_Return);
    EXPECT_EQ(readLog(), QByteArray(kK9abcMarion).replace("K9ABC", "K9AB/P"));

    // The in-state window's fields take no quote either (its state field writes abbreviations in
    // capitals; a third character makes a country name, pasted as typed).
    w.reset();
    auto in = shown<Infrm>();
    in->txtCntry->setFocus();
    keys(QStringLiteral("\"oh'"));
    EXPECT_EQ(in->txtCntry->text(), QStringLiteral("OH"));
    QApplication::clipboard()->setText(QStringLiteral("\"IN\""));
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(in->txtCntry->text(), QStringLiteral("OhIN"));
}

// Text committed by an input method (a compose sequence, a dead key) is typed like keys: the
// field's handling sees each character, so no double quote gets in and letters become capitals.
TEST_F(OutEntryWindowTest, InputMethodTextIsTypedLikeKeys)
{
    open();
    G.LoggedOnFlag = 1;
    keys(QStringLiteral("k9ab"));
    auto commit = [](QWidget* field, const QString& text) {
        QInputMethodEvent im(QString(), {});
        im.setCommitString(text);
        QCoreApplication::sendEvent(field, &im);
    };
    commit(w->txtCall, QStringLiteral("\"c"));
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("K9ABC"));
    EXPECT_EQ(w->row().txtCall.text, QStringLiteral("K9ABC"));
    EXPECT_EQ(G.WildCall, QStringLiteral("K9ABC"));

    w.reset();
    auto in = shown<Infrm>();
    in->txtCntry->setFocus();
    commit(in->txtCntry, QStringLiteral("o\"h"));
    EXPECT_EQ(in->txtCntry->text(), QStringLiteral("OH"));
}

// Only characters log.txt stores exactly get into an entry field: a character outside Latin-1
// (stored as "?" otherwise) and control characters are dropped when typed, pasted or dropped,
// in every field of both windows. Latin-1 letters are kept.
TEST_F(OutEntryWindowTest, OnlyCharactersTheLogStoresEnterAField)
{
    auto type = [](QWidget* field, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QCoreApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QCoreApplication::sendEvent(field, &release);
    };
    // What each field takes (the county no digit), with unstorable characters among it.
    auto junkAround = [](const QString& s) {
        return s.left(1) + QStringLiteral("\t") + s.mid(1, 1) + QStringLiteral("\u20AC\u0001") + s.mid(2) +
               QStringLiteral("\u007F\u001B\u0085\u4E2D");
    };
    auto checkFields = [&](QWidget* window, const QList<QLineEdit*>& fields) {
        for (QLineEdit* f : fields) {
            SCOPED_TRACE(f->objectName().toStdString());
            const QString good = f->objectName() == QLatin1String("txtSec") ? QStringLiteral("Vigo") : QStringLiteral("599");
            const QString junk = junkAround(good);
            f->setFocus();
            f->clear();
            QApplication::clipboard()->setText(junk);
            QTest::keyClick(f, Qt::Key_Insert, Qt::ShiftModifier);
            EXPECT_EQ(f->text(), good);
            type(f, QStringLiteral("\u20AC"));
            type(f, QStringLiteral("\u0001"));
            EXPECT_EQ(f->text(), good);

            f->clear();
            QMimeData mime;
            mime.setText(junk);
            const QPoint at = f->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(f, &enter);
            QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(f, &drop);
            EXPECT_EQ(f->text(), good);
            f->clear();
        }
        Q_UNUSED(window);
    };

    open();
    G.LoggedOnFlag = 1;
    checkFields(w.get(), {w->txtCall, w->txtRSTR, w->txtSec, w->txtRSTS});

    // A Latin-1 letter is stored exactly, so it stays; the contact is logged as shown.
    w->txtCall->setFocus();
    keys(QStringLiteral("k9ab"));
    type(w->txtCall, QStringLiteral("\u00C9"));
    type(w->txtCall, QStringLiteral("\u0416"));
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("K9AB\u00C9"));

    w.reset();
    auto in = shown<Infrm>();
    checkFields(in.get(), {in->txtCall, in->txtRSTR, in->txtCntry, in->txtSec, in->txtRSTS});
}

// With QSOpref.txt missing the window still logs a band and a mode: the installed defaults.
TEST_F(OutEntryWindowTest, AMissingProfileStillLogsBandAndMode)
{
    G.CurrentBand.clear();
    G.CurrentMode.clear();
    ASSERT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("QSOpref.txt"))));
    EXPECT_FALSE(Module2::ReadQSOpref());
    open();
    G.LoggedOnFlag = 1;
    keys(QStringLiteral("k9abc 599 marion 599"));
    key(Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 1);
    EXPECT_EQ(readLog(), QByteArray(kK9abcMarion).replace("\"20\"", "\"40\""));
}

TEST_F(OutEntryWindowTest, OnlyAMoveInsideTheWindowLeavesTheCallField)
{
    writeLog(kOutStateLine);
    open();
    G.LoggedOnFlag = 1;
    keys(QStringLiteral("k9xyz"));

    // Another window takes the activation and gives it back: the call field was never left.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    EXPECT_EQ(focused(), w->txtCall);
    EXPECT_TRUE(w->txtSec->text().isEmpty());
    EXPECT_TRUE(w->txtRSTR->text().isEmpty());
    EXPECT_NE(backColor(w->lblDialog), Entry::ColorRed);

    // A click on a control of the window is a move: the warning and the defaults follow.
    QTest::mouseClick(w->txtRSTS, Qt::LeftButton);
    EXPECT_EQ(focused(), w->txtRSTS);
    EXPECT_EQ(backColor(w->lblDialog), Entry::ColorRed);
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Marion"));
    EXPECT_EQ(w->txtRSTR->text(), QStringLiteral("599"));

    // Esc clears the entry and returns to the call field.
    key(Qt::Key_Escape);
    EXPECT_EQ(entryTexts(), QStringList({"", "", "", ""}));
    EXPECT_EQ(focused(), w->txtCall);
    EXPECT_TRUE(w->lblDialog->text().isEmpty());
    EXPECT_EQ(backColor(w->lblDialog), Entry::ColorTeal);
}

TEST_F(OutEntryWindowTest, ButtonsAndListsWorkTheEntry)
{
    writeLog(kOutStateLine);
    open();
    G.LoggedOnFlag = 1;

    // The partial-duplicate button.
    QTest::mouseClick(w->cmdDup, Qt::LeftButton);
    EXPECT_EQ(w->cmdDup->text(), QStringLiteral("Off"));
    EXPECT_EQ(G.ShowPartialsFlag, 0);
    EXPECT_EQ(focused(), w->txtCall);
    keys(QStringLiteral("k9x"));
    EXPECT_TRUE(w->lblDupe->text().isEmpty());
    QTest::mouseClick(w->cmdDup, Qt::LeftButton);
    EXPECT_EQ(w->cmdDup->text(), QStringLiteral("On"));
    EXPECT_EQ(G.ShowPartialsFlag, 1);

    // A click on a county of either list puts it into the county field; the call field keeps
    // the focus.
    QListWidgetItem* adams = w->List1->item(0);
    ASSERT_EQ(adams->text(), QStringLiteral("Adams"));
    QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, {}, w->List1->visualItemRect(adams).center());
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Adams"));
    EXPECT_EQ(focused(), w->txtCall);
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("K9X"));

    // The filter: Marion was worked on CW only.
    G.CurrentMode = QStringLiteral("PH");
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    EXPECT_EQ(w->Command1->text(), QStringLiteral("Crnt Mode"));
    EXPECT_TRUE(items(w->List2).isEmpty());
    EXPECT_EQ(w->List1->count(), 92);
    EXPECT_EQ(focused(), w->txtCall);
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    EXPECT_EQ(w->Command1->text(), QStringLiteral("All Modes"));
    EXPECT_EQ(items(w->List2), QStringList{QStringLiteral("Marion")});
    G.CurrentMode = QStringLiteral("CW");

    // The Clear command.
    w->action(QStringLiteral("mnuClear"))->trigger();
    EXPECT_EQ(entryTexts(), QStringList({"", "", "", ""}));
    EXPECT_EQ(focused(), w->txtCall);

    // Texts written into the fields from outside reach the entry row: Recall puts the newest
    // call into the call field and moves on to the county, which leaves the call field.
    w->action(QStringLiteral("mnuRecall"))->trigger();
    EXPECT_EQ(w->row().txtCall.text, QStringLiteral("K9XYZ"));
    EXPECT_EQ(G.WildCall, QStringLiteral("K9XYZ"));
    EXPECT_EQ(focused(), w->txtSec);
    EXPECT_EQ(w->row().focus, Entry::Field::Sec);
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Marion"));
    EXPECT_EQ(backColor(w->lblDialog), Entry::ColorRed);
    w->txtSec->setText(QStringLiteral("Vigo"));   // as the county list window does
    EXPECT_EQ(w->row().txtSec.text, QStringLiteral("Vigo"));
}

TEST_F(OutEntryWindowTest, VoiceNavigationNamesTheFieldsAndWaitsForTheDupe)
{
    Platform::FakeSound sound;
    for (const char* name : {"Call", "RstRcvd", "County", "RstSnt"})
        ASSERT_TRUE(TestWave::write(dir.filePath(QString::fromLatin1(name) + ".wav"), TestWave::wave(50, 8000)));
    ASSERT_TRUE(TestWave::write(dir.filePath(QStringLiteral("Dupe.wav")), TestWave::wave(300, 8000)));
    writeLog(kOutStateLine);
    G.VoiceNavLevel = 2;
    open();
    G.LoggedOnFlag = 1;
    Platform::setClock(nullptr);   // the prompts play on the real clock
    sound.played.clear();

    keys(QStringLiteral("k9xyz"));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QElapsedTimer t;
    t.start();
    key(Qt::Key_Return);   // a duplicate: the spoken "Dupe" is waited for, then the call field named
    EXPECT_GE(t.elapsed(), 250);
    QStringList names;
    for (const QString& path : sound.played)
        names << QFileInfo(path).baseName();
    EXPECT_EQ(names, QStringList({"RstRcvd", "County", "RstSnt", "Dupe", "Call"}));
    BlindFrm::unload();   // its player is the fake's
}

}   // namespace
