#include "TerrainAttrImport.h"

#include "BattleFile.h"
#include "BattleTestSupport.h"
#include "Definitions.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TerrainAttr Attr(const char* name, int elevation, int cost, int defence) {
    TerrainAttr a;
    a.name = name;
    a.elevation = elevation;
    a.costPerMove = cost;
    a.defenceModifier = defence;
    return a;
}

class ImportAttrs : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QStringList messages;
    MessageSink sink = [this](const QString&, const QString& text) { messages << text; };
    TerrainAttrTable attrs{};

    void SetUp() override {
        attrs[0] = Attr("Plain", 0, 1, 0);
        attrs[3] = Attr("Kept", 2, 2, 2);
    }
    // A battle file with `count` attribute records: Meadow, Forest, Hill, … .
    QString Write(int count) {
        Battle b = NewBattle(12, 10);
        const char* names[] = {"Meadow", "Forest", "Hill"};
        for (int i = 0; i < 3; ++i)
            b.terrainAttrs[size_t(i)] = Attr(names[i], i, 1 + i, -i);
        const QString path = dir.filePath(QStringLiteral("source.scn"));
        EXPECT_TRUE(WriteBattleFile(path, b, Definitions{}, count, sink));
        return path;
    }
};

} // namespace

TEST_F(ImportAttrs, TakesTheRecordsTheFileHoldsAndKeepsTheRest) {
    ASSERT_TRUE(ReadTerrainAttributes(Write(3), attrs, sink));
    EXPECT_EQ(attrs[0], Attr("Meadow", 0, 1, 0));
    EXPECT_EQ(attrs[1], Attr("Forest", 1, 2, -1));
    EXPECT_EQ(attrs[2], Attr("Hill", 2, 3, -2));
    EXPECT_EQ(attrs[3], Attr("Kept", 2, 2, 2)); // beyond the file's three records
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ImportAttrs, AFileThatCannotBeReadChangesNothing) {
    const TerrainAttrTable before = attrs;
    const QString path = Write(3);
    QFile file(path);
    ASSERT_TRUE(file.resize(file.size() - 10)); // the marker table cut off
    EXPECT_FALSE(ReadTerrainAttributes(path, attrs, sink));
    EXPECT_FALSE(ReadTerrainAttributes(dir.filePath("absent.scn"), attrs, sink));
    EXPECT_EQ(attrs, before);
    EXPECT_EQ(messages,
              (QStringList{"Could not open selected file.", "Could not open selected file."}));
}
