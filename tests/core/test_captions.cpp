// How captions and texts meet their controls: the design's font names reach fonts of the same
// widths, button captions and tall labels wrap between words, and a text box shows the beginning
// of what the program puts in it without disturbing the operator's typing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

#include "core/DesignWindow.h"
#include "platform/Fonts.h"
#include "platform/Screen.h"
#include "tests/support/TextFit.h"

using Kind = ControlGeometry::Kind;

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class CaptionTest : public ::testing::Test {
protected:
    void SetUp() override { Platform::setScreenOverride(Platform::Screen::ofSize(9600, 7200)); }
    void TearDown() override { Platform::setScreenOverride(std::nullopt); }
};

TEST_F(CaptionTest, DesignFontNamesReachTheirMetricTwins)
{
    const struct {
        const char* name;
        QString designName;
        const char* installed;
    } cases[] = {
        {"the windows' default", Platform::DesignSansFont, "Liberation Sans"},
        {"the keyer-device and colour windows", QStringLiteral("Arial"), "Liberation Sans"},
        {"the band plan's segments", QStringLiteral("Arial Narrow"), "Liberation Sans Narrow"},
        {"the band maps' labels", Platform::DesignSerifFont, "Liberation Serif"},
        {"the code-practice and packet texts", QStringLiteral("Courier New"), "Liberation Mono"},
        {"a name written in capitals", QStringLiteral("ARIAL"), "Liberation Sans"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFont f(c.designName);
        f.setPointSizeF(DefaultFontPt);
        EXPECT_EQ(QFontInfo(f).family(), QLatin1String(c.installed));
    }
}

TEST_F(CaptionTest, ControlsCarryTheDesignFamilyAndKeepOneAWindowGives)
{
    DesignWindow w(6000, 4500);
    QLabel* plain = w.design().addLabel(QStringLiteral("Label1"), QStringLiteral("Cnty Rem - 85"), 0, 0, 1200, 240);
    QLabel* mono = w.design().addLabel(QStringLiteral("Label2"), QStringLiteral("CQ TEST"), 0, 300, 1200, 240);
    QFont courier = mono->font();
    courier.setFamily(QStringLiteral("Courier New"));
    mono->setFont(courier);

    // Scaling rewrites every control's font; the families stay.
    Platform::setScreenOverride(Platform::Screen::ofSize(19200, 15360));
    w.resizeForm();
    EXPECT_EQ(plain->font().family(), Platform::DesignSansFont);
    EXPECT_EQ(QFontInfo(plain->font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(w.font().family(), Platform::DesignSansFont);
    EXPECT_EQ(mono->font().family(), QStringLiteral("Courier New"));
    EXPECT_GT(mono->font().pointSizeF(), DefaultFontPt);
}

TEST_F(CaptionTest, ButtonCaptionsWrapInsideTheButton)
{
    const struct {
        const char* name;
        QString caption;
        int lines;
    } cases[] = {
        {"a caption wider than its button", QStringLiteral("&Rovers on County Lines Click to Add Multiple Counties"),
         2},
        {"a short caption", QStringLiteral("Done"), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DesignWindow w(6000, 4500);
        QPushButton* b = w.design().addButton(QStringLiteral("Command1"), c.caption, 120, 120, 2880, 495);
        Platform::setScreenOverride(Platform::Screen::ofSize(19200, 15360));
        w.resizeForm();

        const TextFit::Ink ink = TextFit::captionInk(b);
        EXPECT_EQ(ink.lines, c.lines);
        const QRect room = TextFit::buttonRoom(b);
        EXPECT_TRUE(room.contains(ink.box)) << ink.box.x() << "," << ink.box.y() << " " << ink.box.width() << "x"
                                            << ink.box.height();
        // Centred across: the margins left and right of the widest line are about equal.
        EXPECT_LE(std::abs((ink.box.left() - room.left()) - (room.right() - ink.box.right())), 3);
        Platform::setScreenOverride(Platform::Screen::ofSize(9600, 7200));
    }
}

TEST_F(CaptionTest, LabelsTwoLinesTallWrapTheirCaption)
{
    const struct {
        const char* name;
        double height;
        bool wrappedByWindow;
        bool wraps;
    } cases[] = {
        {"one line tall", 240, false, false},
        {"two lines tall", 420, false, true},
        {"a window's own choice stays", 240, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DesignWindow w(6000, 4500);
        QLabel* l = w.design().addLabel(QStringLiteral("Label1"), QStringLiteral("Possible Duplicates"), 0, 0, 900,
                                        c.height);
        if (c.wrappedByWindow)
            l->setWordWrap(true);
        w.resizeForm();
        EXPECT_EQ(l->wordWrap(), c.wraps);
    }
}

class TextBoxTest : public CaptionTest {
protected:
    void SetUp() override
    {
        CaptionTest::SetUp();
        typed = w.design().addTextBox(QStringLiteral("txtCall"), QString(), 120, 120, 1500, 360);
        filled = w.design().addTextBox(QStringLiteral("txtCntry"), QString(), 1800, 120, 900, 360);
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        typed->setFocus(Qt::OtherFocusReason);
    }

    DesignWindow w{6000, 4500};
    QLineEdit* typed = nullptr;
    QLineEdit* filled = nullptr;
};

TEST_F(TextBoxTest, AProgramSetTextShowsItsBeginning)
{
    QTest::keyClicks(typed, QStringLiteral("DL1ABC"));
    filled->setText(QStringLiteral("Fed. Rep. of Germany"));
    EXPECT_EQ(filled->cursorPosition(), 0);

    // Selected whole from code: the selection stays, the caret stands at its start.
    filled->setSelection(0, int(filled->text().size()));
    EXPECT_EQ(filled->selectedText(), QStringLiteral("Fed. Rep. of Germany"));
    EXPECT_EQ(filled->cursorPosition(), 0);

    // Typing goes on where the operator is.
    EXPECT_EQ(typed->text(), QStringLiteral("DL1ABC"));
    EXPECT_EQ(typed->cursorPosition(), 6);
}

TEST_F(TextBoxTest, TheOperatorsTypingKeepsItsCaret)
{
    // A handler that rewrites the box while the operator types (as the upper-casing ones do)
    // leaves the caret after the typed text, in the focused box and in one the keys reach while
    // the window's focus is elsewhere.
    for (QLineEdit* box : {typed, filled}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->clear();
        const auto rewrite = QObject::connect(box, &QLineEdit::textEdited, box,
                                              [box](const QString& t) { box->setText(t.toUpper()); });
        QTest::keyClicks(box, QStringLiteral("w9abc"));
        EXPECT_EQ(box->text(), QStringLiteral("W9ABC"));
        EXPECT_EQ(box->cursorPosition(), 5);
        QObject::disconnect(rewrite);
    }

    // A text the program sets in the box the operator is in keeps the usual caret at the end.
    typed->setText(QStringLiteral("K9XYZ"));
    QTest::keyClicks(typed, QStringLiteral("/m"));
    EXPECT_EQ(typed->text(), QStringLiteral("K9XYZ/m"));
}

}   // namespace
