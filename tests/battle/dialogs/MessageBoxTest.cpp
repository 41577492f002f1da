// The message box's texts, buttons and answers, and the sound effects behind it.

#include "DialogTestSupport.h"
#include "SoundEffects.h"
#include "TOrvMsgBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

struct Box {
    explicit Box(SoundEffects& sounds) : box(sounds) {}
    QLabel* text() { return box.findChild<QLabel*>("Label1"); }
    QPushButton* button(const char* name) { return box.findChild<QPushButton*>(name); }
    // Shows the message modally and presses the named button once it is up.
    int AskAndPress(int number, int mode, const char* name) {
        bool visibleWhenPressed = false;
        QTimer::singleShot(0, &box, [this, name, &visibleWhenPressed] {
            visibleWhenPressed = box.isVisible();
            seenText = text()->text();
            seenTitle = box.windowTitle();
            seenYes = button("yesbtn")->text();
            noVisible = button("nobtn")->isVisible();
            cancelVisible = button("canbtn")->isVisible();
            QTest::mouseClick(button(name), Qt::LeftButton);
        });
        const int answer = box.Ask(number, mode);
        EXPECT_TRUE(visibleWhenPressed);
        return answer;
    }

    TOrvMsgBox box;
    QString seenText, seenTitle, seenYes;
    bool noVisible = true;
    bool cancelVisible = true;
};

TEST(MessageBox, Message13HasOneOkButtonThatAnswers1) {
    DialogTestBench bench;
    Box b(*bench.sounds);
    EXPECT_EQ(b.AskAndPress(13, 1, "yesbtn"), 1);
    EXPECT_EQ(b.seenText, "Units for this faction have not been defined.");
    EXPECT_EQ(b.seenTitle, "Order of Battle");
    EXPECT_EQ(b.seenYes, "Ok");
    EXPECT_FALSE(b.noVisible);
    EXPECT_FALSE(b.cancelVisible);
}

TEST(MessageBox, Message1AsksYesOrNoAndNoAnswers2) {
    DialogTestBench bench;
    Box b(*bench.sounds);
    EXPECT_EQ(b.AskAndPress(1, 2, "nobtn"), 2);
    EXPECT_EQ(b.seenText, "Save changes to this battle?");
    EXPECT_EQ(b.seenTitle, "Save Changes?");
    EXPECT_EQ(b.seenYes, "Yes");
    EXPECT_TRUE(b.noVisible);
    EXPECT_FALSE(b.cancelVisible);
    EXPECT_EQ(b.AskAndPress(1, 2, "yesbtn"), 1);
}

TEST(MessageBox, ModeOneAfterModeTwoHidesNoAgain) {
    DialogTestBench bench;
    Box b(*bench.sounds);
    b.AskAndPress(7, 2, "yesbtn");
    EXPECT_EQ(b.seenText, "Keep Terrain Fill Changes?");
    EXPECT_EQ(b.seenTitle, "Keep Changes?");
    b.AskAndPress(14, 1, "yesbtn");
    EXPECT_EQ(b.seenText, "Reinforcements for this faction have not been defined.");
    EXPECT_EQ(b.seenTitle, "ReinForcements");
    EXPECT_FALSE(b.noVisible);
}

TEST(MessageBox, EscapeOrTheCloseBoxCancels) {
    DialogTestBench bench;
    TOrvMsgBox box(*bench.sounds);
    QTimer::singleShot(0, &box, [&box] { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(box.Ask(1, 2), OrvCancelled);
    QTimer::singleShot(0, &box, [&box] { box.close(); });
    EXPECT_EQ(box.Ask(1, 2), OrvCancelled);
}

TEST(MessageBox, EveryShowingPlaysTheRefusalSound) {
    DialogTestBench bench;
    Box b(*bench.sounds);
    b.AskAndPress(10, 1, "yesbtn");
    b.AskAndPress(12, 1, "yesbtn");
    EXPECT_EQ(bench.sounds->played(), std::vector<int>({13, 13}));
}

TEST(MessageBox, TableTexts) {
    EXPECT_EQ(OrvMessageText(10).text, "You must enter a battle name.");
    EXPECT_EQ(OrvMessageText(10).title, "Scenario Name?");
    EXPECT_EQ(OrvMessageText(12).text, "You must enter both faction names.");
    EXPECT_EQ(OrvMessageText(12).title, "Factions?");
    EXPECT_TRUE(OrvMessageText(2).text.isEmpty());
}

TEST(SoundEffects, MissingFilesAndUnknownEffectsPlayNothingButAreRecorded) {
    DialogTestBench bench; // its wavs folder is empty
    SoundEffects& sounds = *bench.sounds;
    sounds.Play(SoundClick);
    sounds.Play(SoundZoom, PlayAndWait); // must not wait for a sound that never comes
    sounds.Play(99);
    sounds.Play(-1, PlayUnlessPlaying);
    EXPECT_EQ(sounds.played(), std::vector<int>({6, 11, 99, -1}));
    sounds.ClearPlayed();
    EXPECT_TRUE(sounds.played().empty());
}

TEST(SoundEffects, FolderWithoutWavsPlaysNothing) {
    SoundEffects sounds("/nonexistent/program/folder");
    sounds.Play(SoundRefusal, PlayAndWait);
    EXPECT_EQ(sounds.played(), std::vector<int>({13}));
}

} // namespace
