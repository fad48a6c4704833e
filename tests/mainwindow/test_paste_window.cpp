// Pasted text and Ctrl combinations in the entry fields of both main windows, through the real
// widgets: a paste (the field's context menu, Shift+Insert, the middle button) lands what typing
// that text into that field gives, up to where typing would leave the field, a Ctrl+letter types
// nothing and works none of the line edit's own commands, the context menu names no Ctrl key, and
// logging drops blanks at either end of every value.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "core/Colors.h"
#include "core/Globals.h"
#include "entry/EntryKeys.h"
#include "keying/BlindFrm.h"
#include "mainwindow/EntryRowView.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/Outfrm.h"
#include "tests/mainwindow/MainFrameFixture.h"
#include "tests/support/ContextMenu.h"

namespace {

using Entry::Field;

enum class PasteWay { ContextMenu, ShiftInsert, MiddleButton };

std::string nameOf(PasteWay way)
{
    switch (way) {
    case PasteWay::ContextMenu: return "ContextMenu";
    case PasteWay::ShiftInsert: return "ShiftInsert";
    case PasteWay::MiddleButton: return "MiddleButton";
    }
    return {};
}

// The line a contact of the test clock's 14:30:00 UTC on 20 m CW writes in the out-of-state window.
QByteArray outLine(const char* call, const char* rsts, const char* rstr, const char* county)
{
    return QByteArray("\"") + call + "\",\"" + rsts + "\",\"" + rstr + "\",\"\",\"" + county +
           "\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/04\",\"14:30:00\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n";
}

class PasteWindowTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        loadPositionTables();
        G.CurrentCounty = QStringLiteral("Marion");
    }
    void TearDown() override
    {
        out.reset();
        in.reset();
        BlindFrm::unload();
        MainFrameTest::TearDown();
    }

    static long long backColor(const QLabel* l) { return Colors::toNumber(l->palette().color(QPalette::Window)); }

    // Pastes `text` into the focused field `field` the way `way` does; false when the platform
    // has no selection to paste with the middle button.
    static bool paste(PasteWay way, QLineEdit* field, const QString& text)
    {
        QClipboard* clipboard = QApplication::clipboard();
        switch (way) {
        case PasteWay::ContextMenu:
            clipboard->setText(text);
            pasteByContextMenu(field);
            return true;
        case PasteWay::ShiftInsert:
            clipboard->setText(text);
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            return true;
        case PasteWay::MiddleButton:
            if (!clipboard->supportsSelection())
                return false;
            clipboard->setText(text, QClipboard::Selection);
            QTest::mouseClick(field, Qt::MiddleButton, {}, QPoint(field->width() - 3, field->height() / 2));
            return true;
        }
        return false;
    }

    std::unique_ptr<Outfrm> out;
    std::unique_ptr<Infrm> in;
};

// ---- Ctrl with a letter ---------------------------------------------------------------------------

TEST_F(PasteWindowTest, CtrlLettersTypeNothingAndWorkNoEditCommandOfTheField)
{
    out = shown<Outfrm>();
    G.LoggedOnFlag = 1;
    ASSERT_EQ(focused(), out->txtCall);
    QApplication::clipboard()->setText(QStringLiteral("W1XYZ"));

    keys(QStringLiteral("k9ab"));
    key(Qt::Key_A, Qt::ControlModifier);   // select all: the next letter would replace the call
    keys(QStringLiteral("c"));
    EXPECT_EQ(out->txtCall->text(), QStringLiteral("K9ABC"));
    key(Qt::Key_Home, Qt::ShiftModifier);
    ASSERT_EQ(out->txtCall->selectedText(), QStringLiteral("K9ABC"));
    key(Qt::Key_X, Qt::ControlModifier);   // cut
    EXPECT_EQ(out->txtCall->text(), QStringLiteral("K9ABC"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("W1XYZ"));
    key(Qt::Key_End);
    for (Qt::KeyboardModifiers mods :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
        for (Qt::Key k : {Qt::Key_V, Qt::Key_Z, Qt::Key_Y, Qt::Key_K, Qt::Key_U, Qt::Key_W}) {
            key(k, mods);
            EXPECT_EQ(out->txtCall->text(), QStringLiteral("K9ABC")) << char('A' + (k - Qt::Key_A));
        }
    }
    EXPECT_EQ(out->row().txtCall.text, QStringLiteral("K9ABC"));

    // Ctrl+V types nothing into any entry field of either window.
    auto noPaste = [](const QList<QLineEdit*>& fields) {
        QApplication::clipboard()->setText(QStringLiteral("59"));
        for (QLineEdit* f : fields) {
            SCOPED_TRACE(f->objectName().toStdString());
            f->setFocus();
            f->clear();
            QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(f->text(), QString());
        }
    };
    noPaste({out->txtCall, out->txtRSTR, out->txtSec, out->txtRSTS});
    out.reset();
    in = shown<Infrm>();
    noPaste({in->txtCall, in->txtRSTR, in->txtCntry, in->txtSec, in->txtRSTS});
}

// ---- What a paste lands ---------------------------------------------------------------------------

struct PasteCase {
    const char* field;
    const char* text;
    const char* lands;
};

class PasteWays : public PasteWindowTest, public ::testing::WithParamInterface<PasteWay> {
protected:
    // Pastes each case into its field (focused by a click and emptied first) and checks what the
    // field and the entry row hold.
    template<class W>
    void check(W& window, std::initializer_list<PasteCase> cases)
    {
        for (const PasteCase& c : cases) {
            SCOPED_TRACE(std::string(c.field) + " <- " + c.text);
            auto* f = window.template findChild<QLineEdit*>(QString::fromLatin1(c.field));
            ASSERT_NE(f, nullptr);
            QTest::mouseClick(f, Qt::LeftButton);
            ASSERT_EQ(focused(), f);
            f->clear();
            ASSERT_TRUE(paste(GetParam(), f, QString::fromLatin1(c.text)));
            EXPECT_EQ(f->text(), QString::fromLatin1(c.lands));
            EXPECT_EQ(window.row().box(window.entryView()->fieldOf(f)).text, f->text());
        }
    }
};

// What typing does with each character decides: a character typing drops is dropped, and the
// paste ends where typing would leave the field (a Space that moves on, a digit after a complete
// call, a letter in the report received, a digit in the county, a line end), so nothing meant for
// the next field is glued on. Blanks around the pasted text are no part of it.
TEST_P(PasteWays, PasteLandsWhatTypingCouldInEveryField)
{
    out = shown<Outfrm>();
    G.LoggedOnFlag = 1;
    if (GetParam() == PasteWay::MiddleButton && !QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "no selection to paste with the middle button on this platform";
    check(*out, {
                    {"txtCall", "K9ABC599", "K9ABC"},   // typed, 599 goes on to the report received
                    {"txtCall", "n0\"q x", "N0Q"},
                    {"txtCall", " w1abc ", "W1ABC"},
                    {"txtCall", "k9ab/c7", "K9AB/C7"},      // a call with a slash carries no digit
                    {"txtCall", "w1aw\r\nk9abc", "W1AW"},   // Enter would end the field
                    {"txtCall", "\n\nw1aw\nk9", "W1AW"},
                    {"txtRSTR", "5\"9-9", "599"},
                    {"txtRSTR", "5 9", "5"},
                    {"txtRSTR", "5a9", "5"},   // the letter goes on to the county
                    {"txtSec", "Marion County", "Marion"},
                    {"txtSec", " marion 5", "Marion"},
                    {"txtSec", "marion5", "Marion"},   // the digit goes on to the report sent
                    {"txtSec", "la porte", "La Porte"},
                    {"txtSec", "\"dear\"born", "Dearborn"},
                    {"txtRSTS", "5x7-9", "579"},   // typing drops letters here
                    {"txtRSTS", "5 7", "5"},
                });
    out.reset();

    in = shown<Infrm>();
    G.LoggedOnFlag = 1;
    check(*in, {
                   {"txtCall", "K9ABC599", "K9ABC"},
                   {"txtCall", "n0\"q x", "N0Q"},
                   {"txtRSTR", "5-9", "59"},
                   {"txtRSTR", "5 9", "5"},
                   {"txtRSTR", "5oh", "5"},      // the letter goes on to the state field
                   {"txtCntry", " in ", "IN"},   // the county is wanted
                   {"txtSec", "Marion County", "Marion"},
                   {"txtSec", "la porte 5", "La Porte"},
                   {"txtSec", "allen\nadams", "Allen"},
                   {"txtRSTS", "5-9x9", "59"},   // the letter goes on to the state field
                   {"txtCntry", "o\"h", "OH"},
                   {"txtCntry", "oh 5", "OH"},
               });
}

INSTANTIATE_TEST_SUITE_P(Ways, PasteWays,
                         ::testing::Values(PasteWay::ContextMenu, PasteWay::ShiftInsert, PasteWay::MiddleButton),
                         [](const ::testing::TestParamInfo<PasteWay>& info) { return nameOf(info.param); });

// ---- The context menu -------------------------------------------------------------------------

// The window takes every Ctrl key (hot keys; no Ctrl combination types or edits): the entry
// fields' context menu names no Ctrl key, only the keys that act there, and those do.
TEST_F(PasteWindowTest, ContextMenuNamesOnlyKeysThatAct)
{
    // The menu's items as shown: text and shortcut, by the item's caption without its mnemonic.
    auto menuOf = [](QLineEdit* field) {
        QMap<QString, QString> shown;
        const QPoint at = field->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
        QCoreApplication::sendEvent(field, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_NE(menu, nullptr);
        if (!menu)
            return shown;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                continue;
            QString text = a->text();
            if (!a->shortcut().isEmpty())
                text += QLatin1Char('\t') + a->shortcut().toString(QKeySequence::NativeText);
            shown.insert(text.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')), text);
        }
        menu->close();
        field->window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(field->window()));
        return shown;
    };
    auto checkFields = [&](const QList<QLineEdit*>& fields) {
        for (QLineEdit* f : fields) {
            SCOPED_TRACE(f->objectName().toStdString());
            QTest::mouseClick(f, Qt::LeftButton);
            const QMap<QString, QString> shown = menuOf(f);
            ASSERT_TRUE(shown.contains(QStringLiteral("Paste")));
            for (auto it = shown.begin(); it != shown.end(); ++it) {
                EXPECT_FALSE(it.value().contains(QLatin1String("Ctrl"))) << it.value().toStdString();
                EXPECT_FALSE(it.value().contains(QLatin1String("Meta"))) << it.value().toStdString();
            }
            EXPECT_TRUE(shown.value(QStringLiteral("Paste")).endsWith(QLatin1String("\tShift+Ins")));
            EXPECT_TRUE(shown.value(QStringLiteral("Cut")).endsWith(QLatin1String("\tShift+Del")));
            EXPECT_FALSE(shown.value(QStringLiteral("Copy")).contains(QLatin1Char('\t')));
            EXPECT_FALSE(shown.value(QStringLiteral("Select All")).contains(QLatin1Char('\t')));
        }
    };

    out = shown<Outfrm>();
    G.LoggedOnFlag = 1;
    out->action(QStringLiteral("mnuPostContest"))->trigger();
    checkFields({out->txtCall, out->txtRSTR, out->txtSec, out->txtRSTS, out->txtPostConTime, out->txtPostConDate});

    // Shift+Del cuts, Shift+Ins pastes, as the menu says.
    QTest::mouseClick(out->txtCall, Qt::LeftButton);
    keys(QStringLiteral("k9abc"));
    key(Qt::Key_Home, Qt::ShiftModifier);
    key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(out->txtCall->text(), QString());
    EXPECT_EQ(out->row().txtCall.text, QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("K9ABC"));
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(out->txtCall->text(), QStringLiteral("K9ABC"));
    EXPECT_EQ(out->row().txtCall.text, QStringLiteral("K9ABC"));
    out.reset();

    in = shown<Infrm>();
    G.LoggedOnFlag = 1;
    keys(QStringLiteral("k9abc 599 "));
    ASSERT_EQ(focused(), in->txtCntry);
    checkFields({in->txtCntry, in->txtCall, in->txtRSTR, in->txtSec, in->txtRSTS});
}

// ---- A pasted contact is checked and logged as a typed one ----------------------------------------

TEST_F(PasteWindowTest, PastedCallMeetsTheDuplicateChecksAndLogsAsTyped)
{
    // K9XYZ, 20 m CW, Marion.
    writeLog(kOutStateLine);
    out = shown<Outfrm>();
    G.LoggedOnFlag = 1;

    QApplication::clipboard()->setText(QStringLiteral(" k9xyz "));
    pasteByContextMenu(out->txtCall);
    EXPECT_EQ(out->txtCall->text(), QStringLiteral("K9XYZ"));
    key(Qt::Key_Tab);
    EXPECT_TRUE(out->lblDialog->text().startsWith(QStringLiteral("Duplicate Unless Rover!  K9XYZ  2024/05/04")))
        << out->lblDialog->text().toStdString();
    EXPECT_EQ(backColor(out->lblDialog), Entry::ColorRed);
    EXPECT_EQ(out->txtSec->text(), QStringLiteral("Marion"));
    key(Qt::Key_Return);
    EXPECT_TRUE(out->lblDialog->text().startsWith(QStringLiteral("Duplicate K9XYZ")))
        << out->lblDialog->text().toStdString();
    EXPECT_EQ(readLog(), kOutStateLine);
    EXPECT_EQ(out->lblTotScore->text(), QStringLiteral("2"));

    // A new contact, every field pasted: the call without its quote, the report received without
    // its hyphen, the county without its quotes; the report sent's default stays.
    ASSERT_EQ(focused(), out->txtCall);
    QApplication::clipboard()->setText(QStringLiteral("n0\"qx"));
    pasteByContextMenu(out->txtCall);
    key(Qt::Key_Tab);
    QApplication::clipboard()->setText(QStringLiteral("5-9"));
    pasteByContextMenu(out->txtRSTR);   // over the selected default report
    key(Qt::Key_Tab);
    QApplication::clipboard()->setText(QStringLiteral("mar\"ion"));
    pasteByContextMenu(out->txtSec);
    EXPECT_EQ(out->txtSec->text(), QStringLiteral("Marion"));
    key(Qt::Key_Return);
    EXPECT_EQ(readLog(), kOutStateLine + outLine("N0QX", "599", "59", "Marion"));
    EXPECT_EQ(out->lblTotScore->text(), QStringLiteral("4"));
    out.reset();

    // The in-state window: K9XYZ from Ohio on 20 m CW.
    writeLog(kInStateLine);
    in = shown<Infrm>();
    G.LoggedOnFlag = 1;
    QApplication::clipboard()->setText(QStringLiteral("K9XYZ "));
    pasteByContextMenu(in->txtCall);
    EXPECT_EQ(in->txtCall->text(), QStringLiteral("K9XYZ"));
    key(Qt::Key_Tab);
    EXPECT_TRUE(in->lblDialog->text().startsWith(QStringLiteral("Duplicate K9XYZ")))
        << in->lblDialog->text().toStdString();
    EXPECT_EQ(backColor(in->lblDialog), Entry::ColorRed);
}

// ---- Logging drops blanks at either end ----------------------------------------------------------

// A county name that begins "De" takes a typed Space, also before its first letter: the blank is
// no part of the county logged, in either window.
TEST_F(PasteWindowTest, LoggingDropsABlankTypedBeforeTheCounty)
{
    out = shown<Outfrm>();
    G.LoggedOnFlag = 1;
    keys(QStringLiteral("k9abc 599 dearborn"));
    ASSERT_EQ(focused(), out->txtSec);
    key(Qt::Key_Home);
    keys(QStringLiteral(" "));
    ASSERT_EQ(out->txtSec->text(), QStringLiteral(" Dearborn"));
    key(Qt::Key_Return);
    EXPECT_EQ(readLog(), outLine("K9ABC", "599", "599", "Dearborn"));
    EXPECT_EQ(out->lblTotScore->text(), QStringLiteral("2"));
    out.reset();

    in = shown<Infrm>();
    G.LoggedOnFlag = 1;
    keys(QStringLiteral("k9xyz 579  dearborn"));
    ASSERT_EQ(focused(), in->txtSec);
    ASSERT_EQ(in->txtCntry->text(), QStringLiteral("IN"));
    key(Qt::Key_Home);
    keys(QStringLiteral(" "));
    ASSERT_EQ(in->txtSec->text(), QStringLiteral(" Dearborn"));
    key(Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 2);
    EXPECT_EQ(G.ContactArrays.ContactCounty[2], QStringLiteral("Dearborn"));
    EXPECT_TRUE(readLog().endsWith("\"K9XYZ\",\"599\",\"579\",\"IN\",\"Dearborn\",\"\",\"Marion\",\"\",\"\",\"\",\"\","
                                   "\"2024/05/04\",\"14:30:00\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n"))
        << readLog().toStdString();
}

}   // namespace
