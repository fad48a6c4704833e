// PackSpot.txt: the bytes the window writes, reading them back, odd files, and a failed write
// that leaves the old file whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "spots/SpotSettings.h"
#include "tests/core/test_store_fixture.h"

using namespace Spots;

TEST(SpotSettingsFile, TncChoiceWritesFourteenItemsAndReadsBack)
{
    SpotSettings s;
    s.TNCBaudRate = QStringLiteral("9600");
    s.TNCParity = QStringLiteral("N");
    s.TNCDataBits = QStringLiteral("8");
    s.TNCStopBits = QStringLiteral("1");
    s.TNCCommPort = 2;
    s.TNCPowerLine = QStringLiteral("N");
    s.SpotSource = QStringLiteral("TNC");
    s.TNCHandshaking = 3;
    s.txtHex = QStringLiteral("03");
    const QByteArray bytes = writeSpotSettings(s);
    EXPECT_EQ(bytes,
              QByteArray("\"9600\"\r\n\"N\"\r\n\"8\"\r\n\"1\"\r\n2\r\n\"N\"\r\n\"TNC\"\r\n0\r\n3\r\n0\r\n#FALSE#\r\n"
                         "\"03\"\r\n\"\"\r\n\"\"\r\n"));
    SpotSettings back;
    EXPECT_EQ(readSpotSettings(bytes, back), 14);
    EXPECT_EQ(writeSpotSettings(back), bytes);
}

TEST(SpotSettingsFile, OddFilesStopAtTheirFirstBadItem)
{
    const struct {
        const char* name;
        QByteArray data;
        int items;
    } cases[] = {
        {"port over 255", "\"9600\",\"N\",\"8\",\"1\",256,\"N\",\"TNC\",0,3,0,#FALSE#,\"03\",\"\",\"\"", 4},
        {"ends early", "\"9600\",\"N\",\"8\"", 3},
        {"handshaking text", "\"\",\"\",\"\",\"\",0,\"\",\"Telnet\",0,\"x\",1,#TRUE#,\"\",\"7300\",\"dx.example.org\"",
         8},
        {"ticked list dx only and list",
         "\"\",\"\",\"\",\"\",0,\"\",\"telnet\",0,0,1,#TRUE#,\"\",\"7300\",\"dx.example.org\"", 14},
        {"empty", "", 0},
    };
    for (const auto& c : cases) {
        SpotSettings s;
        EXPECT_EQ(readSpotSettings(c.data, s), c.items) << c.name;
    }
    SpotSettings s;
    readSpotSettings(cases[3].data, s);
    EXPECT_TRUE(s.optList);
    EXPECT_EQ(s.txtTelnetHost, QStringLiteral("dx.example.org"));
    EXPECT_EQ(s.listDxOnly, 0);   // read and discarded
}

TEST(SpotSettingsFile, QuotesNeverEnterTheFileAndAFailedSaveKeepsTheOldOne)
{
    QTemporaryDir dir;
    SpotSettings s;
    s.SpotSource = QStringLiteral("Telnet");
    s.txtTelnetHost = QStringLiteral("dx\".example.org");
    ASSERT_TRUE(saveSpotSettings(dir.path(), s));
    SpotSettings back;
    EXPECT_EQ(loadSpotSettings(dir.path(), back), 14);
    EXPECT_FALSE(back.txtTelnetHost.contains(QLatin1Char('"')));

    s.SpotSource = QStringLiteral("TNC");
    QString error;
    {
        FileSizeLimit limit(16);   // the new file cannot be written whole
        EXPECT_FALSE(saveSpotSettings(dir.path(), s, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(loadSpotSettings(dir.path(), back), 14);
    EXPECT_EQ(back.SpotSource, QStringLiteral("Telnet"));
    EXPECT_EQ(loadSpotSettings(dir.path() + QStringLiteral("/none"), back), -1);
}
