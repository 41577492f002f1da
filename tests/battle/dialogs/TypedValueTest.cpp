// Typed values: the number a designer types is reached with the field's own arrow steps,
// and the entry over a value's label takes Enter and Escape for itself.

#include "DialogTestSupport.h"
#include "TNewMap.h"
#include "TypedValueEntry.h"
#include "ValueSteps.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// A field stepped by a rule, counting the clicks.
struct Field {
    int value;
    std::function<int(int, bool)> rule;
    int clicks = 0;
    int Reach(int target) {
        return ReachTypedValue(
            target, [this] { return value; },
            [this](bool up) {
                ++clicks;
                value = rule(value, up);
            });
    }
};

int InRange(int value, bool up) {
    StepInRange(value, up, {10, 150});
    return value;
}

// Steps of 5 between 0 and 100.
int ByFives(int value, bool up) {
    return std::clamp(value + (up ? 5 : -5), 0, 100);
}

TEST(ReachTypedValue, StopsOnTheTargetOrAtTheEndOfTheRange) {
    Field f{35, InRange};
    EXPECT_EQ(f.Reach(150), 115);
    EXPECT_EQ(f.value, 150);
    f.Reach(999);
    EXPECT_EQ(f.value, 150);
    f.Reach(-4);
    EXPECT_EQ(f.value, 10);
    f.clicks = 0;
    f.Reach(10);
    EXPECT_EQ(f.clicks, 0); // already there: not a single click
}

TEST(ReachTypedValue, AValueFromAFileOutsideTheRangeStepsOntoTheRangeFirst) {
    Field f{400, InRange};
    f.Reach(120);
    EXPECT_EQ(f.value, 120);
    Field low{2, InRange};
    low.Reach(12);
    EXPECT_EQ(low.value, 12);
}

TEST(ReachTypedValue, StepsThatJumpOverTheTargetEndOnTheNearerValue) {
    Field f{50, ByFives};
    f.Reach(62); // 60 is nearer than 65
    EXPECT_EQ(f.value, 60);
    f.Reach(74); // 75 is nearer than 70
    EXPECT_EQ(f.value, 75);
    f.Reach(3);
    EXPECT_EQ(f.value, 5);
    f.Reach(-20);
    EXPECT_EQ(f.value, 0);
}

TEST(ReachTypedValue, ARuleThatNeverSettlesStillEnds) {
    // An up step that always moves, but away: the walk must not run forever.
    Field f{0, [](int v, bool) { return v - 1; }};
    f.Reach(10);
    EXPECT_LT(f.value, 0);
    EXPECT_LE(f.clicks, 1 << 17);
}

TEST(LastNumberIn, ReadsTheLabelsFigure) {
    EXPECT_EQ(LastNumberIn("Men: 35"), 35);
    EXPECT_EQ(LastNumberIn("Height: -2"), -2);
    EXPECT_EQ(LastNumberIn("Max Turns: 300"), 300);
    EXPECT_EQ(LastNumberIn("255"), 255);
    EXPECT_EQ(LastNumberIn("Men: --"), std::nullopt);
    EXPECT_EQ(LastNumberIn(""), std::nullopt);
}

// The new-battle dialog's rows label, typed into.
class TypedEntry : public ::testing::Test {
protected:
    TypedEntry() : dialog(*bench.context, bench.Shower()) {
        dialog.show();
        rows = dialog.findChild<QLabel*>("MpRw");
    }
    QLineEdit* OpenOn(QLabel* label) {
        QTest::mouseClick(label, Qt::LeftButton);
        return label->findChild<QLineEdit*>();
    }
    DialogTestBench bench;
    TNewMap dialog;
    QLabel* rows = nullptr;
};

TEST_F(TypedEntry, EnterTakesTheNumberWithinTheArrowsRange) {
    ASSERT_NE(rows, nullptr);
    QLineEdit* editor = OpenOn(rows);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "35");
    QTest::keyClicks(editor, "150");
    bench.sounds->ClearPlayed();
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(rows->text(), "Rows: 150");
    EXPECT_EQ(dialog.findChild<QLabel*>("TotHex")->text(), "Total Hexes: 9750");
    EXPECT_TRUE(dialog.isVisible()) << "Enter must not press the dialog's OK";
    EXPECT_EQ(bench.sounds->played().size(), 1u) << "one click, not one per step";

    editor = OpenOn(rows);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "9999");
    QTest::keyClick(editor, Qt::Key_Enter);
    EXPECT_EQ(rows->text(), "Rows: 150");
    editor = OpenOn(rows);
    QTest::keyClicks(editor, "3");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(rows->text(), "Rows: 10");
}

// Tab goes on to the value below (Rows, then Columns), Shift+Tab back; after Enter a second
// Enter is the dialog's, with no name field's text selected under the typing.
TEST_F(TypedEntry, TabGoesToTheNextValueAndEnterLeavesTheKeyboardToTheDialog) {
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QLabel* cols = dialog.findChild<QLabel*>("MpCl");
    QLineEdit* editor = OpenOn(rows);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "30");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(rows->text(), "Rows: 30");
    editor = cols->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "Tab opens the columns";
    EXPECT_EQ(QApplication::focusWidget(), editor);
    QTest::keyClicks(editor, "40");
    QTest::keyClick(editor, Qt::Key_Backtab);
    EXPECT_EQ(cols->text(), "Cols: 40");
    editor = rows->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "Shift+Tab opens the rows again";
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), &dialog);
    EXPECT_TRUE(dialog.isVisible());
}

// Only Escape cancels a typed figure; leaving the entry (a click elsewhere, "Exit") keeps it.
TEST_F(TypedEntry, EscapeCancelsAndLeavingTheEntryTakesTheTypedValue) {
    ASSERT_NE(rows, nullptr);
    QLineEdit* editor = OpenOn(rows);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "99");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(rows->text(), "Rows: 35");
    EXPECT_TRUE(dialog.isVisible()) << "Escape must not cancel the dialog";
    QApplication::processEvents(); // the closed entry goes
    EXPECT_EQ(rows->findChild<QLineEdit*>(), nullptr);

    editor = OpenOn(rows);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "99");
    dialog.findChild<QLineEdit*>("SNam")->setFocus();
    EXPECT_EQ(rows->text(), "Rows: 99");
    // Letters are not taken.
    editor = OpenOn(dialog.findChild<QLabel*>("GameTurns"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "30");
    QTest::keyClicks(editor, "ab"); // over the selected figure: refused, the figure stays
    EXPECT_EQ(editor->text(), "30");
}

} // namespace
