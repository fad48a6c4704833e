// Pasted text and Ctrl combinations in the entry fields of both main windows, through the real
// widgets: a paste (the field's context menu, Shift+Insert, the middle button) lands only what
// typing that text into that field could produce, a Ctrl+letter types nothing and works none of
// the line edit's own commands, and logging drops blanks at either end of every value.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
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

    static QWidget* focused() { return QApplication::focusWidget(); }
    static void keys(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(focused(), c.toLatin1());
    }
    static void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(focused(), k, mods); }
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
    for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
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

TEST_P(PasteWays, PasteLandsWhatTypingCouldInEveryField)
{
    out = shown<Outfrm>();
    G.LoggedOnFlag = 1;
    if (GetParam() == PasteWay::MiddleButton && !QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "no selection to paste with the middle button on this platform";
    check(*out, {
                    {"txtCall", "n0\"q x", "N0QX"},
                    {"txtCall", " w1abc ", "W1ABC"},
                    {"txtRSTR", "5 9", "59"},
                    {"txtRSTR", "5a\"9x9", "599"},
                    {"txtSec", " marion 5", "Marion"},
                    {"txtSec", "la porte", "La Porte"},
                    {"txtSec", "\"dear\"born", "Dearborn"},
                    {"txtRSTS", "5 7x9", "579"},
                });
    out.reset();

    in = shown<Infrm>();
    G.LoggedOnFlag = 1;
    check(*in, {
                   {"txtCall", "n0\"q x", "N0QX"},
                   {"txtRSTR", "5 9", "59"},
                   {"txtCntry", " in ", "IN"},   // the county is wanted
                   {"txtSec", "la porte 5", "La Porte"},
                   {"txtRSTS", "x5 9", "59"},
                   {"txtCntry", "o\"h", "OH"},
               });
}

INSTANTIATE_TEST_SUITE_P(Ways, PasteWays,
                         ::testing::Values(PasteWay::ContextMenu, PasteWay::ShiftInsert, PasteWay::MiddleButton),
                         [](const ::testing::TestParamInfo<PasteWay>& info) { return nameOf(info.param); });

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
    EXPECT_TRUE(out->lblDialog->text().startsWith(QStringLiteral("Duplicate K9XYZ"))) << out->lblDialog->text().toStdString();
    EXPECT_EQ(readLog(), kOutStateLine);
    EXPECT_EQ(out->lblTotScore->text(), QStringLiteral("2"));

    // A new contact, every field pasted: the call without its quote and blank, the report
    // received without its blank.
    ASSERT_EQ(focused(), out->txtCall);
    QApplication::clipboard()->setText(QStringLiteral("n0\"q x"));
    pasteByContextMenu(out->txtCall);
    key(Qt::Key_Tab);
    QApplication::clipboard()->setText(QStringLiteral("5 9"));
    pasteByContextMenu(out->txtRSTR);   // over the selected default report
    key(Qt::Key_Tab);
    QApplication::clipboard()->setText(QStringLiteral("mar ion"));
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
    EXPECT_TRUE(in->lblDialog->text().startsWith(QStringLiteral("Duplicate K9XYZ"))) << in->lblDialog->text().toStdString();
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
