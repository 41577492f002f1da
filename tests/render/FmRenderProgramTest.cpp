// fmrender run as a program, as build scripts run it: without a display, with clear
// messages and an exit status for every way it can fail.
#include "HeadlessRun.h"
#include "ReferenceDrawing.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct RenderRun {
    int status = -1;
    QString errors;
};

RenderRun RunRender(const QStringList& arguments) {
    const HeadlessRun run = RunHeadless(FM_RENDER_PROGRAM, arguments);
    return {run.status, run.errors};
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
    EXPECT_TRUE(run.errors.contains("cannot be read") && run.errors.contains("damaged.scn"))
        << qPrintable(run.errors);

    // The whole battle, but no set beside it.
    ASSERT_TRUE(QFile::copy(kSample, dir.filePath("alone.scn")));
    run = RunRender({dir.filePath("alone.scn"), out});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains("symbol set \"varnholm\"")) << qPrintable(run.errors);
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(FmRender, ReportsAPictureItCannotWrite) {
    const RenderRun run = RunRender({kSample, dir.filePath("no/such/folder/map.png")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains("no/such/folder/map.png")) << qPrintable(run.errors);
}

} // namespace
