// Reading CW.txt and wave2.txt as the station setup does at start.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

#include "core/ListFormat.h"
#include "keying/KeyerSettings.h"

using namespace KeyerSettings;

namespace {

// The 18 values of a CW.txt as the CW window's Done writes them; `raw` replaces a value by the
// given bare token.
QByteArray cwFile(const QString& f9 = QStringLiteral("TEST DE W9ABC"), int stopAfter = 18, int rawIndex = 0,
                  const QByteArray& raw = QByteArray())
{
    QByteArray out;
    auto line = [&](int index, const std::function<void(ListFormat::Writer&)>& write) {
        if (index > stopAfter)
            return;
        if (index == rawIndex) {
            out += raw + "\r\n";
            return;
        }
        ListFormat::Writer w;
        write(w);
        w.endLine();
        out += w.data();
    };
    for (int i = 1; i <= 8; ++i)
        line(i, [i](auto& w) { w.text(QStringLiteral("MSG %1").arg(i)); });
    line(9, [&](auto& w) { w.text(f9); });
    line(10, [](auto& w) { w.text(QStringLiteral("3")); });
    line(11, [](auto& w) { w.text(QStringLiteral("25")); });
    line(12, [](auto& w) { w.text(QStringLiteral("F10 MSG")); });
    line(13, [](auto& w) { w.text(QStringLiteral("F11 MSG")); });
    line(14, [](auto& w) { w.text(QStringLiteral("-2")); });
    line(15, [](auto& w) { w.integer(5); });
    line(16, [](auto& w) { w.text(QStringLiteral("&H278")); });
    line(17, [](auto& w) { w.integer(1); });
    line(18, [](auto& w) { w.text(QStringLiteral("2.5")); });
    return out;
}

QByteArray waveFile(const QByteArray& line11 = "1", const QByteArray& line12 = "\"2.5\"", int stopAfter = 13)
{
    QByteArray out;
    for (int i = 1; i <= 9 && i <= stopAfter; ++i)
        out += "\"/home/op/f" + QByteArray::number(i) + ".wav\"\r\n";
    const QList<QByteArray> rest = {"\"4\"", line11, line12, "\"&H3BC\""};
    for (int i = 10; i <= stopAfter; ++i)
        out += rest[i - 10] + "\r\n";
    return out;
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

}   // namespace

TEST(CWSettingsFile, AllValuesReachTheirPlaces)
{
    const CWSettings s = parseCW(cwFile());
    EXPECT_TRUE(s.complete);
    EXPECT_EQ(s.valuesRead, 18);
    EXPECT_EQ(s.messages[0], "MSG 1");
    EXPECT_EQ(s.messages[7], "MSG 8");
    EXPECT_EQ(s.messages[8], "TEST DE W9ABC");
    EXPECT_EQ(s.port, "3");
    EXPECT_EQ(s.speed, "25");
    EXPECT_EQ(s.f10Message, "F10 MSG");
    EXPECT_EQ(s.f11Message, "F11 MSG");
    EXPECT_EQ(s.wordSpace, "-2");
    EXPECT_EQ(s.keyMethod, 5);
    EXPECT_EQ(s.parallelAddress, "&H278");
    EXPECT_EQ(s.echo, 1);
    EXPECT_EQ(s.repeatSeconds, "2.5");
    EXPECT_EQ(s.repeatIntervalMs, 2500);
}

TEST(CWSettingsFile, EmptyF9MessageBecomesCallingText) { EXPECT_EQ(parseCW(cwFile(QString())).messages[8], "VVV DE "); }

TEST(CWSettingsFile, BareNumbersAreTakenAsTexts)
{
    // A speed written bare still fills the speed box with its text.
    const CWSettings s = parseCW(cwFile(QStringLiteral("X"), 18, 11, "30"));
    EXPECT_TRUE(s.complete);
    EXPECT_EQ(s.speed, "30");
}

TEST(CWSettingsFile, ReadingStopsAtTheFirstBadValue)
{
    struct Case {
        const char* name;
        int stopAfter;
        int rawIndex;
        QByteArray raw;
        int valuesRead;
    };
    const Case cases[] = {
        {"empty file", 0, 0, {}, 0},
        {"ten values", 10, 0, {}, 10},
        {"seventeen values", 17, 0, {}, 17},
        {"key method not a number", 18, 15, "\"RTS\"", 14},
        {"key method beyond a byte", 18, 15, "300", 14},
        {"key method negative", 18, 15, "-1", 14},
        {"check box value out of range", 18, 17, "5", 16},
        {"repeat time not a number", 18, 18, "\"soon\"", 18},
        {"repeat time negative", 18, 18, "\"-3\"", 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CWSettings s = parseCW(cwFile(QStringLiteral("X"), c.stopAfter, c.rawIndex, c.raw));
        EXPECT_FALSE(s.complete);
        EXPECT_EQ(s.valuesRead, c.valuesRead);
    }
}

TEST(CWSettingsFile, EmptyNumericValuesReadAsZero)
{
    CWSettings s = parseCW(cwFile(QStringLiteral("X"), 18, 15, ""));
    EXPECT_TRUE(s.complete);
    EXPECT_EQ(s.keyMethod, 0);
    s = parseCW(cwFile(QStringLiteral("X"), 18, 18, "\"\""));
    EXPECT_TRUE(s.complete);
    EXPECT_EQ(s.repeatIntervalMs, 0);
}

TEST(CWSettingsFile, FoundWhateverTheCaseOfItsName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The CW window writes "CW.txt"; the start reads "cw.txt": one file.
    writeFile(dir.filePath("CW.txt"), cwFile());
    const CWSettings s = readCW(dir.path());
    EXPECT_TRUE(s.complete);
    EXPECT_EQ(s.speed, "25");
}

TEST(CWSettingsFile, MissingFileGivesNothing)
{
    QTemporaryDir dir;
    const CWSettings s = readCW(dir.path());
    EXPECT_EQ(s.valuesRead, 0);
    EXPECT_FALSE(s.complete);
}

TEST(PhoneSettingsFile, AllValuesReachTheirPlaces)
{
    const auto s = parsePhone(waveFile());
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->wavePaths[0], "/home/op/f1.wav");
    EXPECT_EQ(s->wavePaths[8], "/home/op/f9.wav");
    EXPECT_EQ(s->port, "4");
    EXPECT_EQ(s->pttLine, 1);
    EXPECT_EQ(s->repeatSeconds, "2.5");
    EXPECT_EQ(s->repeatIntervalMs, 2500);
    EXPECT_EQ(s->parallelAddress, "&H3BC");
}

TEST(PhoneSettingsFile, PushToTalkLine)
{
    const std::pair<QByteArray, int> cases[] = {{"0", 0},  {"1", 1},   {"2", 2},        {"", 0},
                                                {"3", -1}, {"-1", -1}, {"\"DTR\"", -1}, {"1.5", -1}};
    for (const auto& [value, line] : cases) {
        SCOPED_TRACE(value.constData());
        const auto s = parsePhone(waveFile(value));
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->pttLine, line);
    }
}

TEST(PhoneSettingsFile, ShortOrBadFileIsRefusedWhole)
{
    EXPECT_FALSE(parsePhone(QByteArray()).has_value());
    EXPECT_FALSE(parsePhone(waveFile("0", "\"0\"", 12)).has_value());
    EXPECT_FALSE(parsePhone(waveFile("0", "\"0\"", 5)).has_value());
    EXPECT_FALSE(parsePhone(waveFile("0", "\"ten\"")).has_value());
    EXPECT_FALSE(parsePhone(waveFile("0", "\"-1\"")).has_value());
}

TEST(PhoneSettingsFile, ReadFromTheFolderWhateverTheCase)
{
    QTemporaryDir dir;
    EXPECT_FALSE(readPhone(dir.path()).has_value());
    writeFile(dir.filePath("Wave2.TXT"), waveFile());
    const auto s = readPhone(dir.path());
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->port, "4");
}

TEST(RepeatInterval, SecondsToWholeMilliseconds)
{
    EXPECT_EQ(repeatInterval("0.5"), 500);
    EXPECT_EQ(repeatInterval("59.5"), 59500);
    EXPECT_EQ(repeatInterval(""), 0);
    EXPECT_EQ(repeatInterval("0.0005"), 0);   // 0.5 ms: halves go to even
    EXPECT_EQ(repeatInterval("0.0015"), 2);
    EXPECT_FALSE(repeatInterval("1,5").has_value());
    EXPECT_FALSE(repeatInterval("-0.5").has_value());
}
