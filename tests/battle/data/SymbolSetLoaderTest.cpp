#include "BattleTestSupport.h"
#include "LoadedSymbolSet.h"
#include "SetFolderSupport.h"
#include "SetReload.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct SetFolder {
    QTemporaryDir dir;
    MessageLog log;
    LoadedSymbolSet set;
    QString path(const QString& file) const { return dir.filePath(file); }
    bool load(const QString& name = "moors") {
        return LoadSymbolSet(dir.path(), name, set, log.sink());
    }
};

} // namespace

TEST(SetLoading, LoadsRecordsPicturesOrderAndCellSizes) {
    SetFolder f;
    SetShape shape;
    shape.writeIndex = true;
    shape.index = "3\r\n1\r\n2\r\n2\r\n1\r\n";
    const SetFileContents written = WriteSet(f.dir.path(), "moors", shape);
    ASSERT_TRUE(f.load()) << f.log.texts().join("|").toStdString();
    EXPECT_TRUE(f.log.messages.empty());

    EXPECT_EQ(f.set.terrainCount(), 3);
    EXPECT_EQ(f.set.unitCount(), 2);
    EXPECT_EQ(f.set.maskCount(), 1);
    EXPECT_EQ(f.set.table(SymbolKind::Terrain), written.table(SymbolKind::Terrain));
    EXPECT_EQ(f.set.table(SymbolKind::Unit)[0].maskIndex, 1);
    EXPECT_EQ(f.set.terrainOrder, (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(f.set.unitOrder, (std::vector<int>{2, 1}));
    EXPECT_EQ(f.set.cellWidth, (std::array<int, 3>{30, 40, 60}));
    EXPECT_EQ(f.set.columnStep, (std::array<int, 3>{23, 31, 47}));
    EXPECT_EQ(f.set.rowStep, (std::array<int, 3>{28, 38, 58}));
    EXPECT_EQ(f.set.picture(SymbolKind::Terrain, 3).size(), QSize(180, 60));
    EXPECT_EQ(f.set.picture(SymbolKind::Unit, 1).pixel(5, 5), 0xff336699u);
    EXPECT_EQ(f.set.picture(SymbolKind::Mask, 2).pixel(3, 3), 0xffffffffu);
    EXPECT_EQ(f.set.bitmapSizes[0][1], QSize(120, 40));
}

TEST(SetLoading, NameFillingAll25BytesIsRead) {
    SetFolder f;
    SetFileContents c = WriteSet(f.dir.path(), "moors");
    c.table(SymbolKind::Unit)[1].name = QByteArray(25, 'n');
    ASSERT_TRUE(WriteBytes(f.path("moors.set"), SerializeSetFile(c)));
    ASSERT_TRUE(f.load()) << f.log.texts().join("|").toStdString();
    EXPECT_EQ(f.set.table(SymbolKind::Unit)[1].name, QByteArray(25, 'n'));
    EXPECT_EQ(f.set.table(SymbolKind::Unit)[1].cells, c.table(SymbolKind::Unit)[1].cells);
}

TEST(SetLoading, WithoutIndexOrWithABadOneTheSetOrderIsUsed) {
    SetFolder f;
    WriteSet(f.dir.path(), "moors");
    ASSERT_TRUE(f.load());
    EXPECT_EQ(f.set.terrainOrder, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(f.set.unitOrder, (std::vector<int>{1, 2}));

    for (const char* bad : {"1\n2\n", "1\n2\n9\n1\n2\n", "1\n2\n3\n1\n0\n", "1\nx\n3\n1\n2\n"}) {
        WriteBytes(f.path("moors.sdx"), bad);
        ASSERT_TRUE(f.load());
        EXPECT_EQ(f.set.terrainOrder, (std::vector<int>{1, 2, 3})) << bad;
        EXPECT_EQ(f.set.unitOrder, (std::vector<int>{1, 2})) << bad;
    }
}

TEST(SetLoading, CountsOfTwoHundredFiftyAndMore) {
    SetFolder f;
    SetShape shape;
    shape.terrain = 260;
    shape.units = 251;
    shape.masks = 0;
    shape.cell = {5, 6, 7};
    WriteSet(f.dir.path(), "big", shape);
    ASSERT_TRUE(f.load("big")) << f.log.texts().join("|").toStdString();
    EXPECT_EQ(f.set.terrainCount(), 260);
    EXPECT_EQ(f.set.unitCount(), 251);
    EXPECT_EQ(f.set.table(SymbolKind::Terrain)[259].name, "sym259");
    EXPECT_EQ(f.set.table(SymbolKind::Unit)[250].cells[2].left, 250 * 7);
    EXPECT_EQ(int(f.set.terrainOrder.size()), 260);
}

TEST(SetLoading, NoMasksNeedsNoMaskPictures) {
    SetFolder f;
    SetShape shape;
    shape.masks = 0;
    WriteSet(f.dir.path(), "moors", shape);
    for (int level = 1; level <= 3; ++level)
        QFile::remove(f.path("moors" + BitmapSuffix(SymbolKind::Mask, level)));
    ASSERT_TRUE(f.load());
    EXPECT_EQ(f.set.maskCount(), 0);
    EXPECT_TRUE(f.set.picture(SymbolKind::Mask, 1).isNull());
}

TEST(SetLoading, FilesAreFoundWhateverTheirCase) {
    SetFolder f;
    WriteSet(f.dir.path(), "Moors");
    QFile::rename(f.path("Moors-t2.bmp"), f.path("MOORS-T2.BMP"));
    ASSERT_TRUE(f.load("moors")) << f.log.texts().join("|").toStdString();
}

TEST(SetLoadingRefusal, SetFileFaultsGiveTheirMessages) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> spoil;
        QStringList messages;
    };
    const QStringList unknown{"Symbol Set Format is Unknown.", "SYM File Load Error."};
    const std::vector<Case> cases = {
        {"missing",
         [](const QString& p) { QFile::remove(p); },
         {"Could not open the symbol SET file.", "SYM File Load Error."}},
        {"marker",
         [](const QString& p) {
             QFile f(p);
             f.open(QIODevice::ReadWrite);
             f.write("\xfd", 1);
         },
         unknown},
        {"truncated",
         [](const QString& p) {
             QFile f(p);
             f.open(QIODevice::ReadWrite);
             f.resize(f.size() - 3);
         },
         unknown},
    };
    for (const Case& c : cases) {
        SetFolder f;
        WriteSet(f.dir.path(), "moors");
        c.spoil(f.path("moors.set"));
        EXPECT_FALSE(f.load()) << c.what;
        EXPECT_EQ(f.log.texts(), c.messages) << c.what;
        for (const auto& m : f.log.messages)
            EXPECT_EQ(m.first, "Warning");
    }
}

TEST(SetLoadingRefusal, SetsNothingCanBeDrawnWith) {
    const QStringList unknown{"Symbol Set Format is Unknown.", "SYM File Load Error."};
    {
        SetFolder f;
        SetShape none;
        none.terrain = 0;
        WriteSet(f.dir.path(), "moors", none);
        EXPECT_FALSE(f.load());
        EXPECT_EQ(f.log.texts(), unknown) << "no terrain symbols";
    }
    {
        SetFolder f;
        SetShape many;
        many.terrain = kMaxTerrainAttrs + 1;
        many.units = 1;
        many.masks = 0;
        many.cell = {2, 2, 2};
        WriteSet(f.dir.path(), "moors", many);
        EXPECT_FALSE(f.load());
        EXPECT_EQ(f.log.texts(), unknown) << "more terrain than attribute records";
    }
    {
        SetFolder f;
        SetFileContents c = SetContents(SetShape());
        c.records[0][2].cells[0].right = 95; // beyond the 90-pixel bitmap
        WriteBytes(f.path("moors.set"), SerializeSetFile(c));
        WriteBitmaps(f.dir.path(), "moors", SetContents(SetShape()));
        EXPECT_FALSE(f.load());
        EXPECT_EQ(f.log.texts(), unknown) << "cell outside its bitmap";
    }
}

TEST(SetLoadingRefusal, MissingOrSmallBitmapsGiveTheKindsMessage) {
    const std::pair<const char*, QStringList> cases[] = {
        {"moors-u2.bmp", {"Unit File Load Error."}},
        {"moors-t3.bmp", {"Terrain File Load Error."}},
        {"moors-m1.bmp", {"Mask File Load Error."}},
    };
    for (const auto& [file, messages] : cases) {
        SetFolder f;
        WriteSet(f.dir.path(), "moors");
        QFile::remove(f.path(file));
        EXPECT_FALSE(f.load()) << file;
        EXPECT_EQ(f.log.texts(), messages) << file;
    }
    {
        SetFolder f;
        WriteSet(f.dir.path(), "moors");
        WriteBytes(f.path("moors-t1.bmp"), "not a bitmap");
        EXPECT_FALSE(f.load());
        EXPECT_EQ(f.log.texts(), QStringList{"Terrain File Load Error."});
    }
    {
        SetFolder f;
        WriteSet(f.dir.path(), "moors");
        QImage small(50, 30, QImage::Format_RGB32);
        small.fill(0);
        small.save(f.path("moors-t1.bmp"), "BMP");
        EXPECT_FALSE(f.load());
        EXPECT_EQ(f.log.texts(),
                  (QStringList{"Symbol Set Format is Unknown.", "Terrain File Load Error."}));
    }
}

TEST(SetLoading, ASaveOfTheSetInterruptedAfterItsJournalIsFinished) {
    SetFolder f;
    WriteSet(f.dir.path(), "moors");
    // The symbol editor wrote the new unit picture and its journal, then stopped.
    QImage units;
    ASSERT_TRUE(units.load(f.path("moors-u1.bmp"), "BMP"));
    units.fill(qRgb(10, 200, 30));
    ASSERT_TRUE(units.save(f.path("moors-u1.bmp.new"), "BMP"));
    ASSERT_TRUE(
        WriteBytes(f.path("moors.journal"), "fieldmark set switch\nput moors-u1.bmp\nend\n"));
    ASSERT_TRUE(f.load()) << f.log.texts().join("|").toStdString();
    EXPECT_EQ(f.set.picture(SymbolKind::Unit, 1).pixel(5, 5), qRgb(10, 200, 30));
    EXPECT_FALSE(QFile::exists(f.path("moors.journal")));
    EXPECT_FALSE(QFile::exists(f.path("moors-u1.bmp.new")));
}

TEST(SetLoading, AReloadTakesTheChangedSetOnlyWhileItHasTheBattlesSymbols) {
    SetFolder f;
    WriteSet(f.dir.path(), "moors");
    ASSERT_TRUE(f.load());
    Battle battle = NewBattle();
    battle.SetTerrainSlot(HexAt(battle, 2, 3), 4, 2); // a secondary terrain: the third symbol
    UnitRecord pikes = Unit(1);
    pikes.symbol = 1;
    ASSERT_GT(battle.AddUnit(pikes, HexAt(battle, 1, 1)), 0);
    EXPECT_EQ(FindSymbolsInUse(battle).terrain, 2);
    EXPECT_EQ(FindSymbolsInUse(battle).unit, 1);

    SetShape grown;
    grown.terrain = 4;
    WriteSet(f.dir.path(), "moors", grown);
    ASSERT_TRUE(ReloadSymbolSet(f.dir.path(), "moors", battle, f.set, f.log.sink()));
    EXPECT_EQ(f.set.terrainCount(), 4);
    EXPECT_EQ(f.set.columnStep[0], 23);

    SetShape shrunk;
    shrunk.terrain = 2; // the battle's third terrain symbol is gone
    WriteSet(f.dir.path(), "moors", shrunk);
    EXPECT_FALSE(ReloadSymbolSet(f.dir.path(), "moors", battle, f.set, f.log.sink()));
    EXPECT_EQ(f.set.terrainCount(), 4) << "the set shown is kept";
    EXPECT_TRUE(f.log.texts().join("|").contains("no longer has every symbol"));
}

TEST(SetLoadingRefusal, FailedLoadKeepsThePreviousSet) {
    SetFolder f;
    WriteSet(f.dir.path(), "moors");
    ASSERT_TRUE(f.load());
    SetShape other;
    other.terrain = 5;
    WriteSet(f.dir.path(), "hills", other);
    QFile::remove(f.path("hills-m3.bmp"));
    EXPECT_FALSE(f.load("hills"));
    EXPECT_EQ(f.set.terrainCount(), 3);
    EXPECT_FALSE(f.set.picture(SymbolKind::Mask, 3).isNull());
}
