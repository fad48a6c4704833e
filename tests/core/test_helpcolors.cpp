// The help page (ReadSQSO.txt as stored, its scaling) and the multiplier colour window (the
// colour dialog starts from the colour in use; Cancel keeps it).
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/Colors.h"
#include "core/Form5.h"
#include "core/Form6.h"
#include "core/Globals.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "tests/support/ScriptedPrompts.h"

class HelpColorsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        G.ProgramFolder = dir.path();
        Platform::setPrompts(&prompts);
        Platform::setScreenOverride(Platform::Screen::ofSize(9600, 7200));
    }
    void TearDown() override
    {
        Platform::setScreenOverride(std::nullopt);
        Platform::setPrompts(nullptr);
        resetGlobals();
    }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QColor textColor(QLabel* l) { return l->palette().color(QPalette::WindowText); }

    QTemporaryDir dir;
    Platform::ScriptedPrompts prompts;
};

TEST_F(HelpColorsTest, HelpPageShowsTheFileAsStored)
{
    {
        Form5 w;
        w.Form_Load();   // no ReadSQSO.txt: an open page, empty, no message
        EXPECT_TRUE(w.Text1->toPlainText().isEmpty());
        EXPECT_TRUE(prompts.calls().isEmpty());
    }
    // Found without regard to case; blank lines and a Latin-1 character kept.
    writeFile(QStringLiteral("readsqso.txt"), "Help\r\n\r\n  Indented \xb0 line\r\n");
    Form5 w;
    w.Form_Load();
    EXPECT_EQ(w.Text1->toPlainText(), QStringLiteral("Help\n\n  Indented \u00b0 line\n"));
    EXPECT_EQ(w.Command1->text(), QStringLiteral("Close"));
    w.show();
    w.Command1->click();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(HelpColorsTest, HelpPageScalesByWidthAndHeightWithControlFontsByTheSmaller)
{
    Form5 design;
    design.Form_Load();
    Platform::setScreenOverride(Platform::Screen::ofSize(19200, 7200));
    Form5 wide;
    wide.Form_Load();
    const FormGeometry& d = design.design().geometry();
    const FormGeometry& g = wide.design().geometry();
    EXPECT_DOUBLE_EQ(d.left, (9600 - d.width) / 2);   // the design screen: designed size, centred
    EXPECT_DOUBLE_EQ(g.width, 2 * d.width);
    EXPECT_DOUBLE_EQ(g.height, d.height);
    EXPECT_DOUBLE_EQ(g.fontSize, 2 * d.fontSize);
    for (const char* name : {"Text1", "Command1"}) {
        const ControlGeometry* a = design.design().control(QLatin1String(name));
        const ControlGeometry* b = wide.design().control(QLatin1String(name));
        EXPECT_DOUBLE_EQ(b->left, 2 * a->left) << name;
        EXPECT_DOUBLE_EQ(b->width, 2 * a->width) << name;
        EXPECT_DOUBLE_EQ(b->top, a->top) << name;
        EXPECT_DOUBLE_EQ(b->fontSize, a->fontSize) << name;
    }
}

TEST_F(HelpColorsTest, ColourDialogStartsFromTheCurrentColourAndCancelKeepsIt)
{
    G.WorkedColor = 0x0000FF;     // red
    G.UnworkedColor = 0x808080;   // grey
    Form6 w;
    w.Form_Load();
    EXPECT_EQ(textColor(w.Label1), QColor(255, 0, 0));
    EXPECT_EQ(textColor(w.Label2), QColor(128, 128, 128));
    EXPECT_EQ(w.Command1->text(), QStringLiteral("Change \"Remaining\" Color"));
    EXPECT_EQ(w.Command3->text(), QStringLiteral("Change \"Worked\" Color"));

    prompts.answerColor(std::nullopt);   // Cancel
    w.Command1->click();
    prompts.answerColor(QColor(0, 0, 255));   // blue
    w.Command3->click();
    EXPECT_EQ(G.UnworkedColor, 0x808080);
    EXPECT_EQ(G.WorkedColor, 0xFF0000);   // &HBBGGRR
    EXPECT_EQ(textColor(w.Label1), QColor(0, 0, 255));
    EXPECT_EQ(textColor(w.Label2), QColor(128, 128, 128));

    const auto asked = prompts.callsOf(QStringLiteral("color"));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0].text, QColor(128, 128, 128).name());
    EXPECT_EQ(asked[1].text, QColor(255, 0, 0).name());

    w.show();
    w.Command6->click();
    EXPECT_FALSE(w.isVisible());
}
