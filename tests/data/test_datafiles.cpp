// The installed data files of data/ and the generator of the country tables.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/Files.h"
#include "core/ListFormat.h"
#include "core/Module2Prefs.h"

using ListFormat::Value;

namespace {

using Row = QList<Value>;

QString dataPath(const char* name) { return QStringLiteral(VQPLOG_SOURCE_DIR "/data/") + QString::fromLatin1(name); }

QByteArray readFile(const QString& path)
{
    QByteArray bytes;
    QString error;
    EXPECT_TRUE(Files::readAll(path, bytes, &error)) << qPrintable(path) << ": " << qPrintable(error);
    return bytes;
}

QByteArray readData(const char* name) { return readFile(dataPath(name)); }

// Cuts a file into its CR LF lines; every line, the last included, must end with CR LF and no
// bare CR or LF may stand anywhere else.
QList<QByteArray> crlfLines(const QByteArray& bytes, const char* name)
{
    QList<QByteArray> lines = bytes.split('\n');
    EXPECT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().isEmpty()) << name << ": the last line has no line end";
    lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].endsWith('\r')) << name << " line " << i + 1 << ": LF without CR";
        lines[i].chop(1);
        EXPECT_FALSE(lines[i].contains('\r')) << name << " line " << i + 1 << ": bare CR";
    }
    return lines;
}

QList<Row> rows(const char* name)
{
    QList<Row> out;
    for (const QByteArray& line : crlfLines(readData(name), name)) {
        ListFormat::Reader reader(line);
        Row row;
        Value v;
        while (reader.next(v))
            row.append(v);
        out.append(row);
    }
    return out;
}

// The file as the program's writer would produce it from the same values.
QByteArray rewritten(const QList<Row>& rows)
{
    ListFormat::Writer w;
    for (const Row& row : rows) {
        for (const Value& v : row) {
            switch (v.kind) {
            case Value::Kind::Text: w.text(v.text); break;
            case Value::Kind::Number: w.number(v.number); break;
            case Value::Kind::Bool: w.boolean(v.boolean); break;
            case Value::Kind::Empty: w.empty(); break;
            }
        }
        w.endLine();
    }
    return w.data();
}

bool isText(const Value& v) { return v.kind == Value::Kind::Text; }
bool isNumber(const Value& v) { return v.kind == Value::Kind::Number; }

// Letters only, case ignored: "De Kalb" sorts as "dekalb", "St. Joseph" as "stjoseph".
QString alphabeticalKey(const QString& name)
{
    QString key;
    for (QChar c : name)
        if (c.isLetter())
            key.append(c.toLower());
    return key;
}

struct GeneratorRun {
    int exitCode = -1;
    QString output;
};

GeneratorRun runGenerator(const QString& outFolder, const QString& input = QString())
{
    QProcess p;
    QStringList args{outFolder};
    if (!input.isEmpty())
        args.append(input);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(VQPLOG_BINARY_DIR "/gen_country_tables"), args);
    GeneratorRun run;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "gen_country_tables did not finish: " << qPrintable(p.errorString());
        return run;
    }
    run.output = QString::fromLocal8Bit(p.readAll());
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return run;
}

// Longest prefix that begins the call, as the country lookup finds it.
QString countryOf(const QList<Row>& table, const QString& call)
{
    QString best;
    qsizetype bestLength = 0;
    for (const Row& row : table) {
        const QString& prefix = row[0].text;
        if (prefix.size() > bestLength && call.startsWith(prefix)) {
            best = row[1].text;
            bestLength = prefix.size();
        }
    }
    return best;
}

}   // namespace

TEST(CountryTables, GeneratorReproducesCommittedFiles)
{
    // The committed country file the data files were made from, not whatever the machine holds.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const GeneratorRun run =
        runGenerator(dir.path(), QStringLiteral(VQPLOG_SOURCE_DIR "/tests/fixtures/country/cty.csv"));
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.output);
    for (const char* name : {"arrlpre2.txt", "ADIFCnt.txt"})
        EXPECT_TRUE(readFile(dir.filePath(QString::fromLatin1(name))) == readData(name))
            << name << " differs from what the generator writes from tests/fixtures/country/cty.csv; "
            << "rerun tools/gen_country_tables with that file";
}

TEST(CountryTables, GeneratorRules)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString input = dir.filePath(QStringLiteral("cty.csv"));
    const QByteArray cty = "3A,Monaco,260,EU,14,27,43.73,-7.40,-1.0,3A =3A/4Z5KJ/LH;\n"
                           "I,Italy,248,EU,15,28,42.82,-12.58,-1.0,I =II0ABC;\n"
                           "*IT9,Sicily,248,EU,15,28,37.50,-14.00,-1.0,IT9 IB9;\n"
                           "K,United States,291,NA,5,8,37.60,91.87,5.0,W K N AA K0(4)[7] KG44 =W1AW =KG4AA;\n"
                           "KG4,Guantanamo Bay,105,NA,8,11,20.00,75.00,5.0,KG4 =KG4AC;\n"
                           "KL,Alaska,6,NA,1,1,61.40,148.87,8.0,AL KL =AA0NN;\n"
                           "VE,Canada,1,NA,5,9,44.35,78.75,5.0,VE VA VA2[4] VE8{AS}<60.50/120.25>;\n"
                           "FO/c,Clipperton Island,36,NA,7,10,10.28,109.22,8.0,=FO/F8CFU;\n";
    QFile f(input);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(cty);
    f.close();

    const QString out = dir.filePath(QStringLiteral("out"));
    const GeneratorRun run = runGenerator(out, input);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.output);

    // Exact calls and the "*" entity are gone, the zone marks with them; K0 and VA2 only repeat
    // their shorter prefix; KG44 stays because its nearest shorter prefix is Guantanamo Bay's;
    // VE8 stays with its own continent and position. Digits sort before letters.
    EXPECT_EQ(readFile(out + QStringLiteral("/arrlpre2.txt")),
              QByteArray("\"3A\",\"Monaco\",\"EU\",-7.4,43.73,14,27,260\r\n"
                         "\"AA\",\"USA\",\"NA\",91.87,37.6,5,8,291\r\n"
                         "\"AL\",\"Alaska\",\"NA\",148.87,61.4,1,1,6\r\n"
                         "\"I\",\"Italy\",\"EU\",-12.58,42.82,15,28,248\r\n"
                         "\"K\",\"USA\",\"NA\",91.87,37.6,5,8,291\r\n"
                         "\"KG4\",\"Guantanamo Bay\",\"NA\",75,20,8,11,105\r\n"
                         "\"KG44\",\"USA\",\"NA\",91.87,37.6,5,8,291\r\n"
                         "\"KL\",\"Alaska\",\"NA\",148.87,61.4,1,1,6\r\n"
                         "\"N\",\"USA\",\"NA\",91.87,37.6,5,8,291\r\n"
                         "\"VA\",\"Canada\",\"NA\",78.75,44.35,5,9,1\r\n"
                         "\"VE\",\"Canada\",\"NA\",78.75,44.35,5,9,1\r\n"
                         "\"VE8\",\"Canada\",\"AS\",120.25,60.5,5,9,1\r\n"
                         "\"W\",\"USA\",\"NA\",91.87,37.6,5,8,291\r\n"));
    // Every entity, also one known only by exact calls; sorted by name.
    EXPECT_EQ(readFile(out + QStringLiteral("/ADIFCnt.txt")),
              QByteArray("\"Alaska\",6\r\n\"Canada\",1\r\n\"Clipperton Island\",36\r\n"
                         "\"Guantanamo Bay\",105\r\n\"Italy\",248\r\n\"Monaco\",260\r\n\"USA\",291\r\n"));
}

TEST(CountryTables, GeneratorRefusesBadInputAndWritesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString bad = dir.filePath(QStringLiteral("bad.csv"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("3A,Monaco,260,EU,14,27,43.73,-7.40,-1.0,3A;\nK,United States,291,NA;\n");
    f.close();

    for (const QString& input : {bad, dir.filePath(QStringLiteral("missing.csv"))}) {
        const QString out = dir.filePath(QStringLiteral("out"));
        const GeneratorRun run = runGenerator(out, input);
        EXPECT_NE(run.exitCode, 0) << qPrintable(input);
        EXPECT_FALSE(QFile::exists(out + QStringLiteral("/arrlpre2.txt")));
        EXPECT_FALSE(QFile::exists(out + QStringLiteral("/ADIFCnt.txt")));
    }
}

TEST(CountryTables, PrefixTableServesTheLookup)
{
    const QList<Row> table = rows("arrlpre2.txt");
    ASSERT_GT(table.size(), 1000);
    ASSERT_LE(table.size(), 10000);

    // The lookup jumps to the call's first character and scans that group only: the prefixes
    // must stand in ascending order (digits before letters), each once, in capitals.
    static const QRegularExpression prefixForm(QStringLiteral("^[0-9A-Z/]+$"));
    for (qsizetype i = 0; i < table.size(); ++i) {
        const Row& r = table[i];
        ASSERT_EQ(r.size(), 8) << "row " << i + 1;
        EXPECT_TRUE(isText(r[0]) && isText(r[1]) && isText(r[2])) << "row " << i + 1;
        for (int k = 3; k < 8; ++k)
            EXPECT_TRUE(isNumber(r[k])) << "row " << i + 1 << " value " << k + 1;
        EXPECT_TRUE(prefixForm.match(r[0].text).hasMatch()) << qPrintable(r[0].text);
        EXPECT_FALSE(r[1].text.isEmpty());
        if (i > 0) {
            EXPECT_LT(table[i - 1][0].text.compare(r[0].text, Qt::CaseInsensitive), 0)
                << qPrintable(table[i - 1][0].text) << " before " << qPrintable(r[0].text);
        }
    }

    struct Case {
        const char* call;
        const char* country;
    };
    const Case cases[] = {
        {"W9ABC", "USA"},
        {"K9XYZ", "USA"},
        {"AA9A", "USA"},
        {"KL7ABC", "Alaska"},
        {"AL7X", "Alaska"},
        {"KH6ABC", "Hawaii"},
        {"VE3ABC", "Canada"},
        {"VA3XY", "Canada"},
        {"KG4AB", "Guantanamo Bay"},
        {"G4ABC", "England"},
        {"JA1XYZ", "Japan"},
        {"VP2EAB", "Anguilla"},
        {"VP2MXY", "Montserrat"},
        {"9A1A", "Croatia"},
        {"4X1AB", "Israel"},
        {"IT9ABC", "Italy"},
        {"UA9ABC", "Asiatic Russia"},
        {"3D2AB", "Fiji"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(countryOf(table, QString::fromLatin1(c.call)), QString::fromLatin1(c.country)) << c.call;

    // Positions: longitude before latitude, longitudes positive toward the west.
    QHash<QString, Row> byPrefix;
    for (const Row& r : table)
        byPrefix.insert(r[0].text, r);
    ASSERT_TRUE(byPrefix.contains(QStringLiteral("K")) && byPrefix.contains(QStringLiteral("3A")));
    EXPECT_GT(byPrefix[QStringLiteral("K")][3].number, 60);   // USA, west
    EXPECT_GT(byPrefix[QStringLiteral("K")][4].number, 25);   // north
    EXPECT_LT(byPrefix[QStringLiteral("3A")][3].number, 0);   // Monaco, east
    for (const Row& r : table)
        EXPECT_NE(r[1].text, QStringLiteral("United States"));
}

TEST(CountryTables, EveryCountryHasADxccNumber)
{
    const QList<Row> dxcc = rows("ADIFCnt.txt");
    ASSERT_GT(dxcc.size(), 300);
    ASSERT_LE(dxcc.size(), 1000);
    QHash<QString, int> numbers;
    for (const Row& r : dxcc) {
        ASSERT_EQ(r.size(), 2);
        ASSERT_TRUE(isText(r[0]) && isNumber(r[1])) << qPrintable(r[0].text);
        EXPECT_FALSE(numbers.contains(r[0].text)) << "twice: " << qPrintable(r[0].text);
        EXPECT_EQ(r[1].number, static_cast<double>(r[1].toInt())) << qPrintable(r[0].text);
        numbers.insert(r[0].text, r[1].toInt());
    }
    EXPECT_EQ(numbers.value(QStringLiteral("USA")), 291);
    EXPECT_EQ(numbers.value(QStringLiteral("Canada")), 1);
    EXPECT_EQ(numbers.value(QStringLiteral("Alaska")), 6);
    EXPECT_EQ(numbers.value(QStringLiteral("Hawaii")), 110);

    // A country the lookup can put into a contact must export with its DXCC number.
    for (const Row& r : rows("arrlpre2.txt"))
        EXPECT_TRUE(numbers.contains(r[1].text)) << qPrintable(r[1].text);
}

TEST(InstalledFiles, WrittenInTheListForm)
{
    for (const char* name :
         {"county2.txt", "states.txt", "arrlpre2.txt", "ADIFCnt.txt", "QSOpref.txt", "CW.txt", "wave2.txt"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(rewritten(rows(name)) == readData(name)) << "not in the form the program's writer produces";
    }
}

TEST(InstalledFiles, CountyTable)
{
    const QList<Row> counties = rows("county2.txt");
    ASSERT_EQ(counties.size(), 92);
    QSet<QString> abbreviations;
    QHash<QString, QString> byName;
    static const QRegularExpression abbreviationForm(QStringLiteral("^[A-Z]{3,4}$"));
    for (qsizetype i = 0; i < counties.size(); ++i) {
        const Row& r = counties[i];
        ASSERT_EQ(r.size(), 2) << "row " << i + 1;
        ASSERT_TRUE(isText(r[0]) && isText(r[1])) << "row " << i + 1;
        ASSERT_TRUE(r[0].text.startsWith(QStringLiteral("IN"))) << qPrintable(r[0].text);
        const QString name = r[0].text.mid(2);
        EXPECT_TRUE(abbreviationForm.match(r[1].text).hasMatch()) << qPrintable(r[1].text);
        EXPECT_FALSE(abbreviations.contains(r[1].text)) << "twice: " << qPrintable(r[1].text);
        abbreviations.insert(r[1].text);
        byName.insert(name, r[1].text);
        if (i > 0) {
            EXPECT_LT(alphabeticalKey(counties[i - 1][0].text.mid(2)), alphabeticalKey(name))
                << qPrintable(counties[i - 1][0].text) << " before " << qPrintable(r[0].text);
        }
    }
    // The names the county map labels carry, with the contest's own abbreviations.
    const QHash<QString, QString> expected{
        {QStringLiteral("La Porte"), QStringLiteral("LAPO")},   {QStringLiteral("St. Joseph"), QStringLiteral("STJO")},
        {QStringLiteral("Lagrange"), QStringLiteral("LAGR")},   {QStringLiteral("De Kalb"), QStringLiteral("DEKA")},
        {QStringLiteral("Vermillion"), QStringLiteral("VERM")}, {QStringLiteral("Warrick"), QStringLiteral("WRRK")},
        {QStringLiteral("Whitley"), QStringLiteral("WHLY")},    {QStringLiteral("Jay"), QStringLiteral("JAY")},
        {QStringLiteral("Marion"), QStringLiteral("MARI")},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(byName.value(it.key()), it.value()) << qPrintable(it.key());
}

TEST(InstalledFiles, StatePositions)
{
    const QList<Row> states = rows("states.txt");
    ASSERT_EQ(states.size(), 50);
    QSet<QString> seen;
    static const QRegularExpression abbreviationForm(QStringLiteral("^[A-Z]{2}$"));
    for (const Row& r : states) {
        ASSERT_EQ(r.size(), 3);
        ASSERT_TRUE(isText(r[0]) && isNumber(r[1]) && isNumber(r[2])) << qPrintable(r[0].text);
        EXPECT_TRUE(abbreviationForm.match(r[0].text).hasMatch()) << qPrintable(r[0].text);
        EXPECT_FALSE(seen.contains(r[0].text)) << "twice: " << qPrintable(r[0].text);
        seen.insert(r[0].text);
        // Latitude first, then longitude counted positive toward the west.
        EXPECT_GE(r[1].number, 18) << qPrintable(r[0].text);
        EXPECT_LE(r[1].number, 72) << qPrintable(r[0].text);
        EXPECT_GE(r[2].number, 66) << qPrintable(r[0].text);
        EXPECT_LE(r[2].number, 180) << qPrintable(r[0].text);
        if (r[0].text == QStringLiteral("IN")) {   // inside the contest state's borders
            EXPECT_GT(r[1].number, 37.8);
            EXPECT_LT(r[1].number, 41.8);
            EXPECT_GT(r[2].number, 84.8);
            EXPECT_LT(r[2].number, 88.1);
        }
    }
    for (const char* s : {"IN", "AK", "HI", "ME", "WA"})
        EXPECT_TRUE(seen.contains(QString::fromLatin1(s))) << s;
    EXPECT_FALSE(seen.contains(QStringLiteral("DC")));
}

namespace {

// A settings file: one value per line, numbered from 1 as the program reads them.
struct Settings {
    QList<Value> values;
    const Value& operator[](int n) const { return values[n - 1]; }
};

Settings settings(const char* name, int count)
{
    Settings s;
    const QList<Row> lines = rows(name);
    EXPECT_EQ(lines.size(), count) << name;
    for (const Row& r : lines) {
        EXPECT_EQ(r.size(), 1) << name << ": one value per line";
        s.values.append(r.value(0));
    }
    while (s.values.size() < count)
        s.values.append(Value());
    return s;
}

void expectEmptyTexts(const Settings& s, int first, int last, const char* name)
{
    for (int n = first; n <= last; ++n)
        EXPECT_TRUE(isText(s[n]) && s[n].text.isEmpty()) << name << " value " << n;
}

}   // namespace

// A first run reads these and must neither fail nor open a port.
TEST(InstalledFiles, FirstRunSettings)
{
    const Settings pref = settings("QSOpref.txt", 25);
    expectEmptyTexts(pref, 1, 8, "QSOpref.txt");   // the station profile starts empty
    for (int item : {11, 12, 13, 15, 16, 17, 18, 20, 21, 22, 24, 25})
        EXPECT_TRUE(isNumber(pref[item])) << "item " << item;
    EXPECT_EQ(pref[15].number, 100);                    // FormSizePercent
    EXPECT_NE(pref[16].number, pref[17].number);        // worked and unworked colours differ
    EXPECT_EQ(pref[20].number, 0);                      // OutOfStateFlag
    EXPECT_EQ(pref[23].text, QStringLiteral("None"));   // RigType: no rig port
    // The band and mode a profile that cannot be read starts from are these.
    EXPECT_EQ(pref[9].text, Module2::DefaultMode());
    EXPECT_EQ(pref[10].text, Module2::DefaultBand());

    const Settings cw = settings("CW.txt", 18);
    expectEmptyTexts(cw, 1, 9, "CW.txt");
    EXPECT_EQ(cw[10].text, QStringLiteral("0"));    // no serial port
    EXPECT_EQ(cw[11].text, QStringLiteral("13"));   // WPM
    EXPECT_TRUE(isNumber(cw[15]));
    EXPECT_EQ(cw[15].number, 0);   // keying "None"
    EXPECT_EQ(cw[16].text, QStringLiteral("&H378"));
    EXPECT_TRUE(isNumber(cw[17]));
    EXPECT_EQ(cw[18].text, QStringLiteral("0"));

    const Settings wave = settings("wave2.txt", 13);
    expectEmptyTexts(wave, 1, 9, "wave2.txt");
    EXPECT_EQ(wave[10].text, QStringLiteral("0"));   // no push-to-talk port
    EXPECT_TRUE(isNumber(wave[11]));
    EXPECT_EQ(wave[11].number, 0);   // RTS
    double repeat = -1;
    EXPECT_TRUE(wave[12].toNumber(repeat));   // a repeat that is not a number fails the set-up
    EXPECT_EQ(repeat, 0);
    EXPECT_EQ(wave[13].text, QStringLiteral("&H378"));
}

TEST(InstalledFiles, HelpText)
{
    const QByteArray help = readData("ReadSQSO.txt");
    const QList<QByteArray> lines = crlfLines(help, "ReadSQSO.txt");
    EXPECT_GT(lines.size(), 20);
    for (char c : help)
        EXPECT_TRUE(static_cast<unsigned char>(c) < 128) << "not plain ASCII";
}
