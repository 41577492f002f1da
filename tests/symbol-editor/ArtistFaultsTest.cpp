// Faults an artist met while making a set: strokes cut by undo or a level change, a colour
// grab that marked the symbol changed, histories lost on opening another symbol, a paste
// that could not be taken back on real-hex terrain, names outside Latin-1, and two windows
// on one set.
#include "EditorFixtures.h"

#include <ColourRules.h>
#include <EditorSession.h>
#include <GridGeometry.h>
#include <LevelDerivation.h>
#include <NamePrompts.h>
#include <NewSetLogic.h>
#include <SetMaintenance.h>
#include <SymbolListLogic.h>
#include <SymbolStorage.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGreen = qRgb(0, 160, 0);
const QRgb kRed = qRgb(200, 0, 0);

// The program folder of MakeProgramFolder with a second unit "Lances", opened on "Pikes".
struct Artist : ::testing::Test {
    QTemporaryDir dir;
    EditorSession session;

    void SetUp() override {
        MakeProgramFolder(dir.path());
        SymbolSet set;
        ASSERT_TRUE(set.Read(SetPath()).ok);
        ASSERT_TRUE(AddSymbol(set, SymbolKind::Unit, "Lances",
                              {QSize(4, 3), QSize(8, 6), QSize(12, 9)}, kWhite)
                        .ok);
        session.SetUp(dir.path());
        Open(session, 2, 1);
    }
    QString SetPath() const { return dir.filePath("Battles/house.set"); }
    void Open(EditorSession& s, int kind, int symbol) {
        if (!s.setOpen) {
            SetResult r;
            ASSERT_EQ(s.OpenSet(SetPath(), r), EditorSession::OpenOutcome::Opened);
        }
        const SymbolSelection before = s.BeginEditSymbols(kind);
        s.selection.symbol = symbol;
        ASSERT_TRUE(s.FinishEditSymbols(true, before).ok);
    }
    void Dot(QPoint p, QRgb colour) {
        session.tools.SetPrimary(colour);
        session.tools.DrwGrdMouseDown(Qt::LeftButton, p);
        session.tools.DrwGrdMouseUp(p);
    }
};

} // namespace

TEST_F(Artist, UndoOrRedoDuringADragEndsTheDragFirst) {
    session.ZmLvPlsClick(); // 8 by 6
    Dot({0, 0}, kGreen);
    const QImage afterDot = session.work.picture.copy();
    session.tools.SetDrawMode(ModeRectangle);
    session.tools.SetPrimary(kRed);
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {2, 2});
    session.tools.DrwGrdMouseMove({5, 4});
    const QImage rectangle = session.work.picture.copy();
    session.tools.UndoWrkClick(); // the button is still held
    EXPECT_EQ(session.work.picture, afterDot);
    // The rest of the drag no longer draws, and the dot is still there.
    session.tools.DrwGrdMouseMove({6, 5});
    session.tools.DrwGrdMouseUp({6, 5});
    EXPECT_EQ(session.work.picture, afterDot);
    session.tools.RedoClick();
    EXPECT_EQ(session.work.picture, rectangle) << "redo brings back the whole rectangle";
    session.tools.UndoWrkClick();
    session.tools.UndoWrkClick();
    EXPECT_EQ(CountColour(session.work.picture, kGreen), 0) << "the dot was its own step";
}

TEST_F(Artist, ALevelChangeEndsTheStrokeOnItsOwnLevel) {
    session.ZmLvPlsClick(); // level 2, 8 by 6
    session.tools.SetPrimary(kGreen);
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {0, 0});
    session.tools.DrwGrdMouseMove({1, 0});
    session.ZmLvPlsClick(); // Ctrl+wheel while the button is held
    session.tools.DrwGrdMouseMove({11, 8});
    session.tools.DrwGrdMouseUp({11, 8});
    EXPECT_EQ(CountColour(session.work.picture, kGreen), 0) << "no stray line on level 3";
    EXPECT_EQ(CountColour(session.levels[1], kGreen), 2);
    session.ZmLvMinClick();
    session.tools.UndoWrkClick();
    EXPECT_EQ(CountColour(session.work.picture, kGreen), 0) << "the stroke is one step";
}

TEST_F(Artist, GrabbingAColourChangesNothing) {
    session.tools.SetDrawMode(ModeGrabColour);
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {1, 1});
    session.tools.DrwGrdMouseUp({1, 1});
    EXPECT_EQ(session.tools.primary(), kWhite);
    EXPECT_FALSE(session.dirty(2));
    EXPECT_FALSE(session.controls.saveImage);
    EXPECT_FALSE(session.work.undo().canUndo());
}

TEST_F(Artist, EachSymbolKeepsItsHistoryWhileTheSetIsOpen) {
    Dot({1, 1}, kGreen);
    Dot({2, 1}, kRed);
    ASSERT_TRUE(session.SaveActiveImage().ok);
    Open(session, 2, 2); // "Lances"
    Dot({0, 0}, kRed);
    ASSERT_TRUE(session.SaveActiveImage().ok);
    Open(session, 2, 1); // back to "Pikes": both steps can be undone
    session.tools.UndoWrkClick();
    EXPECT_EQ(CountColour(session.work.picture, kRed), 0);
    session.tools.UndoWrkClick();
    EXPECT_EQ(CountColour(session.work.picture, kGreen), 0);
    Open(session, 2, 2);
    EXPECT_TRUE(session.work.undo().canUndo());
    // Another set: nothing of this one's histories is kept.
    SetResult r;
    ASSERT_EQ(session.OpenSet(SetPath(), r), EditorSession::OpenOutcome::Opened);
    Open(session, 2, 2);
    EXPECT_FALSE(session.work.undo().canUndo());
}

TEST(RealHexPaste, RightClickTakesBackAPasteReachingOutsideTheHexagon) {
    QTemporaryDir dir;
    EditorSession session;
    session.SetUp(dir.path());
    session.hexSizes = {5, 15, 25};
    ASSERT_TRUE(session.CreateNewImageSet(LayoutVertical, true).ok);
    const SymbolSelection before = session.BeginEditSymbols(1);
    session.selection.symbol = 1;
    ASSERT_TRUE(session.FinishEditSymbols(true, before).ok);
    session.ZmLvPlsClick(); // 15 by 15
    session.RedrawGrid();
    const QImage start = session.work.picture.copy();
    session.tools.SetRegion(Plain(6, 6, kGreen));
    session.tools.SetDrawMode(ModePasteRegion);
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {0, 0}); // the corner lies outside
    session.tools.DrwGrdMouseUp({0, 0});
    session.RedrawGrid(); // clips the corner to the hexagon
    ASSERT_NE(session.work.picture, start);
    session.tools.DrwGrdMouseDown(Qt::RightButton, {3, 3});
    EXPECT_EQ(session.work.picture, start);
}

TEST_F(Artist, NamesOutsideLatin1AreRefusedWithAReason) {
    NamePromptLogic prompt(session.set, SymbolKind::Unit);
    EXPECT_FALSE(prompt.OKBtnClick(QString::fromUtf8("Pike \xce\xa9"), {}));
    EXPECT_TRUE(prompt.refusal.contains("Latin-1")) << prompt.refusal.toStdString();
    EXPECT_TRUE(prompt.buffer.isEmpty());
    EXPECT_TRUE(prompt.OKBtnClick(QString::fromUtf8("Pike \xc3\xa9"), {})); // é is Latin-1
}

TEST_F(Artist, ARenamedNameLeftAsShownKeepsAll25Bytes) {
    NamePromptLogic prompt(session.set, SymbolKind::Unit);
    prompt.buffer = prompt.original = "abcdefghijklmnopqrstuvwxy";
    EXPECT_TRUE(prompt.OKBtnClick(prompt.buffer, {}));
    EXPECT_EQ(prompt.buffer.size(), 25);
}

TEST_F(Artist, ASecondWindowOnTheSetIsToldAndChoosesViewingOnly) {
    EditorSession second;
    second.SetUp(dir.path());
    QString asked;
    second.askLocked = [&asked](const QString& question) {
        asked = question;
        return LockAnswer::ReadOnly;
    };
    Open(second, 2, 1);
    EXPECT_TRUE(asked.contains("open in another window")) << asked.toStdString();
    EXPECT_TRUE(second.readOnly());
    EXPECT_FALSE(second.controls.saveSet);
    second.tools.SetPrimary(kGreen);
    second.tools.DrwGrdMouseDown(Qt::LeftButton, {0, 0});
    second.tools.DrwGrdMouseUp({0, 0});
    EXPECT_FALSE(second.SaveActiveImage().ok) << "viewing only writes nothing";
    second.askLocked = [](const QString&) { return LockAnswer::Cancel; };
    SetResult r;
    EXPECT_EQ(second.OpenSet(SetPath(), r), EditorSession::OpenOutcome::Cancelled);
}

TEST_F(Artist, ASaveOverFilesAnotherWindowChangedAsksFirst) {
    EditorSession second;
    second.SetUp(dir.path());
    second.askLocked = [](const QString&) { return LockAnswer::OpenAnyway; };
    Open(second, 2, 2);
    // The first window adds a symbol and saves it.
    ASSERT_TRUE(AddSymbol(session.set, SymbolKind::Unit, "Bows",
                          {QSize(4, 3), QSize(8, 6), QSize(12, 9)}, kWhite)
                    .ok);
    // The second saves its symbol: asked, and refusing keeps the first window's symbol.
    int asked = 0;
    second.confirmOverwrite = [&asked](const QString&) { return ++asked, false; };
    second.tools.SetPrimary(kGreen);
    second.tools.DrwGrdMouseDown(Qt::LeftButton, {0, 0});
    second.tools.DrwGrdMouseUp({0, 0});
    EXPECT_FALSE(second.SaveSymbolSet().ok);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(second.dirty(2)) << "the refused save keeps the edit";
    SymbolSet onDisk;
    ASSERT_TRUE(onDisk.Read(SetPath()).ok);
    EXPECT_EQ(onDisk.count(SymbolKind::Unit), 3) << "\"Bows\" is still in the set";
}

TEST_F(Artist, SaveAsRefusesANameTheBattleEditorCannotUse) {
    for (const QString& name : {QString::fromUtf8("Forest \xce\xa9"), QString(256, 'f')}) {
        const SaveAsPlan plan = session.PlanSaveSetAs(dir.filePath("Battles/" + name));
        EXPECT_FALSE(plan.refusal.isEmpty()) << name.size();
        EXPECT_FALSE(session.SaveSetAs(dir.filePath("Battles/" + name)).ok);
    }
    EXPECT_EQ(session.set.baseName(), "house");
    EXPECT_TRUE(session.PlanSaveSetAs(dir.filePath("Battles/forest")).refusal.isEmpty());
}

TEST(DeriveLevel, ShrinksByAreaWithAThresholdOnTransparencyAndGrowsByRepetition) {
    const QRgb see = qRgb(192, 192, 192); // the transparent colour
    QImage big = Plain(4, 4, see);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            big.setPixel(x, y, x < 2 ? qRgb(200, 0, 0) : qRgb(0, 0, 100));
    big.setPixel(0, 2, kVisibleBlack); // three of four drawn, in visible black
    big.setPixel(1, 2, kVisibleBlack);
    big.setPixel(0, 3, kVisibleBlack);
    big.setPixel(3, 2, kGreen); // one of four drawn
    const QImage small = DeriveLevel(big, {2, 2}, {true, see});
    EXPECT_EQ(small.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(small.pixel(1, 0), qRgb(0, 0, 100));
    EXPECT_EQ(small.pixel(0, 1), kVisibleBlack) << "visible black stays visible black";
    EXPECT_EQ(small.pixel(1, 1), see) << "mostly transparent: transparent";
    // Without transparency every pixel counts, and an average of pure black is drawable.
    EXPECT_EQ(DeriveLevel(Plain(3, 3, qRgb(0, 0, 0)), {1, 1}, {false, see}).pixel(0, 0),
              kVisibleBlack);
    QImage stripes = Plain(4, 1, qRgb(100, 0, 0));
    stripes.setPixel(1, 0, qRgb(0, 0, 200));
    stripes.setPixel(3, 0, qRgb(0, 0, 200));
    EXPECT_EQ(DeriveLevel(stripes, {2, 1}, {false, see}).pixel(0, 0), qRgb(50, 0, 100));
    const QImage grown = DeriveLevel(small, {6, 6}, {true, see});
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(grown.pixel(x, y), small.pixel(x / 3, y / 3)) << x << "," << y;
}

TEST(Canvas, FitsThePictureAndZoomsByWheelSteps) {
    EXPECT_EQ(FitCell({120, 120}, {1000, 900}), 7); // a unit at 7 screen pixels per pixel
    EXPECT_EQ(FitCell({40, 40}, {1000, 900}), 22);
    EXPECT_EQ(FitCell({5, 5}, {1000, 900}), kMaxZoomCell);
    EXPECT_EQ(FitCell({120, 120}, {50, 50}), 1);
    EXPECT_EQ(ZoomedCell(1, 1), 2);
    EXPECT_EQ(ZoomedCell(16, 1), 18);
    EXPECT_EQ(ZoomedCell(18, -1), 16);
    EXPECT_EQ(ZoomedCell(kMaxZoomCell, 3), kMaxZoomCell);
    EXPECT_EQ(ZoomedCell(2, -5), 1);
}

TEST_F(Artist, DeriveOtherLevelsMakesTwoLevelsAsOneStepEach) {
    session.ZmLvPlsClick();
    session.ZmLvPlsClick(); // level 3, 12 by 9
    session.tools.SetDrawMode(ModeRectangle);
    session.tools.SetPrimary(kGreen);
    session.tools.SetSecondary(kGreen);
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {0, 0});
    session.tools.DrwGrdMouseMove({5, 8});
    session.tools.DrwGrdMouseUp({5, 8}); // the left half green
    session.DeriveOtherLevels();
    EXPECT_EQ(CountColour(session.levels[0], kGreen), 2 * 3); // 4 by 3: the left half
    EXPECT_EQ(CountColour(session.levels[1], kGreen), 4 * 6);
    EXPECT_EQ(CountColour(session.work.picture, kGreen), 6 * 9) << "the drawn level stays";
    session.ZmLvMinClick();
    session.tools.UndoWrkClick(); // level 2's own step
    EXPECT_EQ(CountColour(session.work.picture, kGreen), 0);
    session.ZmLvMinClick();
    EXPECT_EQ(CountColour(session.work.picture, kGreen), 2 * 3);
}

TEST_F(Artist, PageKeysStepThroughTheListsOrder) {
    session.set.unitOrder = {2, 1};
    ASSERT_TRUE(session.OpenNeighbourSymbol(-1).ok); // "Pikes" is second in the list
    EXPECT_EQ(session.symbolName(), "Lances");
    ASSERT_TRUE(session.OpenNeighbourSymbol(-1).ok); // nothing before the first
    EXPECT_EQ(session.symbolName(), "Lances");
    ASSERT_TRUE(session.OpenNeighbourSymbol(+1).ok);
    EXPECT_EQ(session.symbolName(), "Pikes");
    EXPECT_EQ(session.selection.position, 2);
}

TEST_F(Artist, TheListShowsEachSymbolsPictureInItsOrder) {
    Open(session, 2, 2);
    Dot({0, 0}, kGreen);
    session.ZmLvPlsClick();
    session.ZmLvPlsClick();
    session.tools.SetDrawMode(ModeRegionFill);
    session.tools.SetPrimary(kGreen);
    session.tools.DrwGrdMouseDown(Qt::LeftButton, {5, 5}); // "Lances" all green at level 3
    ASSERT_TRUE(session.SaveActiveImage().ok);
    session.set.unitOrder = {2, 1};
    SymbolSelection selection = session.selection;
    SymbolListLogic list(session.set, selection, session.transparentColour);
    const std::vector<QImage> thumbnails = list.Thumbnails(24);
    ASSERT_EQ(thumbnails.size(), 2u);
    // 12 by 9 drawn whole pixels: 24 by 18, centred on grey.
    EXPECT_EQ(CountColour(thumbnails[0], kGreen), 24 * 18);
    EXPECT_EQ(CountColour(thumbnails[1], kWhite), 24 * 18);
    EXPECT_EQ(thumbnails[1].pixel(0, 0), qRgb(192, 192, 192));
}

TEST_F(Artist, SizesAreTypedWithinTheirBounds) {
    UnitSizeLogic unit(session.set);
    unit.TypeWidth(3, 120);
    unit.TypeHeight(3, 300);
    unit.TypeWidth(1, 0);
    EXPECT_EQ(unit.sizes[2], QSize(120, 120));
    EXPECT_EQ(unit.sizes[0].width(), UnitSizeLogic::kMinSize);

    std::array<int, kLevelCount> sizes{3, 15, 28};
    NewSetLogic realHex(sizes, LayoutVertical, true);
    realHex.TypeSize(3, 47);
    EXPECT_EQ(sizes[2], 45) << "real hexes come in steps of 5";
    realHex.TypeSize(1, 2);
    EXPECT_EQ(sizes[0], 5);
    realHex.GridClick();
    realHex.TypeSize(2, 121);
    EXPECT_EQ(sizes[1], 120);
    realHex.TypeSize(2, 37);
    EXPECT_EQ(sizes[1], 37);
}
