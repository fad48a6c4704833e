// SharedUserPreferences.xml: loading, tag setting, saving, and the file-name stem of a call sign.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/Files.h"
#include "core/Globals.h"
#include "core/modGlobalPreferences.h"

namespace {

using namespace modGlobalPreferences;

const QByteArray Decl = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>";

class SharedPrefsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(dir.isValid());
        G.SharedFolder = dir.path();
        path = dir.filePath(QStringLiteral("SharedUserPreferences.xml"));
    }
    QByteArray file() const
    {
        QByteArray data;
        Files::readAll(path, data);
        return data;
    }
    void put(const QByteArray& data)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(SharedPrefsTest, NoFileThenOneTag)
{
    LoadGlobalPreferences(path);
    EXPECT_EQ(G.GlobalPrefsText, QString::fromLatin1(Decl));
    SetGlobalPreference(QStringLiteral("OWN_CALL"), QStringLiteral("W9ABC"), 1);
    EXPECT_EQ(file(), Decl + "\r\n<OWN_CALL>W9ABC</OWN_CALL>\r\n");
}

TEST_F(SharedPrefsTest, LoadThenSaveWritesTheSameBytes)
{
    const QByteArray original = Decl + "\r\n<OTHER_APP>x y</OTHER_APP>\r\n<OWN_CALL>K9A</OWN_CALL>\r\n";
    put(original);
    LoadGlobalPreferences(path);
    EXPECT_FALSE(G.GlobalPrefsText.endsWith(QLatin1String("\r\n")));
    ASSERT_TRUE(SaveGlobalPreferences(path));
    EXPECT_EQ(file(), original);
}

TEST_F(SharedPrefsTest, FileWithoutFinalLineEndLosesNothing)
{
    put(Decl + "\r\n<OWN_CALL>K9A</OWN_CALL>");
    LoadGlobalPreferences(path);
    EXPECT_TRUE(G.GlobalPrefsText.endsWith(QLatin1String("<OWN_CALL>K9A</OWN_CALL>")));
    SetGlobalPreference(QStringLiteral("OWN_SPC"), QStringLiteral("IN"), 1);
    EXPECT_EQ(file(), Decl + "\r\n<OWN_CALL>K9A</OWN_CALL>\r\n<OWN_SPC>IN</OWN_SPC>\r\n");

    put("x");
    LoadGlobalPreferences(path);
    EXPECT_EQ(G.GlobalPrefsText, QStringLiteral("x"));
}

TEST_F(SharedPrefsTest, TagsKeepTheirPlaceAndAreStoredInCapitals)
{
    LoadGlobalPreferences(path);
    SetGlobalPreference(QStringLiteral("own_call"), QStringLiteral("W9ABC"), 0);
    SetGlobalPreference(QStringLiteral("OWN_ADDRESS_Line1"), QStringLiteral("1 Main St"), 0);
    SetGlobalPreference(QStringLiteral("OWN_CALL"), QStringLiteral("K9XYZ"), 0);
    SetGlobalPreference(QStringLiteral("OWN_CLUB_NAME"), QStringLiteral("A <&> B"), 1);
    EXPECT_EQ(file(), Decl + "\r\n<OWN_CALL>K9XYZ</OWN_CALL>\r\n<OWN_ADDRESS_LINE1>1 Main St</OWN_ADDRESS_LINE1>\r\n"
                             "<OWN_CLUB_NAME>A <&> B</OWN_CLUB_NAME>\r\n");
    // Shorter and empty values replace only the value.
    SetGlobalPreference(QStringLiteral("OWN_ADDRESS_LINE1"), QString(), 1);
    EXPECT_EQ(file(), Decl + "\r\n<OWN_CALL>K9XYZ</OWN_CALL>\r\n<OWN_ADDRESS_LINE1></OWN_ADDRESS_LINE1>\r\n"
                             "<OWN_CLUB_NAME>A <&> B</OWN_CLUB_NAME>\r\n");
}

TEST_F(SharedPrefsTest, BatchWritesOnlyOnTheLastTag)
{
    LoadGlobalPreferences(path);
    const char* tags[] = {"OWN_CALL",    "OWN_SPC",       "OWN_UTC",      "OWN_COUNTY",
                          "OWN_COUNTRY", "OWN_LONGITUDE", "OWN_LATITUDE", "OWN_CONTINENT"};
    for (const char* t : tags)
        SetGlobalPreference(QString::fromLatin1(t), QStringLiteral("v"), 0);
    EXPECT_FALSE(QFile::exists(path));
    SetGlobalPreference(QStringLiteral("OWN_ARRL_SECTION"), QStringLiteral("IN"), 1);
    EXPECT_EQ(file().count("\r\n"), 10);
    EXPECT_TRUE(file().endsWith("<OWN_ARRL_SECTION>IN</OWN_ARRL_SECTION>\r\n"));
}

TEST_F(SharedPrefsTest, OpeningTagWithoutClosingTagIsRepaired)
{
    put(Decl + "\r\n<OWN_CALL>K9A\r\n<OWN_SPC>IN</OWN_SPC>\r\n");
    LoadGlobalPreferences(path);
    SetGlobalPreference(QStringLiteral("OWN_CALL"), QStringLiteral("W9ABC"), 1);
    EXPECT_EQ(file(), Decl + "\r\n<OWN_CALL>W9ABC</OWN_CALL>\r\n<OWN_SPC>IN</OWN_SPC>\r\n");
}

TEST_F(SharedPrefsTest, TextOutsideAsciiSurvivesAsUtf8)
{
    const QByteArray utf8 = Decl + "\r\n<OWN_CLUB_NAME>Caf\xc3\xa9</OWN_CLUB_NAME>\r\n";
    put(utf8);
    LoadGlobalPreferences(path);
    ASSERT_TRUE(SaveGlobalPreferences(path));
    EXPECT_EQ(file(), utf8);

    // A file in a single-byte encoding is read byte for byte and written back as UTF-8.
    put(Decl + "\r\n<OWN_CLUB_NAME>Caf\xe9</OWN_CLUB_NAME>\r\n");
    LoadGlobalPreferences(path);
    ASSERT_TRUE(SaveGlobalPreferences(path));
    EXPECT_EQ(file(), utf8);
}

TEST_F(SharedPrefsTest, FileIsFoundWithoutRegardToCase)
{
    const QString other = dir.filePath(QStringLiteral("shareduserpreferences.XML"));
    QFile f(other);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Decl + "\r\n<A>1</A>\r\n");
    f.close();
    LoadGlobalPreferences(PrefsPath());
    SetGlobalPreference(QStringLiteral("B"), QStringLiteral("2"), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("shareduserpreferences.XML")});
    QByteArray data;
    Files::readAll(other, data);
    EXPECT_EQ(data, Decl + "\r\n<A>1</A>\r\n<B>2</B>\r\n");
}

TEST(CallFileName, LeadingRunOfDigitsAndCapitals)
{
    const std::pair<const char*, const char*> cases[] = {
        {"W9ABC/M", "W9ABC"}, {"9A1A", "9A1A"}, {"w9abc", "YourCall"}, {"", "YourCall"},
        {"K9 XYZ", "K9"},     {"N9Xa", "N9X"},  {"/P", "YourCall"},
    };
    for (const auto& [call, stem] : cases)
        EXPECT_EQ(CallFileName(QString::fromLatin1(call)), QString::fromLatin1(stem)) << call;
}

}   // namespace

namespace {
// A preferences file that exists but cannot be read is never replaced by a text without its values.
TEST(SharedPrefsUnreadable, IsNotOverwritten)
{
    resetGlobals();
    const QString unreadable = QStringLiteral("/proc/self/mem");   // a file whose read fails
    if (!QFileInfo(unreadable).isFile())
        GTEST_SKIP() << "no unreadable file to try";
    LoadGlobalPreferences(unreadable);
    EXPECT_TRUE(G.GlobalPrefsUnreadable);
    EXPECT_EQ(G.GlobalPrefsText, QString::fromLatin1(Decl));
    EXPECT_FALSE(SaveGlobalPreferences(unreadable));
}
}   // namespace
