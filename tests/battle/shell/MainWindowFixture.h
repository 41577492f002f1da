#pragma once
// The main window over a program folder with a small set "test" and a battle "ford.scn"
// drawn with it; questions are answered by `answer` and noted in `asked`.

#include "TMainForm.h"

#include "BattleFile.h"
#include "MapFixtures.h"
#include "WindowFixtures.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

// A program folder with a small set "test" and a battle "ford.scn" drawn with it.
class MainWindow : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QStringList warnings;
    std::vector<int> asked;
    int answer = OrvNo;
    std::unique_ptr<TMainForm> form;

    QString battles() const { return dir.path() + "/Battles"; }

    void SetUp() override {
        ASSERT_TRUE(WriteTestSet(dir.path()));
        WriteBattle("ford.scn", "Varnholm Ford");
        form = ShowMainWindow(dir.path(), warnings);
        form->askMessage = [this](int number, int) {
            asked.push_back(number);
            return answer;
        };
    }

    void WriteBattle(const QString& file, const char* name, const char* setName = "test") {
        Battle b;
        b.settings.mapCols = 30;
        b.settings.mapRows = 20;
        b.settings.symbolSetName = setName;
        b.settings.battleName = name;
        b.settings.sideAName = "Western Forces";
        b.settings.sideBName = "Eastern Forces";
        ASSERT_TRUE(b.InitNewBattle({}));
        ObjectiveRecord objective;
        ASSERT_NE(b.AddObjective(objective, 65), 0);
        ASSERT_TRUE(WriteBattleFile(battles() + "/" + file, b, Definitions{}, 11, {}));
    }

    void Open(const QString& file) { form->OpenBattleFile(battles() + "/" + file); }
    void ClickHex(int hex, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint p = HexOrigin(form->renderer().metrics(), hex, form->renderer().originHex());
        form->MapWinMouseMove(p.x() + 6, p.y() + 6);
        form->MapWinMouseDown(button);
        form->MapWinMouseUp(button);
    }
    // A menu command by its object name; a missing one fails the test instead of crashing.
    QAction* Act(const char* name) {
        QAction* a = form->findChild<QAction*>(QString::fromLatin1(name));
        if (!a) {
            ADD_FAILURE() << "no action " << name;
            static QAction dummy;
            return &dummy;
        }
        return a;
    }
    bool Enabled(const char* name) { return Act(name)->isEnabled(); }
    // Closes the next modal dialog as soon as it shows, noting its class.
    void CloseNextDialog() {
        QTimer::singleShot(0, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                closed << QString::fromLatin1(w->metaObject()->className());
                w->close();
            }
        });
    }
    QStringList closed;
};
