#include "EditorFixtures.h"

#include <ColourRules.h>
#include <EditorSession.h>
#include <FileSizeLimit.h>
#include <SetMaintenance.h>
#include <SymbolStorage.h>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGreen = qRgb(0, 160, 0);

// A session with a grid set "house" in the battles folder holding one terrain symbol and
// one unit symbol, opened on the unit.
struct SessionFixture : ::testing::Test {
    QTemporaryDir dir;
    EditorSession session;

    void SetUp() override {
        ASSERT_TRUE(QDir(dir.path()).mkdir("Battles"));
        SymbolSet made = NewTestSet(dir.path() + "/Battles", false);
        ASSERT_TRUE(AddSymbol(made, SymbolKind::Unit, "Pikes",
                              {QSize(4, 3), QSize(8, 6), QSize(12, 9)}, kWhite)
                        .ok);
        ASSERT_TRUE(SaveSetTo(made, made.setPath, dir.path() + "/Battles/house.set").ok);
        session.SetUp(dir.path());
    }

    void OpenUnit() {
        SetResult r;
        ASSERT_EQ(session.OpenSet(dir.path() + "/Battles/House", r),
                  EditorSession::OpenOutcome::Opened)
            << r.message.toStdString();
        const SymbolSelection before = session.BeginEditSymbols(2);
        session.selection.symbol = 1;
        session.selection.position = 1;
        ASSERT_TRUE(session.FinishEditSymbols(true, before).ok);
    }
};

} // namespace

TEST_F(SessionFixture, TypedNameWithoutExtensionOpensTheSetAndItsSymbol) {
    OpenUnit();
    EXPECT_EQ(session.windowCaption(), "Fieldmark Symbols: house");
    EXPECT_TRUE(session.symbolOpen());
    EXPECT_EQ(session.symbolName(), "Pikes");
    EXPECT_EQ(session.work.picture.size(), QSize(4, 3));
    EXPECT_EQ(session.cell, 72);
    EXPECT_EQ(session.zoomLabel(), "Zoom Level: 1");
    EXPECT_TRUE(session.controls.tools);
    EXPECT_FALSE(session.controls.drawHex); // units have no hex sides
    EXPECT_FALSE(session.controls.saveImage);
}

TEST_F(SessionFixture, MissingFileIsIgnoredAndAForeignFileLeavesTheOpenSet) {
    OpenUnit();
    SetResult r;
    EXPECT_EQ(session.OpenSet(dir.path() + "/Battles/nothing", r),
              EditorSession::OpenOutcome::Ignored);
    QFile junk(dir.path() + "/Battles/junk.set");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a set at all");
    junk.close();
    EXPECT_EQ(session.OpenSet(dir.path() + "/Battles/junk.set", r),
              EditorSession::OpenOutcome::Failed);
    EXPECT_EQ(r.message, "This Symbol Set is Not Readable.");
    EXPECT_TRUE(session.setOpen);
    EXPECT_EQ(session.set.baseName(), "house");
    EXPECT_TRUE(session.symbolOpen());
}

TEST_F(SessionFixture, AFailedOpenLeavesTheEditorExactlyAsItWas) {
    OpenUnit();
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {1, 1});
    session.tools.DrwGrdMouseUp({1, 1});
    ASSERT_TRUE(SaveSetTo(session.set, dir.path() + "/Battles/house.set",
                          dir.path() + "/Battles/missing.set")
                    .ok);
    session.set.setPath = dir.path() + "/Battles/house.set";
    ASSERT_TRUE(QFile::remove(dir.path() + "/Battles/missing-u2.bmp"));
    const QImage edited = session.work.picture.copy();
    SetResult r;
    EXPECT_EQ(session.OpenSet(dir.path() + "/Battles/missing.set", r),
              EditorSession::OpenOutcome::Failed);
    EXPECT_TRUE(r.message.startsWith("The symbol set you have selected"));
    EXPECT_EQ(session.CopyExistingSet(dir.path() + "/Battles/missing.set", r),
              EditorSession::OpenOutcome::Failed);
    EXPECT_FALSE(QFile::exists(dir.path() + "/new-u1.bmp")); // nothing was copied
    // The open set, its symbol, the edit and its flag are all still there.
    EXPECT_TRUE(session.setOpen);
    EXPECT_EQ(session.set.baseName(), "house");
    EXPECT_TRUE(session.symbolOpen());
    EXPECT_TRUE(session.controls.symbolMenus);
    EXPECT_TRUE(session.controls.tools);
    EXPECT_TRUE(session.dirty(2));
    EXPECT_EQ(session.work.picture, edited);
    EXPECT_EQ(session.ShouldSavePrompt(1)->question, "Save changes to symbol set house?");
}

TEST_F(SessionFixture, UndoAfterSaveMarksTheSymbolChangedAndRedoBackToTheStoredOneClears) {
    OpenUnit();
    session.tools.SetPrimary(kGreen);
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {0, 0});
    session.tools.DrwGrdMouseUp({0, 0});
    ASSERT_TRUE(session.SaveActiveImage().ok);
    ASSERT_FALSE(session.dirty(2));
    session.tools.UndoWrkClick();
    EXPECT_EQ(session.work.picture.pixel(0, 0), kWhite);
    EXPECT_TRUE(session.dirty(2));
    EXPECT_TRUE(session.controls.saveImage);
    EXPECT_TRUE(session.ShouldSavePrompt(1));
    ASSERT_TRUE(session.SaveActiveImage().ok); // the undone picture reaches the set
    LevelPictures stored;
    bool transparent = false;
    ASSERT_TRUE(LoadSymbol(session.set, SymbolKind::Unit, 1, stored, transparent).ok);
    EXPECT_EQ(stored[0].pixel(0, 0), kWhite);
    session.tools.RedoClick();
    EXPECT_TRUE(session.dirty(2)); // green again, and the set holds white
    session.tools.UndoWrkClick();
    EXPECT_FALSE(session.dirty(2)); // back to exactly what the set holds
    EXPECT_FALSE(session.controls.saveImage);
}

TEST_F(SessionFixture, ChangingTheZoomLevelKeepsEachLevelsHistory) {
    OpenUnit();
    session.tools.SetPrimary(kGreen);
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {0, 0});
    session.tools.DrwGrdMouseUp({0, 0});
    session.ZmLvPlsClick();
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {7, 5});
    session.tools.DrwGrdMouseUp({7, 5});
    session.ZmLvMinClick();
    session.tools.UndoWrkClick();
    EXPECT_EQ(session.work.picture.pixel(0, 0), kWhite);
    session.ZmLvPlsClick();
    EXPECT_EQ(session.work.picture.pixel(7, 5), kGreen);
    session.tools.UndoWrkClick();
    EXPECT_EQ(session.work.picture.pixel(7, 5), kWhite);
    EXPECT_FALSE(session.dirty(2));
}

TEST_F(SessionFixture, ARecoveryCopyComesBackAsUnsavedChangesThatSaveStores) {
    OpenUnit();
    session.tools.SetPrimary(kGreen);
    session.ZmLvPlsClick();
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {3, 3});
    session.tools.DrwGrdMouseUp({3, 3});
    EXPECT_TRUE(session.hasUnsavedSymbol());
    RecoveryCopy copy;
    ASSERT_TRUE(DecodeRecoveryCopy(EncodeRecoveryCopy(session.MakeRecoveryCopy()), copy));
    EXPECT_EQ(copy.symbolName, "Pikes");
    EXPECT_EQ(copy.zoomLevel, 2);

    EditorSession later;
    later.SetUp(dir.path());
    // The first session, still alive in this process, holds the set's lock.
    later.askLocked = [](const QString&) { return LockAnswer::OpenAnyway; };
    ASSERT_TRUE(later.RestoreRecoveryCopy(copy).ok);
    EXPECT_EQ(later.set.baseName(), "house");
    EXPECT_EQ(later.symbolName(), "Pikes");
    EXPECT_EQ(later.zoomLevel, 2);
    EXPECT_EQ(later.work.picture.pixel(3, 3), kGreen);
    EXPECT_TRUE(later.dirty(2));
    EXPECT_TRUE(later.controls.saveImage);
    later.tools.UndoWrkClick(); // the restore can be taken back
    EXPECT_EQ(later.work.picture.pixel(3, 3), kWhite);
    EXPECT_FALSE(later.dirty(2));
    later.tools.RedoClick();
    ASSERT_TRUE(later.SaveActiveImage().ok);
    LevelPictures stored;
    bool transparent = false;
    ASSERT_TRUE(LoadSymbol(later.set, SymbolKind::Unit, 1, stored, transparent).ok);
    EXPECT_EQ(stored[1].pixel(3, 3), kGreen);

    // A copy whose symbol is gone from the set is refused and leaves the set open.
    copy.symbolName = "Lances";
    const SetResult refused = later.RestoreRecoveryCopy(copy);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.message.contains("Lances"));
}

TEST_F(SessionFixture, SavePromptNamesTheSetAfterAnEdit) {
    OpenUnit();
    EXPECT_FALSE(session.ShouldSavePrompt(1));
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {1, 1});
    session.tools.DrwGrdMouseUp({1, 1});
    EXPECT_TRUE(session.dirty(2));
    EXPECT_TRUE(session.controls.saveImage);
    const auto set = session.ShouldSavePrompt(1);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->caption, "Save symbol set?");
    EXPECT_EQ(set->question, "Save changes to symbol set house?");
    EXPECT_EQ(session.ShouldSavePrompt(2)->question, "Save changes to symbol Pikes?");
}

TEST_F(SessionFixture, EditsSurviveZoomAndReachTheSetOnSave) {
    OpenUnit();
    session.tools.SetPrimary(kGreen);
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {0, 0});
    session.tools.DrwGrdMouseUp({0, 0});
    session.ZmLvPlsClick();
    EXPECT_EQ(session.work.picture.size(), QSize(8, 6));
    session.ZmLvMinClick();
    EXPECT_EQ(session.work.picture.pixel(0, 0), kGreen);
    ASSERT_TRUE(session.SaveActiveImage().ok);
    EXPECT_FALSE(session.dirty(2));

    SymbolSet reread;
    ASSERT_TRUE(reread.Read(dir.path() + "/Battles/house.set").ok);
    LevelPictures pictures;
    bool transparent = true;
    ASSERT_TRUE(LoadSymbol(reread, SymbolKind::Unit, 1, pictures, transparent).ok);
    EXPECT_EQ(pictures[0].pixel(0, 0), kGreen);
    EXPECT_FALSE(transparent);
}

TEST_F(SessionFixture, XImageOnAWhiteCorneredPictureMakesEveryWhitePixelTransparent) {
    OpenUnit();
    session.work.picture.setPixel(2, 1, kGreen);
    session.TransBoxClick(true);
    EXPECT_TRUE(session.transparent);
    EXPECT_TRUE(session.controls.setXColour);
    EXPECT_EQ(CountColour(session.work.picture, session.transparentColour), 11);
    EXPECT_EQ(session.work.picture.pixel(2, 1), kGreen);
    for (const QImage& level : session.levels)
        EXPECT_EQ(CountColour(level, kWhite), 0);

    // Stored with pure black where transparent, and a mask of its own.
    ASSERT_TRUE(session.SaveActiveImage().ok);
    EXPECT_EQ(session.set.record(SymbolKind::Unit, 1).maskIndex, 1);
    LevelPictures stored;
    bool transparent = false;
    ASSERT_TRUE(LoadSymbol(session.set, SymbolKind::Unit, 1, stored, transparent).ok);
    EXPECT_TRUE(transparent);
    EXPECT_EQ(CountColour(stored[0], qRgb(0, 0, 0)), 11);
    EXPECT_EQ(session.work.picture.pixel(0, 0), session.transparentColour);
}

TEST_F(SessionFixture, NewTransparentColourRecoloursAnOpenTransparentSymbol) {
    OpenUnit();
    session.TransBoxClick(true);
    const QRgb red = qRgb(255, 0, 0);
    session.SetTransparentColour(red);
    EXPECT_EQ(CountColour(session.work.picture, red), 12);
    EXPECT_EQ(ReadTransparentColour(dir.path()), red);
}

TEST_F(SessionFixture, SaveAsCopiesTheSetAndKeepsTheSymbolOpen) {
    OpenUnit();
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {3, 2});
    session.tools.DrwGrdMouseUp({3, 2});
    ASSERT_TRUE(session.SaveSetAs(dir.path() + "/Battles/Castle").ok);
    EXPECT_EQ(session.set.baseName(), "castle");
    EXPECT_TRUE(QFile::exists(dir.path() + "/Battles/castle-u1.bmp"));
    EXPECT_FALSE(session.ShouldSavePrompt(1)); // the edit went into the copy
    EXPECT_TRUE(session.controls.saveSet);
}

TEST_F(SessionFixture, NewSetIsPendingUntilSavedUnderAName) {
    session.hexSizes = {5, 15, 25};
    ASSERT_TRUE(session.CreateNewImageSet(LayoutVertical, true).ok);
    EXPECT_TRUE(QFile::exists(dir.path() + "/new.set"));
    EXPECT_TRUE(session.newSet);
    EXPECT_FALSE(session.controls.saveSet);
    const auto prompt = session.ShouldSavePrompt(1);
    ASSERT_TRUE(prompt);
    EXPECT_EQ(prompt->question, "Save NEW symbol set?");
    EXPECT_TRUE(session.YesMeansSaveAs(1));
    ASSERT_TRUE(session.SaveSetAs(dir.path() + "/Battles/plains.set").ok);
    EXPECT_FALSE(session.newSet);
    EXPECT_FALSE(session.ShouldSavePrompt(1));
}

TEST_F(SessionFixture, RealHexTerrainStaysBlackOutsideTheHexagon) {
    session.hexSizes = {5, 15, 25};
    ASSERT_TRUE(session.CreateNewImageSet(LayoutVertical, true).ok);
    const SymbolSelection before = session.BeginEditSymbols(1);
    session.selection.symbol = 1;
    ASSERT_TRUE(session.FinishEditSymbols(true, before).ok);
    session.tools.SetSecondary(kGreen);
    session.tools.ClrClick();
    session.RedrawGrid();
    EXPECT_EQ(session.work.picture.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(session.work.picture.pixel(2, 2), kGreen);
    EXPECT_TRUE(session.controls.drawHex);
}

TEST_F(SessionFixture, AFullDiskKeepsThePreferencesAndSaysSo) {
    ASSERT_TRUE(session.SetTransparentColour(qRgb(10, 20, 30)).ok);
    QFile prf(PreferencesPath(dir.path()));
    ASSERT_TRUE(prf.open(QIODevice::ReadOnly));
    const QByteArray old = prf.readAll();
    prf.close();
    SetResult result;
    {
        const FileSizeLimit fullDisk(2);
        result = session.SetTransparentColour(qRgb(200, 100, 50));
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("fmsymbol.prf"));
    ASSERT_TRUE(prf.open(QIODevice::ReadOnly));
    EXPECT_EQ(prf.readAll(), old);
    EXPECT_EQ(session.transparentColour, qRgb(200, 100, 50)); // the run goes on with it
}

TEST_F(SessionFixture, AFailedSaveLeavesTheSymbolUnsaved) {
    OpenUnit();
    session.tools.SetPrimary(kGreen);
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {0, 0});
    session.tools.DrwGrdMouseUp({0, 0});
    ASSERT_TRUE(session.dirty(2));
    SetResult result;
    {
        const FileSizeLimit fullDisk(10);
        result = session.SaveActiveImage();
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(session.dirty(2)); // still unsaved: leaving asks again
    SymbolSet read;
    EXPECT_TRUE(read.Read(dir.path() + "/Battles/house.set").ok);
}
