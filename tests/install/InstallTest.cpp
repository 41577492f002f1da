// The installation: `cmake --install` into a temporary DESTDIR, the tree it leaves, and the
// installed programs run from there, finding their stock data beside them.
#include "FileTree.h"
#include "MapPicture.h"
#include "ReferenceDrawing.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kApp = QStringLiteral(FM_APP_DIR);

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

TEST_F(Installed, PutsTheFourProgramsInBin) {
    for (const char* program : {"fmbattle", "fmsymbol", "fmrender", "fmcheck"}) {
        const QFileInfo info(Usr(QString("bin/") + program));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    EXPECT_EQ(QDir(Usr("bin")).entryList(QDir::Files).size(), 4);
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

TEST_F(Installed, OffersBothProgramsInTheDesktopMenus) {
    const QString applications = Usr("share/applications");
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    for (const char* program : {"fmbattle", "fmsymbol"}) {
        const QString entry = applications + "/" + program + ".desktop";
        const QStringList lines = QString::fromUtf8(ReadFileBytes(entry)).split('\n');
        EXPECT_EQ(lines.value(0), "[Desktop Entry]") << program;
        EXPECT_TRUE(lines.contains(QString("Exec=%1 %f").arg(program))) << program;
        EXPECT_TRUE(lines.contains(QString("Icon=%1").arg(program))) << program;
        EXPECT_TRUE(lines.contains("Type=Application"));
        if (!validator.isEmpty()) {
            QProcess validate;
            validate.setProcessChannelMode(QProcess::MergedChannels);
            validate.start(validator, {entry});
            ASSERT_TRUE(validate.waitForFinished(30000));
            EXPECT_EQ(validate.exitCode(), 0) << qPrintable(QString(validate.readAll()));
        }
    }
    const QStringList battle =
        QString::fromUtf8(ReadFileBytes(applications + "/fmbattle.desktop")).split('\n');
    EXPECT_TRUE(battle.contains("MimeType=application/x-fieldmark-battle;"));
    if (validator.isEmpty())
        std::puts("desktop-file-validate is not installed: entries checked by their keys only");
}

TEST_F(Installed, DeclaresTheBattleFileType) {
    const QString path = Usr("share/mime/packages/fieldmark.xml");
    QXmlStreamReader xml(ReadFileBytes(path));
    QString type;
    QStringList globs;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("mime-info")) {
            EXPECT_EQ(xml.namespaceUri(),
                      QLatin1String("http://www.freedesktop.org/standards/shared-mime-info"));
        }
        if (xml.name() == QLatin1String("mime-type"))
            type = xml.attributes().value("type").toString();
        if (xml.name() == QLatin1String("glob"))
            globs << xml.attributes().value("pattern").toString();
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    EXPECT_EQ(type, "application/x-fieldmark-battle");
    EXPECT_EQ(globs, QStringList{"*.scn"});
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

TEST_F(Installed, FmCheckFindsTheDefinitionsAndIconsOfTheInstallation) {
    QTemporaryDir elsewhere;
    QProcess check;
    check.setWorkingDirectory(elsewhere.path());
    check.setProcessEnvironment(Headless(elsewhere.path()));
    check.start(Usr("bin/fmcheck"), {Stock() + "/Battles/sample.scn"});
    ASSERT_TRUE(check.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(check.readAllStandardError());
    EXPECT_EQ(check.exitCode(), 0) << qPrintable(errors);
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors);
    EXPECT_FALSE(QString::fromLocal8Bit(check.readAllStandardOutput()).contains(": error:"));
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
    QDir().mkpath(home.filePath("elsewhere"));
    const QString user = home.filePath("data/fieldmark");
    // Files are copied in sorted order: the last one says the copy is complete.
    const QStringList stock = FilesBelow(Stock());
    ASSERT_TRUE(StartUntil(Usr("bin/fmbattle"), home.path(), home.filePath("elsewhere"),
                           user + "/" + stock.last()));
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
