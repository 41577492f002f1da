// "Export Map Picture..." in the File menu: offered with a battle, writes the whole map at
// the chosen level with the view's preferences, and leaves the battle and its view alone.
#include "MainWindowFixture.h"

#include "MapPicture.h"
#include "MapPictureExport.h"

#include <QImage>
#include <QMenu>
#include <QMenuBar>

namespace {

class ExportMapPicture : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        MapPictureExport& exporter = form->mapPictureExport();
        exporter.chooseZoom = [this](MapPictureChoice& choice) {
            offeredZoom = choice.zoom();
            return chosenZoom;
        };
        exporter.choosePath = [this](const QString&, const QString& offered, const QString&) {
            offeredPath = offered;
            return chosenPath;
        };
        // The start's own warnings (no palette, no definitions in the test folder).
        warnings.clear();
    }
    void Export() { form->actions().exportMapPicture->trigger(); }

    int offeredZoom = -1;
    int chosenZoom = 1;
    QString offeredPath;
    QString chosenPath;
};

TEST_F(ExportMapPicture, IsAFileCommandOfAShownBattle) {
    QAction* item = form->actions().exportMapPicture;
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Export Map Picture...");
    EXPECT_EQ(item->objectName(), "ExportMapPicture");
    ASSERT_FALSE(form->menuBar()->actions().isEmpty());
    const QMenu* file = form->menuBar()->actions().front()->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(QString(file->title()).remove(QLatin1Char('&')), "File "); // Alt+F opens it
    EXPECT_TRUE(file->actions().contains(item));
    EXPECT_FALSE(item->isEnabled());
    Open("ford.scn");
    EXPECT_TRUE(item->isEnabled());
}

TEST_F(ExportMapPicture, WritesTheWholeMapAsTheViewDrawsIt) {
    Open("ford.scn");
    ASSERT_TRUE(form->battleActive());
    form->prefs.showOverlay = false;
    const int originBefore = form->battle().settings.viewOriginHex;
    chosenPath = dir.filePath("ford-map"); // the extension is added
    Export();
    EXPECT_EQ(offeredZoom, form->renderer().zoomLevel());
    EXPECT_EQ(offeredPath, battles() + "/ford.png");
    const QImage written(dir.filePath("ford-map.png"));
    ASSERT_FALSE(written.isNull());
    MapPictureOptions expected;
    expected.zoom = 1;
    expected.prefs = form->prefs;
    expected.tableColour = form->renderer().tableColour;
    expected.hexMask = form->renderer().hexMask;
    const QImage drawn =
        RenderMapPicture(form->battle(), form->context().symbols, expected).picture;
    EXPECT_EQ(written.size(), MapPictureSize(form->battle(), form->context().symbols, 1));
    EXPECT_TRUE(written.convertToFormat(QImage::Format_RGB32) == drawn);
    EXPECT_EQ(form->battle().settings.viewOriginHex, originBefore);
    EXPECT_FALSE(form->document().modified());
    EXPECT_TRUE(warnings.isEmpty()) << qPrintable(warnings.join('\n'));
}

TEST_F(ExportMapPicture, CancelledWritesNothing) {
    Open("ford.scn");
    chosenZoom = -1;
    chosenPath = dir.filePath("never.png");
    Export();
    EXPECT_TRUE(offeredPath.isEmpty()); // no save box after a cancelled level
    chosenZoom = 0;
    chosenPath.clear();
    Export();
    EXPECT_FALSE(offeredPath.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("never.png")));
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(ExportMapPicture, AFailedWriteIsShown) {
    Open("ford.scn");
    chosenPath = dir.filePath("no-such-folder/map.png");
    Export();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("no-such-folder/map.png")) << qPrintable(warnings[0]);
}

} // namespace
