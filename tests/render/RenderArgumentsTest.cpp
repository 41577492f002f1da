// fmrender's command line: two paths and the three options, anything else refused.
#include "RenderArguments.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(RenderArguments, TakeTwoPathsAndTheOptionsInAnyOrder) {
    const RenderRequest plain = ParseRenderArguments({"a.scn", "out.png"});
    ASSERT_TRUE(plain.ok);
    EXPECT_EQ(plain.battlePath, "a.scn");
    EXPECT_EQ(plain.outputPath, "out.png");
    EXPECT_EQ(plain.zoom, 0);
    EXPECT_TRUE(plain.showMapText);
    EXPECT_TRUE(plain.showOverlay);

    const RenderRequest all =
        ParseRenderArguments({"--no-overlay", "a.scn", "--zoom", "2", "out.png", "--no-text"});
    ASSERT_TRUE(all.ok) << qPrintable(all.error);
    EXPECT_EQ(all.battlePath, "a.scn");
    EXPECT_EQ(all.outputPath, "out.png");
    EXPECT_EQ(all.zoom, 2);
    EXPECT_FALSE(all.showMapText);
    EXPECT_FALSE(all.showOverlay);
    EXPECT_EQ(ParseRenderArguments({"a.scn", "out.png", "--zoom=1"}).zoom, 1);
}

TEST(RenderArguments, RefuseWhatTheyDoNotKnow) {
    const struct {
        QStringList arguments;
        const char* named; // a word the message must hold
    } cases[] = {
        {{}, "needed"},
        {{"a.scn"}, "needed"},
        {{"a.scn", "b.png", "c.png"}, "Only one"},
        {{"a.scn", "b.png", "--zoom"}, "--zoom"},
        {{"a.scn", "b.png", "--zoom", "3"}, "\"3\""},
        {{"a.scn", "b.png", "--zoom", "x"}, "\"x\""},
        {{"a.scn", "b.png", "--zoom=-1"}, "\"-1\""},
        {{"a.scn", "b.png", "--text"}, "\"--text\""},
        {{"a.scn", ""}, "empty"},
    };
    for (const auto& c : cases) {
        const RenderRequest r = ParseRenderArguments(c.arguments);
        EXPECT_FALSE(r.ok) << qPrintable(c.arguments.join(' '));
        EXPECT_TRUE(r.error.contains(c.named)) << qPrintable(r.error);
    }
}

TEST(RenderArguments, TakeThePicturesFormatFromItsNameAndGuardBattlesAndSets) {
    QTemporaryDir dir;
    const QString battle = dir.filePath("ford.scn");
    QFile(battle).open(QIODevice::WriteOnly);
    const struct {
        QString output;
        bool ok;
        PictureFormat format;
    } cases[] = {
        {"map.png", true, PictureFormat::Png},   {"MAP.PNG", true, PictureFormat::Png},
        {"map.bmp", true, PictureFormat::Bmp},   {"map.jpg", true, PictureFormat::Jpeg},
        {"map.JPEG", true, PictureFormat::Jpeg}, {"-", true, PictureFormat::Png},
        {"map.gif", false, {}},                  {"map", false, {}},
        {"other.scn", false, {}},                {"varnholm.set", false, {}},
        {"VARNHOLM.SET", false, {}},             {battle, false, {}},
        {dir.path() + "/./ford.scn", false, {}},
    };
    for (const auto& c : cases) {
        const RenderRequest r = ParseRenderArguments({battle, c.output});
        EXPECT_EQ(r.ok, c.ok) << qPrintable(c.output + ": " + r.error);
        if (c.ok)
            EXPECT_EQ(r.format, c.format) << qPrintable(c.output);
        else
            EXPECT_TRUE(r.error.contains(c.output)) << qPrintable(r.error);
    }
    // A picture named like the battle, reached through a link, is the battle.
    const QString link = dir.filePath("ford.png");
    ASSERT_TRUE(QFile::link(battle, link));
    EXPECT_FALSE(ParseRenderArguments({battle, link}).ok);
    EXPECT_FALSE(ParseRenderArguments({link, battle}).ok);
    // --help and --version answer whatever else is given.
    EXPECT_TRUE(ParseRenderArguments({"a.scn", "--help", "b.gif"}).help);
    EXPECT_TRUE(ParseRenderArguments({"--version"}).version);
}

} // namespace
