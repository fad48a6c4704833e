// Per-user folders: which base folder is chosen with USERPROFILE / APPDATA set or unset, what is
// created, and how failures are reported.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/Globals.h"
#include "core/modGlobalPreferences.h"
#include "platform/Prompts.h"
#include "tests/support/ScriptedPrompts.h"

namespace {

using namespace modGlobalPreferences;

class SavedEnv {
public:
    explicit SavedEnv(const char* name) : name_(name), set_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}
    ~SavedEnv()
    {
        if (set_)
            qputenv(name_, value_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool set_;
    QByteArray value_;
};

class FoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        ASSERT_TRUE(tmp.isValid());
        home = mk(QStringLiteral("home"));
        qputenv("HOME", QFile::encodeName(home));
        qunsetenv("USERPROFILE");
        qunsetenv("APPDATA");
        Platform::setPrompts(&prompts);
    }
    void TearDown() override { Platform::setPrompts(nullptr); }

    QString mk(const QString& rel)
    {
        const QString p = tmp.filePath(rel);
        QDir().mkpath(p);
        return p;
    }
    void blockWithFile(const QString& path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    static bool isDir(const QString& p) { return QFileInfo(p).isDir(); }
    QStringList titles() const
    {
        QStringList out;
        for (const auto& c : prompts.callsOf(QStringLiteral("message")))
            out << c.title;
        return out;
    }

    SavedEnv savedHome{"HOME"}, savedProfile{"USERPROFILE"}, savedAppData{"APPDATA"};
    QTemporaryDir tmp;
    QString home;
    Platform::ScriptedPrompts prompts;
};

TEST_F(FoldersTest, WithoutUserProfileTheRootIsDocumentsInHome)
{
    ResolveFolders();
    const QString root = home + QStringLiteral("/Documents/Quolt Software");
    EXPECT_EQ(G.UserRootFolder, root);
    EXPECT_EQ(G.DataFolder, root + QStringLiteral("/Vazazev"));
    EXPECT_EQ(G.SharedFolder, root + QStringLiteral("/Shared"));
    EXPECT_TRUE(isDir(G.DataFolder));
    EXPECT_TRUE(isDir(G.SharedFolder));
    EXPECT_EQ(QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("Documents")});
    EXPECT_TRUE(prompts.calls().isEmpty());
}

TEST_F(FoldersTest, ExistingFoldersAreReusedWhateverTheirCase)
{
    mk(QStringLiteral("home/documents/quolt software/SHARED"));
    ResolveFolders();
    EXPECT_EQ(G.UserRootFolder, home + QStringLiteral("/documents/quolt software"));
    EXPECT_EQ(G.SharedFolder, home + QStringLiteral("/documents/quolt software/SHARED"));
    EXPECT_EQ(QDir(home).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{QStringLiteral("documents")});
    EXPECT_EQ(QDir(G.UserRootFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("SHARED"), QStringLiteral("Vazazev")}));
}

// With USERPROFILE set: which of My Documents, Documents or APPDATA holds the tree.
struct ProfileCase {
    const char* name;
    QStringList before;          // folders made under the temporary folder first
    QStringList blockingFiles;   // files that stand where a folder would be made
    bool withAppData;
    const char* expectedRoot;   // relative to the temporary folder
    QStringList alsoMade;       // further folders that must exist afterwards
    QStringList neverMade;
};

class ProfileTest : public FoldersTest, public ::testing::WithParamInterface<ProfileCase> {};

TEST_P(ProfileTest, ChoosesTheBaseFolder)
{
    const ProfileCase& c = GetParam();
    mk(QStringLiteral("P"));
    for (const QString& d : c.before)
        mk(d);
    for (const QString& f : c.blockingFiles)
        blockWithFile(tmp.filePath(f));
    qputenv("USERPROFILE", QFile::encodeName(tmp.filePath(QStringLiteral("P"))));
    if (c.withAppData)
        qputenv("APPDATA", QFile::encodeName(mk(QStringLiteral("A"))));

    QString result;
    ResolveUserFolder(result, QStringLiteral("/Quolt Software"), QStringLiteral("/Vazazev"));
    EXPECT_EQ(result, tmp.filePath(QString::fromLatin1(c.expectedRoot)));
    EXPECT_TRUE(isDir(result + QStringLiteral("/Vazazev")));
    for (const QString& d : c.alsoMade)
        EXPECT_TRUE(isDir(tmp.filePath(d))) << d.toStdString();
    for (const QString& d : c.neverMade)
        EXPECT_FALSE(QFileInfo::exists(tmp.filePath(d))) << d.toStdString();
    // The quiet attempt at My Documents shows nothing.
    EXPECT_TRUE(prompts.calls().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ProfileTest,
    ::testing::Values(ProfileCase{"MyDocumentsPresent",
                                  {QStringLiteral("P/My Documents")},
                                  {},
                                  true,
                                  "P/My Documents/Quolt Software",
                                  {},
                                  {QStringLiteral("A/Quolt Software")}},
                      ProfileCase{"MyDocumentsMadeWhenMissing",
                                  {},
                                  {},
                                  true,
                                  "P/My Documents/Quolt Software",
                                  {},
                                  {QStringLiteral("A/Quolt Software")}},
                      ProfileCase{"MyDocumentsInOtherCaseCounts",
                                  {QStringLiteral("P/my documents")},
                                  {},
                                  true,
                                  "P/my documents/Quolt Software",
                                  {},
                                  {QStringLiteral("P/My Documents")}},
                      ProfileCase{"DocumentsWhenMyDocumentsCannotBeMade",
                                  {QStringLiteral("P/Documents")},
                                  {QStringLiteral("P/My Documents")},
                                  true,
                                  "P/Documents/Quolt Software",
                                  {},
                                  {QStringLiteral("P/Quolt Software"), QStringLiteral("A/Quolt Software")}},
                      ProfileCase{"NeitherGivesBothTreesAndAppData",
                                  {},
                                  {QStringLiteral("P/My Documents")},
                                  true,
                                  "A/Quolt Software",
                                  {QStringLiteral("P/Quolt Software/Vazazev")},
                                  {QStringLiteral("P/Documents")}}),
    [](const ::testing::TestParamInfo<ProfileCase>& info) { return std::string(info.param.name); });

TEST_F(FoldersTest, NoMyDocumentsIsEverMadeInTheHomeFolder)
{
    qputenv("USERPROFILE", QFile::encodeName(home));
    qputenv("APPDATA", QFile::encodeName(mk(QStringLiteral("A"))));
    QString result;
    ResolveUserFolder(result, QStringLiteral("/Quolt Software"), QStringLiteral("/Shared"));
    EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/My Documents")));
    EXPECT_EQ(result, tmp.filePath(QStringLiteral("A/Quolt Software")));
    EXPECT_TRUE(isDir(home + QStringLiteral("/Quolt Software/Shared")));

    mk(QStringLiteral("home/Documents"));
    ResolveUserFolder(result, QStringLiteral("/Quolt Software"), QStringLiteral("/Shared"));
    EXPECT_EQ(result, home + QStringLiteral("/Documents/Quolt Software"));
    EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/My Documents")));
}

// With neither documents folder and no APPDATA the tree under USERPROFILE is the result: an empty
// APPDATA never puts the folders at the file system's root.
TEST_F(FoldersTest, UserProfileAsHomeWithoutAppDataKeepsEveryFolderUnderHome)
{
    for (const char* appData : {static_cast<const char*>(nullptr), ""}) {
        SCOPED_TRACE(appData ? "APPDATA empty" : "APPDATA unset");
        qputenv("USERPROFILE", QFile::encodeName(home));
        if (appData)
            qputenv("APPDATA", appData);
        else
            qunsetenv("APPDATA");
        const bool rootTreeBefore = QFileInfo::exists(QStringLiteral("/Quolt Software"));
        ResolveFolders();
        const QString root = home + QStringLiteral("/Quolt Software");
        EXPECT_EQ(G.UserRootFolder, root);
        EXPECT_EQ(G.DataFolder, root + QStringLiteral("/Vazazev"));
        EXPECT_EQ(G.SharedFolder, root + QStringLiteral("/Shared"));
        EXPECT_TRUE(isDir(G.DataFolder));
        EXPECT_TRUE(isDir(G.SharedFolder));
        EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/My Documents")));
        if (!rootTreeBefore) {
            EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/Quolt Software")));
        }
        EXPECT_TRUE(prompts.calls().isEmpty());
    }
}

TEST_F(FoldersTest, AFailedListingIsReportedAndResolutionGoesOn)
{
    // A folder that links to itself cannot be listed.
    const QString loop = tmp.filePath(QStringLiteral("loop"));
    ASSERT_TRUE(QFile::link(loop, loop));
    qputenv("USERPROFILE", QFile::encodeName(loop));
    QString result;
    ResolveUserFolder(result, QStringLiteral("/Quolt Software"), QStringLiteral("/Vazazev"));
    EXPECT_EQ(result, loop + QStringLiteral("/My Documents/Quolt Software"));
    const QStringList t = titles();
    EXPECT_GE(t.count(QStringLiteral("User Access Directory Error")), 2);
    EXPECT_GE(t.count(QStringLiteral("Unable to create directory.")), 2);
    for (const auto& c : prompts.callsOf(QStringLiteral("message")))
        EXPECT_FALSE(c.text.isEmpty());
}

TEST_F(FoldersTest, EnsureFolderMakesOneLevelAndReportsOnlyWhenAsked)
{
    EnsureFolder(QString(), 0);
    ASSERT_EQ(prompts.calls().size(), 1);
    EXPECT_EQ(prompts.calls()[0].text, QStringLiteral("Invalid Path"));
    EXPECT_EQ(prompts.calls()[0].title, QStringLiteral("Unable to Create Directory"));
    prompts.clear();

    const QString deep = tmp.filePath(QStringLiteral("missing/child"));
    EnsureFolder(deep, 0);
    EXPECT_FALSE(QFileInfo::exists(deep));
    EXPECT_TRUE(prompts.calls().isEmpty());
    EnsureFolder(deep, 1);
    EXPECT_FALSE(QFileInfo::exists(deep));
    ASSERT_EQ(prompts.calls().size(), 1);
    EXPECT_EQ(prompts.calls()[0].title, QStringLiteral("Unable to create directory."));
    EXPECT_TRUE(prompts.calls()[0].text.endsWith(QStringLiteral("  ") + deep));
    EXPECT_GT(prompts.calls()[0].text.size(), deep.size() + 2);
    prompts.clear();

    mk(QStringLiteral("BACKUP"));
    EnsureFolder(tmp.filePath(QStringLiteral("backup")), 1);
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath(QStringLiteral("backup"))));
    EnsureFolder(tmp.filePath(QStringLiteral("New")), 1);
    EXPECT_TRUE(isDir(tmp.filePath(QStringLiteral("New"))));
    EXPECT_TRUE(prompts.calls().isEmpty());
}

}   // namespace
