// The map editing tools wired into the main window: the mode commands, the selection by
// dragging, the clipboard keys, paste by a click, undo, a resize through its dialog and the
// overview's menu item.
#include "MainWindowFixture.h"
#include "MapEditTools.h"
#include "OverviewDock.h"
#include "ResizeMapDialog.h"

#include <QSpinBox>

namespace {

QAction* Named(TMainForm& form, const char* name) {
    return form.findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

TEST_F(MainWindow, MapEditToolsWorkThroughTheWindow) {
    Open("ford.scn");
    ASSERT_TRUE(form->battleActive());
    MapEditTools& tools = form->mapEditTools();
    const int cols = form->battle().settings.mapCols;

    // The small test set names no path pieces: Draw Path says why and keeps the mode.
    Named(*form, "DrawPath")->trigger();
    EXPECT_NE(form->commandMode, ModeDrawPath);
    EXPECT_TRUE(form->statusText().contains("no path pieces")) << form->statusText().toStdString();

    // A drag over hexes in Select Hexes; the clipboard keys now copy hexes.
    Named(*form, "SelectHexes")->trigger();
    ASSERT_EQ(form->commandMode, ModeSelectHexes);
    EXPECT_EQ(Named(*form, "CopyHexes")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_TRUE(form->actions().copyUnit->shortcut().isEmpty());
    const auto at = [&](int hex) {
        return HexOrigin(form->renderer().metrics(), hex, form->renderer().originHex()) +
               QPoint(6, 6);
    };
    const int corner = 2 * cols + 4, far = 3 * cols + 6; // the objective stands on hex 65
    form->MapWinMouseMove(at(corner).x(), at(corner).y());
    form->MapWinMouseDown(Qt::LeftButton);
    form->MapWinMouseMove(at(far).x(), at(far).y());
    form->MapWinMouseUp(Qt::LeftButton);
    EXPECT_EQ(tools.selection().count(), 6);
    EXPECT_EQ(form->statusText(), "6 hexes selected.");
    EXPECT_FALSE(form->mapEditTools().Outline().empty());

    // Copy, then paste by a click elsewhere: a second objective; one step of undo.
    Named(*form, "CopyHexes")->trigger();
    Named(*form, "PasteHexes")->trigger();
    EXPECT_TRUE(tools.pasting());
    ClickHex(10 * cols + 10);
    EXPECT_FALSE(tools.pasting());
    EXPECT_EQ(form->battle().objectives().count(), 2);
    EXPECT_EQ(form->document().UndoCaption(), "Paste Hexes");
    form->UndoClick();
    EXPECT_EQ(form->battle().objectives().count(), 1);

    // A resize through its dialog, answered here; the view is rebuilt for the new size.
    tools.prepareResizeDialog = [](ResizeMapDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog] {
            dialog.edgeBox(ResizeMapLogic::Left)->setValue(2);
            dialog.OKBtnClick();
        });
    };
    Named(*form, "ResizeMap")->trigger();
    EXPECT_EQ(form->battle().settings.mapCols, cols + 2);
    // The objective keeps its ground: two columns further right on each row before it.
    EXPECT_EQ(form->battle().objectives()[1].hex, 65 + 2 + 2 * (65 / cols));
    EXPECT_EQ(form->document().UndoCaption(), "Resize Map");
    EXPECT_EQ(tools.selection().hexCount(), form->battle().hexCount());

    // The overview follows the battle and its menu item.
    Named(*form, "ShowOverview")->trigger();
    EXPECT_TRUE(tools.overview().isVisible());
    EXPECT_EQ(tools.overview().overview().image().width(), (cols + 2) * tools.overview().scale());
    form->UndoClick();
    EXPECT_EQ(tools.overview().overview().image().width(), cols * tools.overview().scale());
}
