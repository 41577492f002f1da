#include "BattleRecoveryStore.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every main window takes a lock in the recovery folder and may leave a copy there: the
// tests use a folder of their own, emptied after each test so no window is offered the
// copy of an earlier test's window.
class EmptyRecoveryFolder : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        QDir(RecoveryFolder()).removeRecursively();
    }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir state;
    if (!state.isValid())
        return 1; // never the designer's own recovery folder
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new EmptyRecoveryFolder);
    return RUN_ALL_TESTS();
}
