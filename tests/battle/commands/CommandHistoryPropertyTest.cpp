// Thousands of random actions through the map commands, the brush strokes, Shift+click
// copies of units, the order of battle's changes to several units and the dialogs' rule
// classes, each recorded as the main window records it: after every
// action the links hold and a change is exactly one step (no change, no step, and the
// modified flag as it was); undo and redo then give back every battle in between, byte
// for byte, both in the history's own form and in the battle file.

#include "BattleFile.h"
#include "EditingSession.h"
#include "HistoryTestSupport.h"
#include "MapGeometry.h"

#include <QFile>
#include <QHashFunctions>

#include <map>

#include <gtest/gtest.h>

namespace {

// Fewer under the sanitizers, which make every byte of the state slow to touch.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kActions = 1500;
constexpr int kWalkSteps = 1000;
#else
constexpr int kActions = 6000;
constexpr int kWalkSteps = 4000;
#endif

std::vector<uint8_t> StateBytes(const Battle& b) {
    std::vector<uint8_t> out;
    EncodeBattleState(b, out);
    return out;
}

// The battle at one position of the history: a digest of its whole state (thousands of
// full states would not fit in memory) and its file bytes.
struct Snapshot {
    QByteArray state;
    QByteArray file;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Battle& b, const std::vector<uint8_t>& state) {
    // Two seeded hashes: a 128-bit digest, quick to take thousands of times.
    Snapshot snap{QByteArray(), FileBytes(b)};
    for (size_t seed : {size_t(1), size_t(0x9e3779b97f4a7c15)}) {
        const size_t hash = qHashBits(state.data(), state.size(), seed);
        snap.state.append(reinterpret_cast<const char*>(&hash), sizeof hash);
    }
    return snap;
}

Snapshot Take(const Battle& b) {
    return Take(b, StateBytes(b));
}

// The file a save writes now. A copy is saved: saving puts the units into canonical
// order, which would be a change of its own.
QByteArray WrittenFile(const EditingSession& s) {
    Battle copy = s.battle;
    const QString path = s.folder + "/Battles/written.scn";
    if (!WriteBattleFile(path, copy, s.definitions, s.symbols.terrainCount(), s.context->messages))
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How often each kind of action changed the battle and how often it left it as it was. The
// kind is the text before the first comma of what the action was: its step's caption.
struct KindCounts {
    int changed = 0;
    int unchanged = 0;
};
using ActionTally = std::map<QString, KindCounts>;

// One action and the checks every action must pass; at[p] is the battle at position p.
void ActAndCheck(EditingSession& s, std::vector<Snapshot>& at, int& saved, int i,
                 ActionTally& tally) {
    BattleDocument& d = s.document;
    const Battle& b = d.battle();
    const BattleHistory& h = d.history();
    const std::vector<uint8_t> before = StateBytes(b);
    const bool modifiedBefore = d.modified();
    const int position = h.position();
    const int steps = h.stepCount();
    const QString what = s.Act();
    SCOPED_TRACE(QStringLiteral("action %1: %2").arg(i).arg(what).toStdString());
    const QString caption = what.section(QLatin1Char(','), 0, 0);
    KindCounts& kind = tally[caption];

    ASSERT_TRUE(LinksConsistent(b));
    ASSERT_TRUE(h.MatchesBattle()) << "the battle changed outside a step";
    const std::vector<uint8_t> after = StateBytes(b);
    if (s.untouchedExit()) {
        ASSERT_TRUE(after == before) << "a dialog left at once changed the battle";
    }
    if (after == before) {
        ++kind.unchanged;
        ASSERT_EQ(h.position(), position) << "a step without a change";
        if (s.mayJoin() && h.stepCount() < steps) {
            // Keystrokes that ended where they began: the first of them, a change, took the
            // steps that could be redone, as any new change does.
            ASSERT_EQ(h.stepCount(), h.position());
            at.resize(size_t(position) + 1);
            if (saved > position)
                saved = -1;
        } else {
            ASSERT_EQ(h.stepCount(), steps);
        }
        ASSERT_EQ(d.modified(), modifiedBefore) << "a visit without a change moved the flag";
        return;
    }
    ++kind.changed;
    ASSERT_FALSE(s.fillDeclined()) << "a fill the designer did not keep changed the battle";
    ASSERT_EQ(h.stepCount(), h.position()) << "the redo steps outlived a new step";
    if (s.mayJoin()) {
        ASSERT_LE(std::abs(h.position() - position), 1);
    } else {
        ASSERT_EQ(h.position(), position + 1) << "a change that is not one step";
        ASSERT_EQ(h.UndoCaption(), caption); // what the Edit menu offers to undo
    }
    const int p = h.position();
    if (p >= position && saved >= p)
        saved = -1; // the saved battle was on the redo side, now dropped
    at.resize(size_t(p) + 1);
    at[size_t(p)] = Take(b, after);
    ASSERT_EQ(d.modified(), p != saved);
}

struct Arrangement {
    unsigned seed;
    int cols, rows, gridLayout;
};

class CommandHistory : public testing::TestWithParam<Arrangement> {};

TEST_P(CommandHistory, UndoAllAndRedoAllGiveBackTheBattleByteForByte) {
    const Arrangement a = GetParam();
    EditingSession s(a.seed, a.cols, a.rows, a.gridLayout);
    BattleDocument& d = s.document;
    const Battle& b = d.battle();
    const BattleHistory& h = d.history();
    const std::vector<uint8_t> firstState = StateBytes(b);
    const QByteArray firstFile = FileBytes(b);
    const QByteArray firstWritten = WrittenFile(s);
    ASSERT_FALSE(firstWritten.isEmpty());
    std::vector<Snapshot> at{Take(b)};
    int saved = 0;
    ActionTally tally;

    for (int i = 0; i < kActions; ++i) {
        ActAndCheck(s, at, saved, i, tally);
        if (HasFatalFailure())
            return;
    }
    // Every command and dialog has changed the battle, and the dialogs have also been
    // left without a change (the unit editor marks the battle modified when it opens).
    for (const char* kind : {"Place Primary Terrain",
                             "Place Secondary Terrain",
                             "Remove Secondary Terrain",
                             "Place Caltrops",
                             "Fill Primary Terrain",
                             "Cut Unit",
                             "Paste Unit",
                             "Unit Changes",
                             "Reinforcement Changes",
                             "Structure Changes",
                             "Objective Changes",
                             "Map Text Changes",
                             "Special Hex Markers",
                             "Terrain Attributes",
                             "an edit in the floating terrain picker",
                             "Battle Settings",
                             "Set Game Table Color",
                             "Place Unit",
                             "Set Wing",
                             "Set Side",
                             "Set Reinforcement Turn",
                             "Remove Units"})
        EXPECT_GT(tally[QLatin1String(kind)].changed, 0) << kind;
    for (const char* kind : {"Fill Primary Terrain", "Unit Changes", "Structure Changes",
                             "Map Text Changes", "Special Hex Markers", "Battle Settings"})
        EXPECT_GT(tally[QLatin1String(kind)].unchanged, 0) << kind;
    EXPECT_EQ(tally[QStringLiteral("Copy Unit")].changed, 0);

    const int steps = h.stepCount();
    ASSERT_EQ(int(at.size()), steps + 1);
    ASSERT_GT(steps, kActions / 3); // most actions change something
    const std::vector<uint8_t> lastState = StateBytes(b);
    const QByteArray lastFile = FileBytes(b);
    const QByteArray lastWritten = WrittenFile(s);
    ASSERT_NE(lastFile, firstFile);

    for (int p = steps; p > 0; --p) {
        ASSERT_TRUE(d.Undo()) << p;
        ASSERT_TRUE(Take(b) == at[size_t(p - 1)]) << "undo to " << p - 1;
        ASSERT_TRUE(LinksConsistent(b)) << "undo to " << p - 1;
    }
    EXPECT_FALSE(d.Undo());
    EXPECT_TRUE(StateBytes(b) == firstState);
    EXPECT_EQ(FileBytes(b), firstFile);
    EXPECT_EQ(WrittenFile(s), firstWritten);
    EXPECT_FALSE(d.modified()); // back at the battle as opened

    for (int p = 1; p <= steps; ++p) {
        ASSERT_TRUE(d.Redo()) << p;
        ASSERT_TRUE(Take(b) == at[size_t(p)]) << "redo to " << p;
        ASSERT_TRUE(LinksConsistent(b)) << "redo to " << p;
    }
    EXPECT_FALSE(d.Redo());
    EXPECT_TRUE(StateBytes(b) == lastState);
    EXPECT_EQ(FileBytes(b), lastFile);
    EXPECT_EQ(WrittenFile(s), lastWritten);
    EXPECT_TRUE(d.modified());
}

// Actions, undos, redos and saves mixed: every position holds the battle recorded for
// it, and the battle is modified exactly away from the position last saved.
TEST_P(CommandHistory, RandomWalkOfUndoRedoAndSavesKeepsEveryPosition) {
    const Arrangement a = GetParam();
    EditingSession s(a.seed + 1000, a.cols, a.rows, a.gridLayout);
    BattleDocument& d = s.document;
    const Battle& b = d.battle();
    const BattleHistory& h = d.history();
    const QString path = s.folder + "/Battles/walk.scn";
    std::vector<Snapshot> at{Take(b)};
    int saved = 0;
    std::mt19937 rng(a.seed * 7 + 3);

    int undos = 0, redos = 0, saves = 0;
    ActionTally tally;
    for (int i = 0; i < kWalkSteps; ++i) {
        const int what = int(rng() % 20);
        if (what < 12) {
            ActAndCheck(s, at, saved, i, tally);
            if (HasFatalFailure())
                return;
            continue;
        }
        if (what < 16) {
            undos += d.Undo();
        } else if (what < 19) {
            redos += d.Redo();
        } else {
            ASSERT_TRUE(d.SaveTo(path, s.definitions, s.context->messages));
            saved = h.position();
            at[size_t(saved)] = Take(b); // the save put the units in canonical order
            ++saves;
        }
        const int p = h.position();
        ASSERT_TRUE(Take(b) == at[size_t(p)]) << "step " << i << " at " << p;
        ASSERT_TRUE(LinksConsistent(b)) << "step " << i;
        ASSERT_EQ(d.modified(), p != saved) << "step " << i;
        ASSERT_EQ(h.CanRedo(), p + 1 < int(at.size())) << "step " << i;
    }
    EXPECT_GT(undos, kWalkSteps / 10);
    EXPECT_GT(redos, kWalkSteps / 40);
    EXPECT_GT(saves, 0);
}

INSTANTIATE_TEST_SUITE_P(Grids, CommandHistory,
                         testing::Values(Arrangement{20261209, 22, 17, GridVertical},
                                         Arrangement{424242, 17, 21, GridHoriz}));

} // namespace
