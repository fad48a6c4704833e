// The texts a new operator reads first, on a 1280 x 1024 screen, read whole: the to-go heading
// with its two-digit count, a long country name in the state field, the rover button's caption,
// the county map's hint and the caption of the worked-states grid.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "keying/BlindFrm.h"
#include "mainwindow/Infrm.h"
#include "reports/CountyMap.h"
#include "reports/CountyMapIN.h"
#include "reports/frmCountyChange.h"
#include "reports/frmCountyChangeRover.h"
#include "tests/mainwindow/MainFrameFixture.h"
#include "tests/support/TextFit.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// The screen of 1280 x 1024 pixels at 96 dots per inch, in twips.
const Platform::Screen Screen1280 = Platform::Screen::ofSize(19200, 15360);

using TextFit::labelLines;

class NamedTextsTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        loadCountryTables();
        G.CurrentCounty = QStringLiteral("Marion");
        Platform::setScreenOverride(Screen1280);
    }
    void TearDown() override
    {
        w.reset();
        BlindFrm::unload();
        frmCountyChangeRover::unload();
        MainFrameTest::TearDown();
    }

    // A log of in-state contacts, one with each county given.
    void logCounties(const QStringList& counties)
    {
        QByteArray lines;
        for (int i = 0; i < counties.size(); ++i) {
            QByteArray l = lineFor(QStringLiteral("K9A%1").arg(QChar('A' + i)));
            l.replace("\"OH\",\"\",", "\"IN\",\"" + counties[i].toLatin1() + "\",");
            lines += l;
        }
        writeLog(lines);
    }

    std::unique_ptr<Infrm> w;
};

// The contest state's 92 counties, as the installed table names them ("INAdams","ADAM").
QStringList allCounties()
{
    QFile f(QStringLiteral(VQPLOG_SOURCE_DIR "/data/county2.txt"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList out;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("\"IN"))
            out << QString::fromLatin1(line.mid(3, line.indexOf("\",") - 3));
    return out;
}

TEST_F(NamedTextsTest, TheCountyHeadingsShowTheirWholeCounts)
{
    const struct {
        const char* name;
        QStringList worked;
        const char* toGo;
        const char* workedHeading;
    } cases[] = {
        {"an empty log", {}, "Cnty Rem - 92", "Cnty Wkd - 0"},
        {"seven counties worked",
         {"Adams", "Allen", "Lake", "Marion", "Porter", "St. Joseph", "Vigo"},
         "Cnty Rem - 85",
         "Cnty Wkd - 7"},
        {"every county worked", allCounties(), "Cnty Rem - 0", "Cnty Wkd - 92"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        logCounties(c.worked);
        w = shown<Infrm>();
        EXPECT_EQ(w->lblStation[7]->text(), QLatin1String(c.toGo));
        EXPECT_EQ(w->lblStation[8]->text(), QLatin1String(c.workedHeading));
        for (int heading : {5, 7, 8}) {
            SCOPED_TRACE(heading);
            EXPECT_EQ(labelLines(w->lblStation[heading]), 1);
        }
        w.reset();
    }
}

TEST_F(NamedTextsTest, TheStateFieldShowsTheCountryFromItsBeginning)
{
    w = shown<Infrm>();
    QTest::keyClicks(w->txtCall, QStringLiteral("dl1abc"));
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("DL1ABC"));
    EXPECT_EQ(w->txtCntry->text(), QStringLiteral("Fed. Rep. of Germany"));
    EXPECT_EQ(w->txtCntry->cursorPosition(), 0);
    // The caret of the field the operator types in stays after the call.
    EXPECT_EQ(w->txtCall->cursorPosition(), 6);
}

TEST_F(NamedTextsTest, TheRoverButtonReadsWholeOnTwoLines)
{
    frmCountyChange county;
    QPushButton* rover = county.cmdMultipleCounties;
    EXPECT_EQ(rover->text(), QStringLiteral("&Rovers on County Lines Click to Add Multiple Counties"));
    const QRect room = TextFit::buttonRoom(rover);
    EXPECT_EQ(TextFit::linesFitting(rover->font(), room, rover->text(), true), 2);
    // Drawn so: two lines, neither end cut off.
    const TextFit::Ink ink = TextFit::captionInk(rover);
    EXPECT_EQ(ink.lines, 2);
    EXPECT_TRUE(room.contains(ink.box));
    EXPECT_EQ(TextFit::captionInk(county.Command1).lines, 1);
}

TEST_F(NamedTextsTest, TheCountyMapHintFitsItsCornerOfTheMap)
{
    CountyMapIN map;
    const QLabel* hint = map.Label1;
    EXPECT_EQ(hint->text(), QStringLiteral("Counties will change color when worked."));
    EXPECT_GE(labelLines(hint), 2);

    // Its box lies on the white around the state: no county border runs through the text.
    const QImage picture = CountyMap::readPicture(QStringLiteral(VQPLOG_SOURCE_DIR "/data/CountyMapIN.bmp"));
    ASSERT_FALSE(picture.isNull());
    const QRect box = hint->geometry();
    ASSERT_TRUE(picture.rect().contains(box));
    int border = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            border += picture.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_EQ(border, 0);
}

TEST_F(NamedTextsTest, TheStateGridStandsUnderItsCaption)
{
    w = shown<Infrm>();
    QLabel* caption = label(w.get(), QStringLiteral("Label15"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("States and Provinces Worked All Bands:"));
    EXPECT_TRUE(caption->isVisible());
    EXPECT_EQ(labelLines(caption), 1);

    const QRect first = w->Label10[1]->geometry(), last = w->Label10[63]->geometry();
    EXPECT_LE(caption->geometry().bottom(), first.top());
    EXPECT_EQ(caption->geometry().left(), first.left());
    // The grid's last row stays inside the window, its abbreviations whole.
    EXPECT_LE(last.bottom(), w->Label10[63]->parentWidget()->height());
    for (int i : {1, 21, 63}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(labelLines(w->Label10[i]), 1);
    }
}

}   // namespace
