// The installation: `cmake --install` into a temporary DESTDIR, the tree it leaves, and the
// installed programs run from there, finding their stock data beside them.
#include "FileTree.h"
#include "MapPicture.h"
#include "ReferenceDrawing.h"

#include <QFile>
#include <QImageReader>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kApp = QStringLiteral(FM_APP_DIR);
// The programs the build installs: fmbattle, fmsymbol, fmrender, and fmcheck when built.
const QStringList kPrograms = QStringLiteral(FM_INSTALLED_PROGRAMS).split(',');

struct ProgramRun {
    int status = -1;
    QString out, err;
};

// Runs `program` with no display at all and no platform chosen: what --help and --version
// must survive.
ProgramRun RunWithoutDisplay(const QString& program, const QStringList& arguments,
                             const QString& home) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("HOME", home);
    environment.insert("XDG_DATA_HOME", home + "/data");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// Runs a checker found on this machine on `arguments`; false with its output when it
// complains. A checker that is not installed passes with a note.
bool CheckedBy(const char* tool, const QStringList& arguments, QString& said) {
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty()) {
        std::printf("%s is not installed: not run\n", tool);
        return true;
    }
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(path, arguments);
    if (!check.waitForFinished(60000))
        return false;
    said = QString::fromLocal8Bit(check.readAll());
    return check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0;
}

QProcessEnvironment Headless(const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("HOME", home);
    environment.insert("XDG_DATA_HOME", home + "/data");
    environment.insert("XDG_STATE_HOME", home + "/state");
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    return environment;
}

// One installation for every test of the program.
class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        destination = std::make_unique<QTemporaryDir>();
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", destination->path());
        install.setProcessEnvironment(environment);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(FM_CMAKE_COMMAND, {"--install", FM_BUILD_DIR, "--prefix", "/usr"});
        install.waitForFinished(120000);
        installLog = QString::fromLocal8Bit(install.readAll());
        installed = install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
    }
    static void TearDownTestSuite() { destination.reset(); }
    void SetUp() override { ASSERT_TRUE(installed) << qPrintable(installLog); }

    static QString Usr(const QString& relative) { return destination->path() + "/usr/" + relative; }
    static QString Stock() { return Usr("share/fieldmark"); }

    static inline std::unique_ptr<QTemporaryDir> destination;
    static inline QString installLog;
    static inline bool installed = false;
};

TEST_F(Installed, PutsTheProgramsInBinEachWithAManualPage) {
    for (const QString& program : kPrograms) {
        const QFileInfo info(Usr("bin/" + program));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << qPrintable(program);
        // Compressed as Debian wants it, and read by man without a complaint.
        const QString page = Usr("share/man/man1/" + program + ".1.gz");
        EXPECT_TRUE(ReadFileBytes(page).startsWith("\x1f\x8b")) << qPrintable(page);
        QString said;
        EXPECT_TRUE(CheckedBy("man", {"--warnings", "-l", page}, said)) << qPrintable(said);
        EXPECT_TRUE(said.startsWith(program + "(1)")) << qPrintable(said.left(200));
        EXPECT_FALSE(said.contains("warning")) << qPrintable(said);
    }
    EXPECT_EQ(QDir(Usr("bin")).entryList(QDir::Files).size(), kPrograms.size());
    EXPECT_EQ(QDir(Usr("share/man/man1")).entryList(QDir::Files).size(), kPrograms.size());
}

TEST_F(Installed, EveryProgramAnswersHelpAndVersionWithoutADisplay) {
    QTemporaryDir home;
    for (const QString& program : kPrograms) {
        const QString path = Usr("bin/" + program);
        ProgramRun run = RunWithoutDisplay(path, {"--help"}, home.path());
        EXPECT_EQ(run.status, 0) << qPrintable(program + ": " + run.err);
        EXPECT_TRUE(run.out.contains("usage: " + program)) << qPrintable(run.out);
        EXPECT_TRUE(run.out.contains("--version")) << qPrintable(run.out);
        run = RunWithoutDisplay(path, {"--version"}, home.path());
        EXPECT_EQ(run.status, 0) << qPrintable(program + ": " + run.err);
        EXPECT_EQ(run.out, program + " " + FM_VERSION + "\n");
        EXPECT_TRUE(run.err.isEmpty()) << qPrintable(run.err); // no toolkit warnings either
        run = RunWithoutDisplay(path, {"--no-such-option"}, home.path());
        EXPECT_EQ(run.status, 2) << qPrintable(program + ": " + run.err);
        EXPECT_TRUE(run.err.contains("usage: " + program)) << qPrintable(run.err);
        EXPECT_TRUE(run.out.isEmpty()) << qPrintable(run.out);
    }
    // Nothing was started: no user folder was made.
    EXPECT_FALSE(QFileInfo::exists(home.filePath("data/fieldmark")));
}

TEST_F(Installed, PutsTheStockDataOfTheProgramFolderUnderShare) {
    // The folders only generators write are installed whole; of Battles, the stock set and
    // the sample battle. Nothing a run leaves in the program folder is taken.
    QStringList expected;
    for (const char* folder : {"bmps", "icons", "defs", "wavs", "help"})
        for (const QString& file : FilesBelow(kApp + "/" + folder))
            expected << QString(folder) + "/" + file;
    expected << "Battles/sample.scn"
             << "Battles/varnholm.set"
             << "Battles/varnholm.sdx";
    for (const char* kind : {"t", "u", "m"})
        for (int level = 1; level <= 3; ++level)
            expected << QString("Battles/varnholm-%1%2.bmp").arg(kind).arg(level);
    expected.sort();
    EXPECT_EQ(FilesBelow(Stock()), expected);
    for (const QString& file : expected)
        EXPECT_EQ(ReadFileBytes(Stock() + "/" + file), ReadFileBytes(kApp + "/" + file))
            << qPrintable(file);
    EXPECT_GE(expected.filter("icons/").size(), 8);
    EXPECT_EQ(expected.filter("wavs/").size(), 14);
    EXPECT_EQ(expected.filter("defs/").size(), 4);
}

TEST_F(Installed, OffersBothProgramsInTheDesktopMenusAndSoftwareCentres) {
    const struct {
        const char* program;
        const char* type; // the file type it opens
    } editors[] = {{"fmbattle", "application/x-fieldmark-battle"},
                   {"fmsymbol", "application/x-fieldmark-symbol-set"}};
    for (const auto& [program, type] : editors) {
        const QString id = QString("org.fieldmark.") + program;
        const QString entry = Usr("share/applications/" + id + ".desktop");
        const QStringList lines = QString::fromUtf8(ReadFileBytes(entry)).split('\n');
        EXPECT_EQ(lines.value(0), "[Desktop Entry]") << program;
        for (const QString& line :
             {QString("Exec=%1 %f").arg(program), QString("Icon=%1").arg(program),
              QString("StartupWMClass=%1").arg(program), QString("MimeType=%1;").arg(type),
              QString("StartupNotify=true"), QString("Type=Application")})
            EXPECT_TRUE(lines.contains(line)) << program << ": " << qPrintable(line);
        QString said;
        EXPECT_TRUE(CheckedBy("desktop-file-validate", {entry}, said)) << qPrintable(said);
        // The AppStream description names the entry, the programs and the file type.
        const QString metainfo = Usr("share/metainfo/" + id + ".metainfo.xml");
        const QString text = QString::fromUtf8(ReadFileBytes(metainfo));
        EXPECT_TRUE(text.contains("<id>" + id + "</id>")) << qPrintable(metainfo);
        EXPECT_TRUE(text.contains(">" + id + ".desktop</launchable>")) << qPrintable(metainfo);
        EXPECT_TRUE(text.contains(QString("<binary>%1</binary>").arg(program)));
        EXPECT_TRUE(text.contains(QString("<mediatype>%1</mediatype>").arg(type)));
        EXPECT_TRUE(
            CheckedBy("appstreamcli", {"validate", "--no-net", "--pedantic", metainfo}, said))
            << qPrintable(said);
    }
}

TEST_F(Installed, ShipsTheCopyrightAndTheChangelog) {
    const QString doc = Usr("share/doc/fieldmark/");
    EXPECT_TRUE(ReadFileBytes(doc + "copyright")
                    .startsWith("Format: https://www.debian.org/doc/packaging-manuals/"
                                "copyright-format/1.0/"));
    EXPECT_TRUE(ReadFileBytes(doc + "changelog.gz").startsWith("\x1f\x8b"));
}

// The file types as a desktop resolves them: the installed types in a MIME database of their
// own, beside another program's type that claims "*.scn" and "*.set" too, as the shared
// database on a real desktop may hold. Each file goes to its own program by its first bytes.
TEST_F(Installed, TellsBattlesAndSetsFromOtherProgramsFilesOfTheSameName) {
    QTemporaryDir share;
    const QString packages = share.filePath("mime/packages");
    ASSERT_TRUE(QDir().mkpath(packages));
    ASSERT_TRUE(QFile::copy(Usr("share/mime/packages/fieldmark.xml"), packages + "/fieldmark.xml"));
    QFile other(packages + "/other.xml");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("<?xml version=\"1.0\"?>\n"
                "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                "<mime-type type=\"model/x-other-scene\"><glob pattern=\"*.scn\"/>"
                "<glob pattern=\"*.set\"/></mime-type>\n</mime-info>\n");
    other.close();
    QString said;
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    ASSERT_TRUE(CheckedBy("update-mime-database", {share.filePath("mime")}, said))
        << qPrintable(said);
    qputenv("XDG_DATA_HOME", share.filePath("nothing").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", share.path().toLocal8Bit());

    const QString battle = Stock() + "/Battles/sample.scn";
    const QString set = Stock() + "/Battles/varnholm.set";
    QTemporaryDir files;
    const QString scene = files.filePath("scene.scn");
    const QString settings = files.filePath("printer.set");
    for (const QString& path : {scene, settings}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\x7fSCENE binary of another program\n");
    }
    const QMimeDatabase types;
    EXPECT_EQ(types.mimeTypeForFile(battle).name(), "application/x-fieldmark-battle");
    EXPECT_EQ(types.mimeTypeForFile(set).name(), "application/x-fieldmark-symbol-set");
    EXPECT_EQ(types.mimeTypeForFile(scene).name(), "model/x-other-scene");
    EXPECT_EQ(types.mimeTypeForFile(settings).name(), "model/x-other-scene");
    EXPECT_EQ(types.mimeTypeForFile(battle).iconName(), "fmbattle");
    EXPECT_EQ(types.mimeTypeForFile(set).iconName(), "fmsymbol");
}

TEST_F(Installed, DrawsTheIconsAtThreeSizes) {
    for (int size : {48, 128, 256})
        for (const char* program : {"fmbattle", "fmsymbol"}) {
            const QString path =
                Usr(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(program));
            QImageReader reader(path);
            EXPECT_EQ(reader.format(), "png") << qPrintable(path);
            const QImage icon = reader.read();
            EXPECT_EQ(icon.size(), QSize(size, size)) << qPrintable(path);
            // Something drawn, and a ground a desktop shows through where nothing is.
            const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
            int opaque = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    opaque += qAlpha(argb.pixel(x, y)) == 255;
            EXPECT_GT(opaque, size * size / 3) << qPrintable(path);
            if (QString(program) == "fmbattle") {
                EXPECT_EQ(qAlpha(argb.pixel(0, 0)), 0) << qPrintable(path);
            }
        }
}

TEST_F(Installed, FmRenderDrawsTheSampleBattleAsTheMapViewDoes) {
    QTemporaryDir elsewhere; // no program folder: everything is found beside the program
    const QString battle = Stock() + "/Battles/sample.scn";
    for (int zoom : {0, 1}) {
        const QString out = elsewhere.filePath(QString("sample%1.png").arg(zoom));
        QProcess render;
        render.setWorkingDirectory(elsewhere.path());
        render.setProcessEnvironment(Headless(elsewhere.path()));
        render.start(Usr("bin/fmrender"), {battle, out, "--zoom", QString::number(zoom)});
        ASSERT_TRUE(render.waitForFinished(120000));
        const QString errors = QString::fromLocal8Bit(render.readAllStandardError());
        ASSERT_EQ(render.exitCode(), 0) << qPrintable(errors);
        EXPECT_FALSE(errors.contains("fmrender")) << qPrintable(errors); // the palette was found
        const QImage expected = OneViewDrawingOfFile(battle, Stock(), zoom, DisplayPrefs{});
        ASSERT_FALSE(expected.isNull());
        const QImage written = QImage(out).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(written.size(), expected.size()) << "zoom " << zoom;
        EXPECT_TRUE(written == expected) << "zoom " << zoom;
    }
}

// Installed straight into a prefix (no DESTDIR, as `make install` does), the desktop entry,
// file type and icon caches are made there, so menus and file managers see the programs.
TEST(InstalledWithoutDestdir, RefreshesTheDesktopCaches) {
    QTemporaryDir prefix;
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DESTDIR");
    install.setProcessEnvironment(environment);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(FM_CMAKE_COMMAND, {"--install", FM_BUILD_DIR, "--prefix", prefix.path()});
    ASSERT_TRUE(install.waitForFinished(120000));
    const QString log = QString::fromLocal8Bit(install.readAll());
    ASSERT_EQ(install.exitCode(), 0) << qPrintable(log);
    const struct {
        const char* tool;
        const char* cache;
    } caches[] = {{"update-desktop-database", "share/applications/mimeinfo.cache"},
                  {"update-mime-database", "share/mime/mime.cache"},
                  {"gtk-update-icon-cache", "share/icons/hicolor/icon-theme.cache"}};
    for (const auto& [tool, cache] : caches) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            std::printf("%s is not installed: its cache is not checked\n", tool);
            continue;
        }
        EXPECT_TRUE(QFileInfo(prefix.filePath(cache)).isFile()) << cache << "\n" << qPrintable(log);
    }
    const QString mimeinfo = QString::fromUtf8(ReadFileBytes(prefix.filePath(caches[0].cache)));
    if (!QStandardPaths::findExecutable(caches[0].tool).isEmpty()) {
        EXPECT_TRUE(
            mimeinfo.contains("application/x-fieldmark-battle=org.fieldmark.fmbattle.desktop"))
            << qPrintable(mimeinfo);
    }
}

// Starts an installed program offscreen in `cwd`, waits until `file` exists (at most 60
// seconds) and ends it. False when the file never came.
bool StartUntil(const QString& program, const QString& home, const QString& cwd,
                const QString& file) {
    QProcess process;
    QProcessEnvironment environment = Headless(home);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(cwd);
    process.start(program, {});
    if (!process.waitForStarted(30000))
        return false;
    bool seen = false;
    for (int wait = 0; wait < 600 && !seen && process.state() == QProcess::Running; ++wait) {
        QThread::msleep(100);
        seen = QFileInfo::exists(file);
    }
    process.kill();
    process.waitForFinished(10000);
    return seen || QFileInfo::exists(file);
}

TEST_F(Installed, ProgramsMakeTheUserFolderAndKeepWhatTheDesignerChanged) {
    QTemporaryDir home;
    // Started in $HOME as a desktop launcher starts it, beside the designer's own
    // ~/Battles: still the user's folder.
    QDir().mkpath(home.filePath("Battles"));
    QDir().mkpath(home.filePath("elsewhere"));
    const QString user = home.filePath("data/fieldmark");
    // Files are copied in sorted order, the manifest last: it says the copy is complete.
    const QStringList stock = FilesBelow(Stock());
    ASSERT_TRUE(StartUntil(Usr("bin/fmbattle"), home.path(), home.path(), user + "/stock.sha256"));
    EXPECT_TRUE(FilesBelow(home.filePath("Battles")).isEmpty());
    for (const QString& file : stock)
        EXPECT_EQ(ReadFileBytes(user + "/" + file), ReadFileBytes(Stock() + "/" + file))
            << qPrintable(file);

    QFile changed(user + "/Battles/sample.scn");
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly | QIODevice::Truncate));
    changed.write("the designer's own");
    changed.close();
    ASSERT_TRUE(QFile::remove(user + "/wavs/fx05.wav"));
    // The symbol editor chooses its folder the same way.
    ASSERT_TRUE(StartUntil(Usr("bin/fmsymbol"), home.path(), home.filePath("elsewhere"),
                           user + "/wavs/fx05.wav"));
    EXPECT_EQ(ReadFileBytes(user + "/Battles/sample.scn"), "the designer's own");
    EXPECT_EQ(ReadFileBytes(user + "/wavs/fx05.wav"), ReadFileBytes(Stock() + "/wavs/fx05.wav"));
}

} // namespace
