// The folder the programs work in: a program that sits in a program folder uses the current
// one as it is; an installed program uses the user's own folder, made from the installed
// stock data and kept in step with it without touching what the designer changed.
#include "ProgramFolderChoice.h"
#include "FileTree.h"
#include "StartArguments.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// An installation below prefix/ (bin/ and share/fieldmark/) and a directory to start in
// that is no program folder.
class Installed : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        stock = root.filePath("prefix/share/fieldmark");
        Put(stock + "/Battles/sample.scn", "battle v1");
        Put(stock + "/Battles/varnholm.set", "set v1");
        Put(stock + "/bmps/ketpal.bmp", "palette");
        Put(stock + "/help/fmbattle/index.html", "<html>");
        QDir().mkpath(root.filePath("prefix/bin"));
        QDir().mkpath(root.filePath("elsewhere"));
        around = {root.filePath("elsewhere"), root.filePath("prefix/bin"), root.filePath("data"),
                  root.filePath("home")};
    }
    QString User() const { return root.filePath("data/fieldmark"); }

    QTemporaryDir root;
    QString stock;
    FolderSurroundings around;
};

TEST_F(Installed, FirstStartMakesTheUserFolderFromTheStock) {
    const ProgramFolderChoice choice = ChooseProgramFolder(around);
    EXPECT_TRUE(choice.perUser);
    EXPECT_EQ(choice.folder, User());
    EXPECT_EQ(choice.stockFolder, stock);
    ASSERT_TRUE(choice.copy.ok) << qPrintable(choice.copy.error);
    const QStringList all = {"Battles/sample.scn", "Battles/varnholm.set", "bmps/ketpal.bmp",
                             "help/fmbattle/index.html"};
    EXPECT_EQ(choice.copy.copied, all);
    EXPECT_EQ(FilesBelow(User()), all + QStringList{kStockManifest}); // no temporary file left
    EXPECT_EQ(ParseStockManifest(ReadFileBytes(User() + "/" + kStockManifest)).keys(), all);
    EXPECT_EQ(ReadFileBytes(User() + "/Battles/sample.scn"), "battle v1");
    EXPECT_EQ(ReadFileBytes(User() + "/help/fmbattle/index.html"), "<html>");
    EXPECT_TRUE(IsProgramFolder(choice.folder));
}

TEST_F(Installed, LaterStartRefreshesUnchangedStockAndKeepsTheDesignersFiles) {
    ASSERT_TRUE(ChooseProgramFolder(around).copy.ok);
    Put(User() + "/Battles/sample.scn", "changed by the designer");
    Put(User() + "/Battles/mine.scn", "own battle");
    QFile::remove(User() + "/bmps/ketpal.bmp");
    // A later version: every stock file changed, one added.
    Put(stock + "/Battles/sample.scn", "battle v2");
    Put(stock + "/Battles/varnholm.set", "set v2");
    Put(stock + "/help/fmbattle/index.html", "<html v2>");
    Put(stock + "/wavs/fx00.wav", "sound");

    const ProgramFolderChoice again = ChooseProgramFolder(around);
    ASSERT_TRUE(again.copy.ok) << qPrintable(again.copy.error);
    EXPECT_EQ(again.copy.copied, QStringList({"bmps/ketpal.bmp", "wavs/fx00.wav"}));
    EXPECT_EQ(again.copy.refreshed,
              QStringList({"Battles/varnholm.set", "help/fmbattle/index.html"}));
    EXPECT_EQ(again.copy.kept, QStringList({"Battles/sample.scn"}));
    EXPECT_EQ(ReadFileBytes(User() + "/Battles/sample.scn"), "changed by the designer");
    EXPECT_EQ(ReadFileBytes(User() + "/Battles/varnholm.set"), "set v2");
    EXPECT_EQ(ReadFileBytes(User() + "/help/fmbattle/index.html"), "<html v2>");
    EXPECT_EQ(ReadFileBytes(User() + "/Battles/mine.scn"), "own battle");
    EXPECT_EQ(ReadFileBytes(User() + "/bmps/ketpal.bmp"), "palette");

    // The designer's change stays the designer's through every later version, and a file
    // refreshed once is refreshed again.
    Put(stock + "/Battles/sample.scn", "battle v3");
    Put(stock + "/Battles/varnholm.set", "set v3");
    const ProgramFolderChoice third = ChooseProgramFolder(around);
    EXPECT_EQ(third.copy.refreshed, QStringList({"Battles/varnholm.set"}));
    EXPECT_EQ(ReadFileBytes(User() + "/Battles/sample.scn"), "changed by the designer");
    EXPECT_EQ(ReadFileBytes(User() + "/Battles/varnholm.set"), "set v3");
}

TEST_F(Installed, FilesWithoutAManifestEntryAreTheDesigners) {
    // A folder from a version that kept no manifest, or one whose manifest was damaged: a
    // file that differs from the stock cannot be told from the designer's change.
    Put(User() + "/Battles/varnholm.set", "set v0 or the designer's");
    Put(User() + "/bmps/ketpal.bmp", "palette");
    Put(User() + "/" + kStockManifest, "not a manifest\n0123  bmps/ketpal.bmp\n");
    const ProgramFolderChoice choice = ChooseProgramFolder(around);
    ASSERT_TRUE(choice.copy.ok);
    EXPECT_EQ(choice.copy.kept, QStringList({"Battles/varnholm.set"}));
    EXPECT_TRUE(choice.copy.refreshed.isEmpty());
    EXPECT_EQ(ReadFileBytes(User() + "/Battles/varnholm.set"), "set v0 or the designer's");
    // A file equal to the stock is adopted: the next version may replace it.
    const StockManifest manifest = ParseStockManifest(ReadFileBytes(User() + "/" + kStockManifest));
    EXPECT_TRUE(manifest.contains("bmps/ketpal.bmp"));
    EXPECT_FALSE(manifest.contains("Battles/varnholm.set"));
    EXPECT_EQ(ParseStockManifest(FormatStockManifest(manifest)), manifest);
    Put(stock + "/bmps/ketpal.bmp", "palette v2");
    EXPECT_EQ(ChooseProgramFolder(around).copy.refreshed, QStringList({"bmps/ketpal.bmp"}));
}

TEST_F(Installed, ABattlesFolderInTheCurrentDirectoryDoesNotHijackAnInstalledProgram) {
    // Desktop launchers start programs in $HOME, where ~/Battles is the designer's own.
    QDir().mkpath(root.filePath("elsewhere/Battles"));
    const ProgramFolderChoice choice = ChooseProgramFolder(around);
    EXPECT_TRUE(choice.perUser);
    EXPECT_EQ(choice.folder, User());
    EXPECT_TRUE(QFileInfo::exists(User() + "/bmps/ketpal.bmp"));
}

TEST_F(Installed, AProgramInAProgramFolderUsesTheCurrentOneOrItsOwn) {
    // The build/app layout: the program beside "Battles" (any letter case counts).
    const QString app = root.filePath("app");
    QDir().mkpath(app + "/Battles");
    around.executableDir = app;
    QDir().mkpath(root.filePath("elsewhere/bATTLES"));
    ProgramFolderChoice choice = ChooseProgramFolder(around);
    EXPECT_FALSE(choice.perUser);
    EXPECT_EQ(choice.folder, root.filePath("elsewhere"));
    EXPECT_TRUE(choice.copy.copied.isEmpty());

    around.currentDir = root.filePath("prefix");
    choice = ChooseProgramFolder(around);
    EXPECT_FALSE(choice.perUser);
    EXPECT_EQ(choice.folder, app);
    EXPECT_FALSE(QFileInfo::exists(User())); // nothing written elsewhere
}

TEST_F(Installed, AFileNamedBattlesMakesNoProgramFolder) {
    Put(root.filePath("elsewhere/Battles"), "not a folder");
    EXPECT_FALSE(IsProgramFolder(root.filePath("elsewhere")));
    EXPECT_TRUE(ChooseProgramFolder(around).perUser);
}

TEST_F(Installed, WithoutStockTheUserFolderIsStillMade) {
    around.executableDir = root.filePath("elsewhere"); // a program not installed
    const ProgramFolderChoice choice = ChooseProgramFolder(around);
    EXPECT_TRUE(choice.copy.ok);
    EXPECT_TRUE(choice.stockFolder.isEmpty());
    EXPECT_TRUE(QFileInfo(User()).isDir());
    EXPECT_TRUE(FilesBelow(User()).isEmpty());
}

TEST_F(Installed, AFolderThatCannotBeMadeIsReported) {
    Put(root.filePath("data"), "a file where the data home should be");
    const ProgramFolderChoice choice = ChooseProgramFolder(around);
    EXPECT_FALSE(choice.copy.ok);
    EXPECT_TRUE(choice.copy.error.contains(User())) << qPrintable(choice.copy.error);
    EXPECT_TRUE(choice.copy.copied.isEmpty());
}

TEST(UserProgramFolder, FollowsAnAbsoluteDataHomeOnly) {
    EXPECT_EQ(UserProgramFolder("/x/data", "/home/d"), "/x/data/fieldmark");
    EXPECT_EQ(UserProgramFolder("", "/home/d"), "/home/d/.local/share/fieldmark");
    EXPECT_EQ(UserProgramFolder("relative/data", "/home/d"), "/home/d/.local/share/fieldmark");
    EXPECT_EQ(InstalledStockFolder("/usr/bin"), "/usr/share/fieldmark");
    EXPECT_EQ(InstalledStockFolder("/opt/fm/bin/"), "/opt/fm/share/fieldmark");
}

TEST(StartArguments, AcceptNothingOrOnePath) {
    const QString usage = "usage: fmbattle [BATTLE.scn]";
    StartArguments none = ParseStartArguments({"fmbattle"}, "/work", usage);
    EXPECT_TRUE(none.ok);
    EXPECT_TRUE(none.openPath.isEmpty());

    EXPECT_EQ(ParseStartArguments({"fmbattle", "Battles/a.scn"}, "/work", usage).openPath,
              "/work/Battles/a.scn");
    EXPECT_EQ(ParseStartArguments({"fmbattle", "../b.scn"}, "/work/x", usage).openPath,
              "/work/b.scn");
    EXPECT_EQ(ParseStartArguments({"fmbattle", "/data/c d.scn"}, "/work", usage).openPath,
              "/data/c d.scn");
}

TEST(StartArguments, RefuseMoreAndOptionsWithTheUsage) {
    const QString usage = "usage: fmsymbol [SET.set]";
    for (const QStringList& args :
         {QStringList{"fmsymbol", "a.set", "b.set"}, QStringList{"fmsymbol", "--zoom"},
          QStringList{"fmsymbol", ""}}) {
        const StartArguments parsed = ParseStartArguments(args, "/work", usage);
        EXPECT_FALSE(parsed.ok) << qPrintable(args.join(' '));
        EXPECT_TRUE(parsed.openPath.isEmpty());
        EXPECT_TRUE(parsed.error.endsWith(usage + "\n")) << qPrintable(parsed.error);
    }
    EXPECT_TRUE(ParseStartArguments({"fmsymbol", "--zoom"}, "/", usage).error.contains("--zoom"));
}

TEST(StartArguments, HelpVersionAndRefusalsAreAnsweredBeforeTheToolkitStarts) {
    const ProgramHelp help = {"fmsymbol", "usage: fmsymbol [SET.set]", "Draws sets.\n"};
    struct Case {
        QStringList raw;
        bool done;
        int status;
        const char* out; // contained in standard output ("" for none)
        const char* err; // contained in standard error
    };
    const Case cases[] = {
        {{"fmsymbol"}, false, 0, "", ""},
        {{"fmsymbol", "a.set"}, false, 0, "", ""},
        {{"fmsymbol", "--help"}, true, 0, "usage: fmsymbol [SET.set]\n\nDraws sets.", ""},
        {{"fmsymbol", "a.set", "-h"}, true, 0, "--version", ""},
        {{"fmsymbol", "--version"}, true, 0, "fmsymbol 1.", ""},
        {{"fmsymbol", "--bogus"}, true, 2, "", "Unknown option \"--bogus\".\nusage: fmsymbol"},
        {{"fmsymbol", "a.set", "b.set"}, true, 2, "", "usage: fmsymbol [SET.set]\n"},
        // The toolkit's options, with their values, are the toolkit's.
        {{"fmsymbol", "-platform", "offscreen", "a.set"}, false, 0, "", ""},
        {{"fmsymbol", "--style=fusion", "-reverse", "--display", ":3"}, false, 0, "", ""},
        {{"fmsymbol", "-platform", "offscreen", "-x"}, true, 2, "", "\"-x\""},
    };
    for (const Case& c : cases) {
        const EarlyAnswer answer = AnswerBeforeStart(c.raw, help);
        const QString line = c.raw.join(' ');
        EXPECT_EQ(answer.done, c.done) << qPrintable(line);
        EXPECT_EQ(answer.status, c.status) << qPrintable(line);
        EXPECT_EQ(answer.out.isEmpty(), !*c.out) << qPrintable(line);
        EXPECT_EQ(answer.err.isEmpty(), !*c.err) << qPrintable(line);
        EXPECT_TRUE(answer.out.contains(c.out)) << qPrintable(line + ": " + answer.out);
        EXPECT_TRUE(answer.err.contains(c.err)) << qPrintable(line + ": " + answer.err);
    }
}

} // namespace
