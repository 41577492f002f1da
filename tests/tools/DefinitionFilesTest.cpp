#include "GeneratedFolder.h"

#include <QList>

#include <gtest/gtest.h>

// Reading by columns as the battle editor does: columns count from 1, a field is a
// decimal number with leading blanks, a name has its trailing blanks removed.
struct Column {
    int first, last;
};

static QByteArray Field(const QByteArray& line, Column c) {
    return line.mid(c.first - 1, c.last - c.first + 1);
}

// The field's number; fails the test when it holds anything but blanks and digits.
static int Number(const QByteArray& line, Column c) {
    const QByteArray text = Field(line, c);
    bool ok = true;
    const int value = text.trimmed().isEmpty() ? 0 : text.trimmed().toInt(&ok);
    EXPECT_TRUE(ok && !text.trimmed().contains(' '))
        << "columns " << c.first << "-" << c.last << " of '" << line.constData() << "'";
    return value;
}

static QByteArray Name(const QByteArray& line, Column c) {
    QByteArray name = Field(line, c);
    while (name.endsWith(' '))
        name.chop(1);
    return name;
}

// The records of a definition file: lines up to the one starting "$". Checks the line
// ends, line lengths and that the gaps between fields are blank.
static QList<QByteArray> Records(const QString& file, const std::vector<int>& blankColumns) {
    const QByteArray bytes = ReadBytes(GeneratedProgramFolder() + "/defs/" + file);
    EXPECT_FALSE(bytes.isEmpty()) << file.toStdString();
    QList<QByteArray> records;
    bool ended = false;
    for (const QByteArray& raw : bytes.split('\n')) {
        if (raw.isEmpty())
            continue;
        EXPECT_TRUE(raw.endsWith('\r')) << "line without CR LF in " << file.toStdString();
        const QByteArray line = raw.chopped(1);
        EXPECT_LE(line.size(), 79);
        if (line.startsWith('$')) {
            ended = true;
            break;
        }
        for (int c : blankColumns)
            EXPECT_EQ(line.at(c - 1), ' ') << "column " << c << " of '" << line.constData() << "'";
        records.append(line);
    }
    EXPECT_TRUE(ended) << file.toStdString() << " has no closing $ line";
    EXPECT_LE(records.size(), 50);
    return records;
}

static int IndexOf(const QList<QByteArray>& records, Column name, const char* wanted) {
    for (int i = 0; i < records.size(); ++i)
        if (Name(records[i], name) == wanted)
            return i;
    ADD_FAILURE() << wanted << " missing";
    return 0;
}

TEST(DefinitionFiles, MissileWeaponsStartWithNoWeaponAndKeepTheirColumns) {
    ASSERT_FALSE(GeneratedProgramFolder().isEmpty());
    const auto records = Records("MWEAP.DEF", {19, 22, 26, 28});
    ASSERT_EQ(records.size(), 14);
    const Column name{1, 14}, weight{15, 18}, range{20, 21}, rating{23, 25}, overhead{27, 27},
        shots{29, 29};
    EXPECT_EQ(Name(records[0], name), "None");
    EXPECT_EQ(Number(records[0], weight) + Number(records[0], range) + Number(records[0], rating) +
                  Number(records[0], shots),
              0);
    for (const QByteArray& r : records.mid(1)) {
        EXPECT_GT(Number(r, range), 0) << r.constData();
        EXPECT_GT(Number(r, shots), 0) << r.constData();
        EXPECT_LE(Number(r, overhead), 1) << r.constData();
    }
    const int longbow = IndexOf(records, name, "Longbow");
    const int crossbow = IndexOf(records, name, "Heavy Crossbow");
    EXPECT_EQ(Number(records[longbow], overhead), 1);  // arrows are loosed over friends
    EXPECT_EQ(Number(records[crossbow], overhead), 0); // bolts fly flat
    EXPECT_GT(Number(records[crossbow], weight), Number(records[longbow], weight));
    EXPECT_GT(Number(records[longbow], range),
              Number(records[IndexOf(records, name, "Sling")], range));
}

TEST(DefinitionFiles, CombatWeaponsKeepTheirColumns) {
    ASSERT_FALSE(GeneratedProgramFolder().isEmpty());
    const auto records = Records("CWEAP.DEF", {17, 21});
    ASSERT_EQ(records.size(), 20);
    const Column name{1, 14}, weight{15, 16}, length{18, 20}, rating{22, 24};
    for (const QByteArray& r : records) {
        EXPECT_FALSE(Name(r, name).isEmpty());
        Number(r, weight);
        EXPECT_GE(Number(r, rating), 1) << r.constData();
    }
    const int pike = IndexOf(records, name, "Pike"), dagger = IndexOf(records, name, "Dagger");
    EXPECT_GT(Number(records[pike], length), Number(records[dagger], length));
    EXPECT_GT(Number(records[IndexOf(records, name, "Heavy Lance")], rating),
              Number(records[dagger], rating));
}

TEST(DefinitionFiles, ArmourAndShieldsKeepTheirColumnsAndStayBelowTheDefenceCap) {
    ASSERT_FALSE(GeneratedProgramFolder().isEmpty());
    const Column name{1, 18}, rating{20, 22}, weight{24, 26};
    const auto armour = Records("UARMOR.DEF", {19, 23});
    const auto shields = Records("USHIELD.DEF", {19, 23});
    ASSERT_EQ(armour.size(), 12);
    ASSERT_EQ(shields.size(), 9);
    EXPECT_EQ(Name(armour[0], name), "None");
    EXPECT_EQ(Name(shields[0], name), "None");
    int bestArmour = 0, bestShield = 0;
    for (const QByteArray& r : armour) {
        bestArmour = std::max(bestArmour, Number(r, rating));
        Number(r, weight);
    }
    for (const QByteArray& r : shields) {
        bestShield = std::max(bestShield, Number(r, rating));
        Number(r, weight);
    }
    // Defence is (armour + shield) x morale / 100, capped at 75: at an ordinary morale of 80
    // the best kit stays below the cap, so better morale still counts.
    EXPECT_LT((bestArmour + bestShield) * 80 / 100, 75);
    EXPECT_GT(Number(armour[IndexOf(armour, name, "Full Plate")], weight),
              Number(armour[IndexOf(armour, name, "Padded Jack")], weight));
}
