// The main window's flows with their questions: a save question that is cancelled, or whose
// save does not happen, stops the command; open dialogs take names without extension; the
// keys, the wheel and Redo; dialogs above stay-on-top windows.
#include "DialogScript.h"
#include "EditorFixtures.h"

#include <FileSizeLimit.h>
#include <FileTree.h>
#include <GridViews.h>
#include <SetMaintenance.h>
#include <SymbolDialogs.h>
#include <TForm1.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QRgb kGreen = qRgb(0, 160, 0);

struct SymbolMainWindow : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<TForm1> window;

    void SetUp() override {
        MakeProgramFolder(dir.path());
        qputenv("XDG_STATE_HOME", dir.filePath("state").toUtf8());
        window = std::make_unique<TForm1>();
        window->SetUp(dir.path());
    }
    void TearDown() override {
        // Leaves without questions.
        window->session().newSet = false;
        window->session().setOpen = false;
        window->session().ZapWorkArea();
    }
    EditorSession& session() { return window->session(); }

    void OpenPikes() {
        SetResult r;
        ASSERT_EQ(session().OpenSet(dir.filePath("Battles/house.set"), r),
                  EditorSession::OpenOutcome::Opened);
        const SymbolSelection before = session().BeginEditSymbols(2);
        session().selection.symbol = 1;
        ASSERT_TRUE(session().FinishEditSymbols(true, before).ok);
        window->ShowSession();
    }
    void Paint(QPoint pixel) {
        session().tools.SetPrimary(kGreen);
        session().tools.DrwGrdMouseDown(Qt::LeftButton, pixel);
        session().tools.DrwGrdMouseUp(pixel);
        window->ShowSession();
    }
    QAction* EditAction(const QString& text) {
        for (QAction* menu : window->menuBar()->actions()) {
            if (menu->text() != "Edit")
                continue;
            for (QAction* a : menu->menu()->actions()) {
                if (a->text() == text)
                    return a;
            }
        }
        return nullptr;
    }
    QToolButton* ToolButton(const QString& face) {
        for (QToolButton* b : window->findChildren<QToolButton*>()) {
            if (b->text() == face)
                return b;
        }
        return nullptr;
    }
};

} // namespace

TEST_F(SymbolMainWindow, EscapeOrTheCloseBoxOnTheSaveQuestionKeepsTheWindowAndTheEdit) {
    OpenPikes();
    Paint({1, 1});
    {
        DialogScript script({DialogScript::Key(Qt::Key_Escape)});
        EXPECT_FALSE(window->close());
        EXPECT_EQ(script.seen(), QStringList{"Save symbol set?"});
    }
    {
        DialogScript script({DialogScript::Reject()}); // the close box
        EXPECT_FALSE(window->close());
    }
    EXPECT_TRUE(session().dirty(2));
    EXPECT_EQ(session().work.picture.pixel(1, 1), kGreen);
}

TEST_F(SymbolMainWindow, YesWhoseSaveFailsStopsExitOpenAndTheSymbolSwitch) {
    OpenPikes();
    Paint({1, 1});
    ASSERT_TRUE(QFile::copy(dir.filePath("Battles/house.set"), dir.filePath("Battles/castle.set")));
    const FileSizeLimit fullDisk(10);
    {
        DialogScript script({DialogScript::Click("Yes"), DialogScript::Reject()});
        EXPECT_FALSE(window->close());
        EXPECT_EQ(script.seen(), (QStringList{"Save symbol set?", "Error"}));
    }
    {
        DialogScript script(
            {DialogScript::TypeFile("castle"), DialogScript::Click("Yes"), DialogScript::Reject()});
        window->LoadClick();
        EXPECT_EQ(script.seen(), (QStringList{"Select Set to Open", "Save symbol set?", "Error"}));
    }
    EXPECT_EQ(session().set.baseName(), "house");
    {
        DialogScript script({DialogScript::Click("Yes"), DialogScript::Reject()});
        window->EditSymbols(2);
        // No symbol list after the failed save.
        EXPECT_EQ(script.seen(), (QStringList{"Save symbol?", "Error"}));
    }
    EXPECT_TRUE(session().dirty(2));
    EXPECT_EQ(session().work.picture.pixel(1, 1), kGreen);
}

TEST_F(SymbolMainWindow, YesToSaveTheNewSetWithTheFileDialogCancelledKeepsTheWindow) {
    session().hexSizes = {5, 15, 25};
    ASSERT_TRUE(session().CreateNewImageSet(LayoutVertical, true).ok);
    window->ShowSession();
    DialogScript script({DialogScript::Click("Yes"), DialogScript::Reject()});
    EXPECT_FALSE(window->close());
    EXPECT_EQ(script.seen(), (QStringList{"Save NEW symbol set?", "Save Symbol Set As..."}));
    EXPECT_TRUE(session().newSet);
}

TEST_F(SymbolMainWindow, OpenDialogsTakeANameTypedWithoutItsExtension) {
    {
        DialogScript script({DialogScript::TypeFile("House"), DialogScript::Click("Cancel")});
        window->LoadClick();
        EXPECT_TRUE(script.finished());
    }
    EXPECT_TRUE(session().setOpen);
    EXPECT_EQ(window->windowTitle(), "Fieldmark Symbols: house");
    {
        DialogScript script({DialogScript::Click("Copy an Existing Set"),
                             DialogScript::TypeFile("house"), DialogScript::Click("Cancel")});
        window->NewSetClick();
        EXPECT_TRUE(script.finished());
    }
    EXPECT_TRUE(session().newSet);
    EXPECT_EQ(session().set.baseName(), "new");
    ASSERT_TRUE(Plain(3, 2, kGreen).save(dir.filePath("stamp.bmp")));
    {
        DialogScript script({DialogScript::TypeFile(dir.filePath("Stamp"))});
        window->LoadBrushClick();
    }
    EXPECT_EQ(session().tools.region().size(), QSize(3, 2));
}

TEST_F(SymbolMainWindow, SaveAsAndExportAskBeforeReplacingANameTypedWithoutItsSuffix) {
    OpenPikes();
    SymbolSet castle = NewTestSet(dir.filePath("Battles"), true);
    ASSERT_TRUE(SaveSetTo(castle, castle.setPath, dir.filePath("Battles/castle.set")).ok);
    const QByteArray before = ReadFileBytes(dir.filePath("Battles/castle.set"));
    {
        DialogScript script({DialogScript::TypeFile("Castle"), DialogScript::Click("No")});
        window->SaveSymbolSetAs1Click();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.seen().size(), 2) << "the replace question";
    }
    EXPECT_EQ(ReadFileBytes(dir.filePath("Battles/castle.set")), before);
    EXPECT_EQ(session().set.baseName(), "house");
    {
        DialogScript script({DialogScript::TypeFile("castle"), DialogScript::Click("Yes")});
        window->SaveSymbolSetAs1Click();
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(session().set.baseName(), "castle");
    EXPECT_NE(ReadFileBytes(dir.filePath("Battles/castle.set")), before);

    session().tools.SetRegion(Plain(3, 2, kGreen));
    ASSERT_TRUE(Plain(1, 1, kGreen).save(dir.filePath("stamp.bmp")));
    const QByteArray stamp = ReadFileBytes(dir.filePath("stamp.bmp"));
    {
        DialogScript script({DialogScript::TypeFile("stamp"), DialogScript::Click("No")});
        window->SaveBrushClick();
        EXPECT_EQ(script.seen(), (QStringList{"Save Image Region", "Save Image Region"}));
    }
    EXPECT_EQ(ReadFileBytes(dir.filePath("stamp.bmp")), stamp);
}

TEST_F(SymbolMainWindow, AnUnwritableRecoveryFolderIsSaidInTheStatusLine) {
    QFile blocker(dir.filePath("blocked")); // a file where the folder would go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_STATE_HOME", dir.filePath("blocked").toUtf8());
    TForm1 other;
    other.SetUp(dir.path());
    {
        DialogScript script({});
        other.OfferRecovery();
    }
    EXPECT_TRUE(other.statusText().contains("Crash protection is off"))
        << other.statusText().toStdString();
}

TEST_F(SymbolMainWindow, DialogsOpenAboveTheProgramsStayOnTopWindows) {
    OpenPikes();
    Paint({1, 1});
    QWidget floating(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    floating.show();
    bool above = false;
    DialogScript script({DialogScript::Inspect([&](QWidget* question) {
        above = question->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    })});
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(above);
}

TEST_F(SymbolMainWindow, CaptionsCarryNoApplicationNameSuffix) {
    const QString saved = QApplication::applicationName();
    TForm1::SetUpApplication();
    EXPECT_EQ(QApplication::applicationName(), "Fieldmark Symbol Editor");
    // A display name set once would stay and be appended to every caption; none is set.
    QApplication::setApplicationName("Other");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Other");
    QApplication::setApplicationName(saved);
    EXPECT_EQ(window->windowTitle(), "Field Mark Symbol Editor");
}

TEST_F(SymbolMainWindow, EveryToolHasAKeyShownInItsHint) {
    OpenPikes();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->setFocus();
    EXPECT_EQ(ToolButton("Line")->toolTip(), "Set Line Draw Mode (L)");
    EXPECT_EQ(ToolButton("Undo")->toolTip(), "Undo Last Action (Ctrl+Z)");
    QStringList keys;
    int tools = 0;
    for (QToolButton* b : window->findChildren<QToolButton*>()) {
        if (b->objectName().startsWith("qt_"))
            continue; // the menu bar's own
        ++tools;
        const QString hint = b->toolTip();
        ASSERT_TRUE(hint.endsWith(')')) << b->text().toStdString();
        keys << hint.mid(hint.lastIndexOf('(') + 1).chopped(1);
    }
    keys.removeDuplicates();
    EXPECT_EQ(tools, 15);
    EXPECT_EQ(keys.size(), tools);
    // A button's key clicks it a moment later, as a click shown on the button.
    QTest::keyClick(window.get(), Qt::Key_E);
    EXPECT_TRUE(QTest::qWaitFor([&] { return session().tools.mode() == ModeEllipse; }, 2000));
    QTest::keyClick(window.get(), Qt::Key_A);
    EXPECT_TRUE(QTest::qWaitFor([&] { return session().tools.mode() == ModeAirBrush; }, 2000));
    window->hide();
}

TEST_F(SymbolMainWindow, RedoHasBothKeysAndFollowsTheHistory) {
    OpenPikes();
    QAction* undo = EditAction("Undo");
    QAction* redo = EditAction("Redo");
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(redo->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    EXPECT_FALSE(undo->isEnabled());
    Paint({2, 2});
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    undo->trigger();
    EXPECT_EQ(session().work.picture.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_TRUE(redo->isEnabled());
    redo->trigger();
    EXPECT_EQ(session().work.picture.pixel(2, 2), kGreen);
}

TEST_F(SymbolMainWindow, CtrlWheelZoomsTheCanvasAndCtrlShiftWheelChangesTheLevel) {
    OpenPikes();
    auto* grid = window->findChild<PixelGridView*>();
    ASSERT_TRUE(grid);
    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(10, 10), grid->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid, &event);
    };
    const Qt::KeyboardModifiers level = Qt::ControlModifier | Qt::ShiftModifier;
    wheel(120, Qt::NoModifier);
    EXPECT_EQ(session().zoomLevel, 1);
    wheel(120, level);
    EXPECT_EQ(session().zoomLevel, 2);
    wheel(240, level);
    EXPECT_EQ(session().zoomLevel, 3);
    wheel(-120, level);
    EXPECT_EQ(session().zoomLevel, 2);

    const int fitted = session().cell;
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(session().zoomLevel, 2);
    EXPECT_LT(session().cell, fitted);
    EXPECT_FALSE(session().fitGrid);
    EXPECT_EQ(grid->size(), session().work.picture.size() * session().cell);
    window->FitGridToWindow();
    EXPECT_EQ(session().cell, fitted);
}

TEST(PixelGridView, PositionsPastTheLeftAndTopEdgesArePassedOnUnclamped) {
    PixelGridView view;
    view.SetImage(QImage(40, 40, QImage::Format_RGB32));
    QList<QPoint> moves;
    QObject::connect(&view, &PixelGridView::Moved, [&](QPoint p) { moves << p; });
    const QPoint origin((view.width() - 40) / 2, (view.height() - 40) / 2);
    QMouseEvent move(QEvent::MouseMove, QPointF(origin + QPoint(-12, -5)),
                     QPointF(origin + QPoint(-12, -5)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    EXPECT_EQ(moves, QList<QPoint>{QPoint(-12, -5)});
}

TEST(NewSetDialogWindow, EscapeRestoresTheSizesAsCancelDoes) {
    std::array<int, kLevelCount> sizes{5, 15, 25};
    NewSetLogic logic(sizes, LayoutVertical, true);
    TNewImg dialog(nullptr, logic);
    logic.SizeUp(1);
    ASSERT_EQ(sizes[0], 10);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(sizes, (std::array<int, kLevelCount>{5, 15, 25}));
}

namespace {

TEST_F(SymbolMainWindow, ASetNamedAtStartOpensAfterTheStartQuestions) {
    window->openAtStart = dir.filePath("Battles/HOUSE.set"); // found in any case
    {
        // The kind question follows, as after "Open".
        DialogScript script({DialogScript::Click("Cancel")});
        window->StartUpQuestions();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.seen(), QStringList{"Edit/Create Symbols"});
    }
    EXPECT_TRUE(session().setOpen);
    EXPECT_EQ(window->windowTitle(), "Fieldmark Symbols: house");
    EXPECT_TRUE(window->openAtStart.isEmpty());
}

TEST_F(SymbolMainWindow, ASetNamedAtStartThatIsMissingIsReported) {
    window->openAtStart = dir.filePath("Battles/gone.set");
    QString shown;
    {
        DialogScript script({DialogScript::Inspect([&shown](QWidget* box) {
            for (QLabel* label : box->findChildren<QLabel*>())
                shown += label->text();
        })});
        window->StartUpQuestions();
        EXPECT_TRUE(script.finished());
    }
    // Not "not readable": the file is missing, and the message names it.
    EXPECT_TRUE(shown.contains("does not exist")) << qPrintable(shown);
    EXPECT_TRUE(shown.contains(dir.filePath("Battles/gone.set"))) << qPrintable(shown);
    EXPECT_FALSE(session().setOpen);
}

} // namespace
