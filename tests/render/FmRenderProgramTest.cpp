// fmrender run as a program, as build scripts run it: without a display, with clear
// messages and an exit status for every way it can fail.
#include "FileTree.h"
#include "ReferenceDrawing.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct RenderRun {
    int status = -1;
    QString errors;
    QByteArray output; // standard output
};

RenderRun RunRender(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    // No user folder with a set of its own: only the folders the test makes count.
    static QTemporaryDir noUser;
    environment.insert("XDG_DATA_HOME", noUser.filePath("data"));
    environment.insert("HOME", noUser.path());
    process.setProcessEnvironment(environment);
    process.start(FM_RENDER_PROGRAM, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError()), process.readAllStandardOutput()};
}

const QString kFolder = QStringLiteral(FM_TEST_PROGRAM_FOLDER);
const QString kSample = kFolder + "/Battles/sample.scn";

class FmRender : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
};

TEST_F(FmRender, DrawsTheSampleBattleAsTheMapViewDoes) {
    for (int zoom : {0, 2}) {
        const QString out = dir.filePath(QString("sample%1.png").arg(zoom));
        const RenderRun run = RunRender({kSample, out, "--zoom", QString::number(zoom)});
        ASSERT_EQ(run.status, 0) << qPrintable(run.errors);
        EXPECT_TRUE(run.errors.isEmpty()) << qPrintable(run.errors); // not a toolkit note
        const QImage expected = OneViewDrawingOfFile(kSample, kFolder, zoom, DisplayPrefs{});
        ASSERT_FALSE(expected.isNull());
        const QImage written = QImage(out).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(written.size(), expected.size());
        EXPECT_TRUE(written == expected) << "zoom " << zoom;
    }
}

TEST_F(FmRender, LeavesOutTextsAndOverlayWhenAsked) {
    const QString out = dir.filePath("bare.png");
    const RenderRun run = RunRender({"--no-text", kSample, out, "--no-overlay", "--zoom", "1"});
    ASSERT_EQ(run.status, 0) << qPrintable(run.errors);
    DisplayPrefs bare;
    bare.showMapText = false;
    bare.showOverlay = false;
    const QImage expected = OneViewDrawingOfFile(kSample, kFolder, 1, bare);
    EXPECT_TRUE(QImage(out).convertToFormat(QImage::Format_RGB32) == expected);
    EXPECT_FALSE(expected == OneViewDrawingOfFile(kSample, kFolder, 1, DisplayPrefs{}));
}

TEST_F(FmRender, RefusesABadCommandLineWithTheUsage) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{kSample}, QStringList{kSample, "x.png", "--zoom", "5"},
          QStringList{kSample, "x.png", "--fast"}}) {
        const RenderRun run = RunRender(arguments);
        EXPECT_EQ(run.status, 2) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.errors.contains("usage: fmrender BATTLE.scn OUT.png"))
            << qPrintable(run.errors);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
}

TEST_F(FmRender, ExplainsABattleOrSetItCannotRead) {
    const QString out = dir.filePath("never.png");
    RenderRun run = RunRender({dir.filePath("missing.scn"), out});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains("missing.scn") && run.errors.contains("does not exist"))
        << qPrintable(run.errors);

    const QString damaged = dir.filePath("damaged.scn");
    QFile original(kSample);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QFile cut(damaged);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(original.read(300)); // ends early
    cut.close();
    run = RunRender({damaged, out});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains("is damaged") && run.errors.contains("damaged.scn"))
        << qPrintable(run.errors);
    EXPECT_FALSE(run.errors.contains("Could not open")) << qPrintable(run.errors);

    // The whole battle, but no set beside it nor anywhere else looked in.
    ASSERT_TRUE(QFile::copy(kSample, dir.filePath("alone.scn")));
    run = RunRender({dir.filePath("alone.scn"), out});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains("symbol set \"varnholm\"") && run.errors.contains("missing"))
        << qPrintable(run.errors);
    EXPECT_TRUE(run.errors.contains(dir.path())) << qPrintable(run.errors); // where it looked
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(FmRender, ReportsAPictureItCannotWrite) {
    const RenderRun run = RunRender({kSample, dir.filePath("no/such/folder/map.png")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains("no/such/folder/map.png")) << qPrintable(run.errors);
}

TEST_F(FmRender, WritesTheFormatItsNameAsksForOrPngToStandardOutput) {
    const QImage expected = OneViewDrawingOfFile(kSample, kFolder, 0, DisplayPrefs{});
    ASSERT_FALSE(expected.isNull());
    const QString bmp = dir.filePath("sample.BMP");
    RenderRun run = RunRender({kSample, bmp});
    ASSERT_EQ(run.status, 0) << qPrintable(run.errors);
    EXPECT_TRUE(ReadFileBytes(bmp).startsWith("BM"));
    EXPECT_TRUE(QImage(bmp).convertToFormat(QImage::Format_RGB32) == expected);

    const QString jpeg = dir.filePath("sample.jpg");
    run = RunRender({kSample, jpeg});
    ASSERT_EQ(run.status, 0) << qPrintable(run.errors);
    EXPECT_TRUE(ReadFileBytes(jpeg).startsWith("\xff\xd8"));
    EXPECT_EQ(QImage(jpeg).size(), expected.size());

    run = RunRender({kSample, "-"});
    ASSERT_EQ(run.status, 0) << qPrintable(run.errors);
    EXPECT_TRUE(run.errors.isEmpty()) << qPrintable(run.errors);
    QImage piped;
    ASSERT_TRUE(piped.loadFromData(run.output, "png"));
    EXPECT_TRUE(piped.convertToFormat(QImage::Format_RGB32) == expected);
}

TEST_F(FmRender, NeverReplacesABattleOrASet) {
    const QString battle = dir.filePath("ford.scn");
    ASSERT_TRUE(QFile::copy(kSample, battle));
    const QByteArray before = ReadFileBytes(battle);
    for (const QString& output :
         {battle, dir.filePath("other.scn"), dir.filePath("varnholm.set"), dir.filePath("map.gif")}) {
        const RenderRun run = RunRender({battle, output});
        EXPECT_EQ(run.status, 2) << qPrintable(output);
        EXPECT_TRUE(run.errors.contains(output) && run.errors.contains("usage: fmrender"))
            << qPrintable(run.errors);
    }
    EXPECT_EQ(ReadFileBytes(battle), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"ford.scn"});
}

} // namespace
