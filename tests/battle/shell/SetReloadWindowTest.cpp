// Art saved by the symbol editor reaches the map at once: the battle editor notices that the
// shown battle's set changed on disk, asks, and takes the new pictures in without touching
// the battle, its view or its undo history.
#include "MainWindowFixture.h"

#include <SymbolStorage.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

int CountColour(const QImage& picture, QRgb colour) {
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += picture.pixel(x, y) == colour;
    return n;
}

} // namespace

TEST_F(MainWindow, AChangedSetIsOfferedAndTakenInKeepingTheBattleAndItsHistory) {
    Open("ford.scn");
    ASSERT_TRUE(form->document().Edit("Place Primary Terrain",
                                      [](Battle& b) { b.SetTerrainSlot(40, 0, 3); }));
    form->RedrawAll();
    const int origin = form->renderer().originHex();
    const QStringList warned = warnings; // the fixture's folder has no definitions
    const QRgb pink = qRgb(250, 20, 200);
    ASSERT_EQ(CountColour(form->renderer().buffer(), pink), 0);

    // The symbol editor saves terrain symbol 4 (number 3 on the map) in pink.
    SymbolSet set;
    ASSERT_TRUE(set.Read(battles() + "/test.set").ok);
    LevelPictures pictures;
    bool transparent = false;
    ASSERT_TRUE(LoadSymbol(set, SymbolKind::Terrain, 4, pictures, transparent).ok);
    for (QImage& picture : pictures)
        picture.fill(pink);
    ASSERT_TRUE(StoreSymbol(set, SymbolKind::Terrain, 4, pictures, false).ok);

    QString question;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&question] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != "SetReloadOffer")
            return;
        question = box->text();
        box->button(QMessageBox::Yes)->click();
    });
    answerer.start(20);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return CountColour(form->renderer().buffer(), pink) > 0; }, 10000));
    EXPECT_EQ(question, "The symbol set test changed on disk. Reload it?");
    EXPECT_EQ(form->battle().hex(40).primaryTerrain, 3);
    EXPECT_TRUE(form->document().CanUndo());
    EXPECT_EQ(form->document().UndoCaption(), "Place Primary Terrain");
    EXPECT_EQ(form->renderer().originHex(), origin);
    EXPECT_EQ(warnings, warned) << "the reload warns of nothing";
}

TEST_F(MainWindow, ABattleNameTypedWithoutItsExtensionOpens) {
    form->chooseOpenPath = [this](const QString&, const QString&, const QString&) {
        return battles() + "/ford";
    };
    form->OpenMapFileClick();
    EXPECT_EQ(form->windowTitle(), "Fieldmark Varnholm:Varnholm Ford[*]"); // [*]: the modified mark
}
