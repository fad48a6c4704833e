#include <gtest/gtest.h>

#include <QVector>
#include <cmath>

#include "core/ListFormat.h"

using namespace ListFormat;

namespace {
QVector<Value> readAll(const QByteArray& data)
{
    Reader r(data);
    QVector<Value> out;
    Value v;
    while (r.next(v))
        out.push_back(v);
    return out;
}
}   // namespace

TEST(ListFormat, LogLinesRoundTripByteForByte)
{
    const QByteArray lines = "\"K9XYZ\",\"599\",\"599\",\"OH\",\"\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"2024/05/"
                             "04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"14.025\"\r\n"
                             "\"K9XYZ\",\"599\",\"599\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/"
                             "04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n";
    const QVector<Value> values = readAll(lines);
    ASSERT_EQ(values.size(), 38);
    Writer w;
    for (int i = 0; i < values.size(); ++i) {
        const Value& v = values[i];
        if (i % 19 == 15) {
            ASSERT_EQ(v.kind, Value::Kind::Number);
            w.number(v.number);
        } else {
            ASSERT_EQ(v.kind, Value::Kind::Text) << i;
            w.text(v.text);
        }
        if (i % 19 == 18)
            w.endLine();
    }
    EXPECT_EQ(w.data(), lines);
    EXPECT_EQ(values[6].text, "Marion");
    EXPECT_EQ(values[19 + 4].text, "Marion");
}

TEST(ListFormat, ValuesAreTakenWhereverTheyStand)
{
    // Line ends only separate values: a short line borrows from the next one.
    const QVector<Value> v = readAll("\"a\",\"b\"\r\n\"c\"\r\n1.5,#TRUE#,#FALSE#\r\n,,\"\"\r\n\r\n  \r\n");
    ASSERT_EQ(v.size(), 9);
    EXPECT_EQ(v[2].text, "c");
    EXPECT_EQ(v[3].kind, Value::Kind::Number);
    EXPECT_DOUBLE_EQ(v[3].number, 1.5);
    EXPECT_EQ(v[4].kind, Value::Kind::Bool);
    EXPECT_TRUE(v[4].boolean);
    EXPECT_FALSE(v[5].boolean);
    EXPECT_EQ(v[6].kind, Value::Kind::Empty);   // unset values between commas
    EXPECT_EQ(v[7].kind, Value::Kind::Empty);
    EXPECT_EQ(v[8].kind, Value::Kind::Text);   // "" is an empty text, not unset
    EXPECT_TRUE(v[8].text.isEmpty());
}

TEST(ListFormat, BlankRemainderIsEndOfFile)
{
    Reader r("\"x\"\r\n   \r\n\r\n");
    Value v;
    EXPECT_TRUE(r.next(v));
    EXPECT_TRUE(r.atEnd());
    EXPECT_FALSE(r.next(v));
    EXPECT_TRUE(Reader("").atEnd());
    EXPECT_TRUE(Reader(" \r\n").atEnd());
}

TEST(ListFormat, NumbersReadStrictly)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"5", true, 5},       {"-86.15", true, -86.15}, {".33", true, 0.33}, {"-.5", true, -0.5},
        {"1E+07", true, 1e7}, {"2.5e-3", true, 0.0025}, {" 7 ", true, 7},    {"nan", false, 0},
        {"inf", false, 0},    {"1,5", false, 0},        {"", false, 0},      {"1e", false, 0},
        {".", false, 0},      {"12a", false, 0},        {"&H10", false, 0},  {"1 000", false, 0},
    };
    for (const Case& c : cases) {
        double d = 0;
        EXPECT_EQ(parseNumber(QString::fromLatin1(c.text), d), c.ok) << c.text;
        if (c.ok) {
            EXPECT_NEAR(d, c.value, 1e-12) << c.text;
        }
    }
}

// A value read into a whole-number setting: halves go to the even neighbour, and anything that
// does not fit the setting's range (or is no number) is refused rather than wrapped.
TEST(ListFormat, WholeNumbersRoundToEvenAndStayInRange)
{
    const QVector<Value> values = readAll("2.5,3.5,-0.5,255.4,255.5,-1,\"12\",\"x\",,#TRUE#");
    struct Case {
        const char* what;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-0.5", 0},
        {"255.4", 255},
        {"255.5 rounds past the top", std::nullopt},
        {"-1 below the bottom", std::nullopt},
        {"a number in quotes", 12},
        {"a text", std::nullopt},
        {"an empty value is 0", 0},
        {"#TRUE# is -1", std::nullopt},
    };
    ASSERT_EQ(values.size(), std::size(cases));
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(values[i].toWhole(0, 255), cases[i].expected) << cases[i].what;
    EXPECT_EQ(wholeIn(-32768.4, -32768, 32767), -32768);
    EXPECT_EQ(wholeIn(std::nan(""), -32768, 32767), std::nullopt);
}

TEST(ListFormat, ShortestNumberForms)
{
    EXPECT_EQ(formatSingle(5.0f), "5");
    EXPECT_EQ(formatSingle(5.5f), "5.5");
    EXPECT_EQ(formatSingle(-86.15f), "-86.15");
    EXPECT_EQ(formatSingle(0.33f), "0.33");
    EXPECT_EQ(formatSingle(-3.5f), "-3.5");
    EXPECT_EQ(formatSingle(39.7684f), "39.7684");
    EXPECT_EQ(formatSingle(1.0f / 3.0f), "0.3333333");   // at most 7 significant digits
    EXPECT_EQ(formatSingle(0.0f), "0");
    EXPECT_EQ(formatSingle(12345.67f), "12345.67");
    EXPECT_EQ(formatDouble(14.025), "14.025");
    EXPECT_EQ(formatDouble(0), "0");
    EXPECT_EQ(formatDouble(1e20), "1E+20");
    EXPECT_EQ(formatDouble(0.00002), "0.00002");
    // A single-precision value written and read back is the same value.
    for (float f : {5.75f, -0.33f, 86.15f, 123456.7f, 0.001f}) {
        double back = 0;
        ASSERT_TRUE(parseNumber(formatSingle(f), back));
        EXPECT_EQ(static_cast<float>(back), f);
    }
}

TEST(ListFormat, WriterSeparatesAndQuotes)
{
    Writer w;
    w.text("W9ABC").single(5.0f).empty().boolean(true).integer(-7).endLine().text("").endLine();
    EXPECT_EQ(w.data(), QByteArray("\"W9ABC\",5,,#TRUE#,-7\r\n\"\"\r\n"));
}

TEST(ListFormat, DoubleQuoteNeverReachesTheFile)
{
    Writer w;
    w.text("say \"hi\"").text("next").endLine();
    const QVector<Value> v = readAll(w.data());
    ASSERT_EQ(v.size(), 2);   // nothing shifted
    EXPECT_EQ(v[0].text, "say 'hi'");
    EXPECT_EQ(v[1].text, "next");
}

TEST(ListFormat, TextValueConversions)
{
    const QVector<Value> v = readAll("\"12\",3.5,#TRUE#,,\"abc\"");
    EXPECT_EQ(v[0].toInt(), 12);
    EXPECT_EQ(v[1].toText(), "3.5");
    EXPECT_EQ(v[2].toText(), "True");
    EXPECT_EQ(v[3].toDouble(9), 0);   // an unset value reads as 0
    double d = 0;
    EXPECT_FALSE(v[4].toNumber(d));
    EXPECT_EQ(v[4].toInt(-1), -1);
}

TEST(ListFormat, Latin1BytesKept)
{
    const QByteArray line("\"Montr\xe9"
                          "al\"\r\n");
    Reader r(line);
    QString s;
    ASSERT_TRUE(r.nextText(s));
    Writer w;
    w.text(s).endLine();
    EXPECT_EQ(w.data(), line);
}

// The strict line rule of files with one record per line: what one line splits into, and which
// lines are refused rather than read as some other record.
TEST(ListFormat, SplitLineTakesOneLineStrictly)
{
    struct Case {
        const char* name;
        QByteArray line;
        int values;
        const char* firstText;
    };
    const Case cases[] = {
        {"quoted and bare", "\"K9XYZ\",0,\"\",#TRUE#", 4, "K9XYZ"},
        {"blanks around values", "  \"A\" , 1.5 ,\t\"\"", 3, "A"},
        {"empty values between commas", ",,", 3, ""},
        {"a comma at the end adds an empty value", "\"A\",", 2, "A"},
        {"a comma inside quotes", "\"A,B\",\"C\"", 2, "A,B"},
        {"Latin-1 kept",
         "\"M\xFC"
         "ller\"",
         1, "M\u00FCller"},
        {"unclosed quote", "\"A,\"B", -1, nullptr},
        {"text after a closing quote", "\"A\"B,\"C\"", -1, nullptr},
        {"a stray quote inside a quoted value", "\"A\"\"B\"", -1, nullptr},
        {"a quote inside a bare value", "A\"B,1", -1, nullptr},
        {"a quote that would close on a later line", "\"A", -1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QVector<Value> v;
        const bool ok = splitLine(c.line, v);
        if (c.values < 0) {
            EXPECT_FALSE(ok);
            continue;
        }
        ASSERT_TRUE(ok);
        ASSERT_EQ(v.size(), c.values);
        EXPECT_EQ(v[0].text, QString::fromUtf8(c.firstText));
    }
}

TEST(ListFormat, LineReaderNumbersLinesAndSkipsALeadingByteOrderMark)
{
    LineReader r(QByteArrayView("\xEF\xBB\xBF"
                                "a\r\nb\n\r\n  \rc"));
    QByteArrayView line;
    QList<QByteArray> lines;
    while (r.next(line))
        lines << line.toByteArray() + "|" + QByteArray::number(r.lineNumber());
    EXPECT_EQ(lines, (QList<QByteArray>{"a|1", "b|2", "|3", "  |4", "c|5"}));
    EXPECT_TRUE(isBlankLine(" \t"));
    EXPECT_FALSE(isBlankLine(" ,"));

    // The value reader of settings files skips the mark as well.
    Reader settings(QByteArray("\xEF\xBB\xBF\"W9ABC\"\r\n"));
    QString first;
    ASSERT_TRUE(settings.nextText(first));
    EXPECT_EQ(first, "W9ABC");
}
