// The map scale: its preference file, the enlarged showing, and the main window working in
// the buffer's pixels at every scale.

#include "BattlePreferences.h"
#include "DisplayScale.h"
#include "MapWidget.h"
#include "TMainForm.h"

#include "BattleFile.h"
#include "SetMaintenance.h"
#include "SymbolStorage.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <gtest/gtest.h>

TEST(MapScalePreference, ReadsWhatWasWrittenAndFallsBackOnDamage) {
    QTemporaryDir dir;
    EXPECT_EQ(ReadBattlePreferences(dir.path()).mapScale, kDesktopMapScale); // no file yet
    ASSERT_TRUE(WriteBattlePreferences(dir.path(), {3}));
    EXPECT_EQ(ReadBattlePreferences(dir.path()).mapScale, 3);
    EXPECT_EQ(ParseBattlePreferences(FormatBattlePreferences({2})).mapScale, 2);
    // Out of range, not a number, unknown names, stray lines: defaults.
    for (const char* text : {"MapScale=4\n", "MapScale=-1", "MapScale=two", "Scale=2", "=2", ""})
        EXPECT_EQ(ParseBattlePreferences(text).mapScale, kDesktopMapScale) << text;
    EXPECT_EQ(ParseBattlePreferences("MapScale=1").mapScale, 1);
    EXPECT_EQ(ParseBattlePreferences("junk\r\n MapScale = 2 \r\n").mapScale, 2);
    // A folder that cannot be written keeps nothing and says so.
    EXPECT_FALSE(WriteBattlePreferences(dir.path() + "/missing/folder", {2}));
}

TEST(MapScaleShowing, EveryBufferPixelBecomesASquare) {
    QImage buffer(6, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            buffer.setPixel(x, y, qRgb(x * 40, y * 50, 7));
    const QRect view(1, 1, 4, 3);
    for (int scale = 1; scale <= 3; ++scale) {
        QImage window;
        ScaleView(buffer, view, scale, window);
        ASSERT_EQ(window.size(), view.size() * scale);
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x)
                ASSERT_EQ(window.pixel(x, y), buffer.pixel(1 + x / scale, 1 + y / scale))
                    << "scale " << scale << " at " << x << "," << y;
    }
}

namespace {

// A program folder with a small set and a 40 × 30 battle "ford.scn" drawn with it.
class ScaledWindow : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QStringList warnings;
    std::unique_ptr<TMainForm> form;

    void SetUp() override {
        const QString battles = dir.path() + "/Battles";
        ASSERT_TRUE(QDir(dir.path()).mkpath("Battles"));
        SymbolSet set;
        ASSERT_TRUE(CreateNewSet(set, dir.path(), LayoutVertical, true, {15, 30, 45}).ok);
        for (int i = 0; i < 4; ++i)
            ASSERT_TRUE(AddSymbol(set, SymbolKind::Terrain, "t", {}, qRgb(60 * i, 100, 50)).ok);
        ASSERT_TRUE(SaveSetTo(set, dir.path() + "/new.set", battles + "/test.set").ok);
        Battle b;
        b.settings.mapCols = 40;
        b.settings.mapRows = 30;
        b.settings.symbolSetName = "test";
        b.settings.battleName = "Ford";
        ASSERT_TRUE(b.InitNewBattle({}));
        ASSERT_TRUE(WriteBattleFile(battles + "/ford.scn", b, Definitions{}, 11, {}));
    }
    void Start() {
        form = std::make_unique<TMainForm>(
            dir.path(), [this](const QString&, const QString& text) { warnings << text; });
        form->resize(700, 500);
        form->show();
        form->OpenBattleFile(dir.path() + "/Battles/ford.scn");
        ASSERT_TRUE(form->battleActive()) << warnings.join("|").toStdString();
    }
    MapWidget* map() { return form->findChild<MapWidget*>("MapWin"); }
    QAction* scaleAction(int scale) {
        return form->findChild<QAction*>(QStringLiteral("MapScale%1").arg(scale));
    }
};

} // namespace

TEST_F(ScaledWindow, TheChosenScaleDrawsTheBufferForAFractionOfTheWindow) {
    Start();
    MapWidget* m = map();
    ASSERT_NE(m, nullptr);
    ASSERT_NE(scaleAction(2), nullptr);
    EXPECT_TRUE(scaleAction(kDesktopMapScale)->isChecked()); // a desktop at 100 %: 1×
    EXPECT_EQ(form->renderer().viewRect().size(), m->size());
    const int colsAtOne = form->renderer().visibleCols();

    scaleAction(2)->trigger();
    EXPECT_TRUE(scaleAction(2)->isChecked());
    EXPECT_FALSE(scaleAction(1)->isChecked());
    EXPECT_EQ(form->renderer().viewRect().size(), QSize(m->width() / 2, m->height() / 2));
    EXPECT_LT(form->renderer().visibleCols(), colsAtOne);
    // Kept for the next start, not in the battle.
    EXPECT_EQ(ReadBattlePreferences(dir.path()).mapScale, 2);
    EXPECT_FALSE(form->document().modified());
}

TEST_F(ScaledWindow, ThePointerIsReportedInBufferPixels) {
    ASSERT_TRUE(WriteBattlePreferences(dir.path(), {3}));
    Start();
    MapWidget* m = map();
    ASSERT_EQ(m->scale(), 3); // read at start
    EXPECT_TRUE(scaleAction(3)->isChecked());
    std::vector<QPoint> moved;
    QObject::connect(m, &MapWidget::mouseMoved, [&](int x, int y) { moved.emplace_back(x, y); });
    QMouseEvent move(QEvent::MouseMove, QPointF(95, 62), m->mapToGlobal(QPointF(95, 62)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m, &move);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0], QPoint(31, 20));
    EXPECT_EQ(form->renderer().viewRect().size(), QSize(m->width() / 3, m->height() / 3));
}

TEST_F(ScaledWindow, ZoomingAtThePointerFindsTheHexUnderItAtTheScale) {
    ASSERT_TRUE(WriteBattlePreferences(dir.path(), {2}));
    Start();
    MapWidget* m = map();
    const QPointF pointer(m->width() - 40, m->height() - 30); // near the bottom right
    const int hex = form->renderer().HexAtPoint(int(pointer.x()) / 2, int(pointer.y()) / 2);
    ASSERT_NE(hex, kOffMap);
    QWheelEvent wheel(pointer, m->mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m, &wheel);
    ASSERT_EQ(form->renderer().zoomLevel(), 1);
    const MapRenderer& r = form->renderer();
    const MapMetrics metrics = r.metrics();
    const int col = metrics.col(hex), row = metrics.row(hex);
    const int c0 = metrics.col(r.originHex()), r0 = metrics.row(r.originHex());
    // The hex is in the new view, which is the buffer's half of the window.
    EXPECT_GE(col, c0);
    EXPECT_LT(col, c0 + r.visibleCols());
    EXPECT_GE(row, r0);
    EXPECT_LT(row, r0 + r.visibleRows());
    EXPECT_EQ(r.viewRect().size(), QSize(m->width() / 2, m->height() / 2));
}

TEST_F(ScaledWindow, TheWindowShowsEachBufferPixelAsASquareAlsoWhenPartlyRepainted) {
    ASSERT_TRUE(WriteBattlePreferences(dir.path(), {2}));
    Start();
    MapWidget* m = map();
    const QImage& buffer = form->renderer().buffer();
    const QPoint view = form->renderer().viewRect().topLeft();
    // The whole window, and a part starting between two buffer pixels.
    for (const QRect part : {m->rect(), QRect(31, 17, 41, 29)}) {
        const QImage shown = m->grab(part).toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), part.size());
        for (int y = 0; y < shown.height(); y += 3)
            for (int x = 0; x < shown.width(); x += 3) {
                const QPoint at = part.topLeft() + QPoint(x, y);
                ASSERT_EQ(shown.pixel(x, y), buffer.pixel(view + QPoint(at.x() / 2, at.y() / 2)))
                    << "window pixel " << at.x() << "," << at.y();
            }
    }
}
