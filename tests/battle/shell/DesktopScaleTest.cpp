// The map scale on a scaled desktop: this program runs as on a 200 % desktop
// (QT_SCALE_FACTOR=2), where "2×" must show each map pixel as 2 × 2 screen pixels, not
// 4 × 4, and the scale that follows the desktop shows the map as crisply as the rest.
#include "DisplayScale.h"
#include "MapFixtures.h"
#include "MapRenderer.h"
#include "MapWidget.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <memory>

TEST(MapScaleGeometry, CountsScreenPixelsWhateverTheDesktopScaling) {
    const struct {
        int preference;
        qreal ratio;
        int scale;     // screen pixels a map pixel
        QSize buffer;  // for a 300 × 200 window
        QPoint under;  // the buffer pixel under the logical point (95, 62)
        QRect covered; // the logical rectangle of buffer pixels (10, 4) … (12, 5)
    } cases[] = {
        {kDesktopMapScale, 1, 1, {300, 200}, {95, 62}, {10, 4, 3, 2}},
        {2, 1, 2, {150, 100}, {47, 31}, {20, 8, 6, 4}},
        {kDesktopMapScale, 2, 2, {300, 200}, {95, 62}, {10, 4, 3, 2}},
        {1, 2, 1, {600, 400}, {190, 124}, {5, 2, 2, 1}},
        {2, 2, 2, {300, 200}, {95, 62}, {10, 4, 3, 2}},
        {3, 2, 3, {200, 133}, {63, 41}, {15, 6, 5, 3}},
        {kDesktopMapScale, 1.5, 2, {225, 150}, {71, 46}, {13, 5, 5, 3}},
        {1, 1.5, 1, {450, 300}, {142, 93}, {6, 2, 3, 2}},
        {kDesktopMapScale, 3.5, 3, {350, 233}, {110, 72}, {8, 3, 4, 3}},
        {7, 1, 3, {100, 66}, {31, 20}, {30, 12, 9, 6}},
    };
    for (const auto& c : cases) {
        const MapScaleGeometry g = MapScaleGeometry::For(c.preference, c.ratio);
        const std::string at =
            "preference " + std::to_string(c.preference) + " ratio " + std::to_string(c.ratio);
        EXPECT_EQ(g.scale, c.scale) << at;
        EXPECT_EQ(g.BufferSize({300, 200}), c.buffer) << at;
        EXPECT_EQ(g.ToBuffer(QPointF(95, 62)), c.under) << at;
        const QRect logical = g.ToLogical(QRect(10, 4, 3, 2));
        EXPECT_EQ(logical, c.covered) << at;
        // What is repainted for those buffer pixels holds all of them.
        EXPECT_TRUE(g.ToBuffer(logical).contains(QRect(10, 4, 3, 2))) << at;
    }
}

namespace {

class DesktopScaled : public ::testing::Test {
protected:
    void SetUp() override {
        set = MakeLoadedSet();
        MakeBattle(battle, 40, 30);
        renderer = std::make_unique<MapRenderer>(battle, set, prefs);
        widget = std::make_unique<MapWidget>(*renderer);
        widget->resize(300, 200);
        widget->show();
    }
    Battle battle;
    LoadedSymbolSet set;
    DisplayPrefs prefs;
    std::unique_ptr<MapRenderer> renderer;
    std::unique_ptr<MapWidget> widget;
};

} // namespace

TEST_F(DesktopScaled, EachMapPixelIsScaleScreenPixelsSquare) {
    ASSERT_EQ(widget->devicePixelRatioF(), 2.0) << "QT_SCALE_FACTOR=2 was not in force";
    for (const int preference : {kDesktopMapScale, 1, 2, 3}) {
        widget->SetScale(preference);
        const int scale = preference == kDesktopMapScale ? 2 : preference;
        ASSERT_EQ(widget->viewWidth(), 600 / scale) << preference;
        ASSERT_EQ(widget->viewHeight(), 400 / scale) << preference;

        std::vector<QPoint> moved;
        const auto c = QObject::connect(widget.get(), &MapWidget::mouseMoved,
                                        [&](int x, int y) { moved.emplace_back(x, y); });
        QMouseEvent move(QEvent::MouseMove, QPointF(95, 62), widget->mapToGlobal(QPointF(95, 62)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget.get(), &move);
        QObject::disconnect(c);
        ASSERT_EQ(moved.size(), 1u);
        EXPECT_EQ(moved[0], QPoint(190 / scale, 124 / scale)) << preference;

        ASSERT_TRUE(renderer->RebuildMapBuffer(widget->viewWidth(), widget->viewHeight(), {}));
        renderer->RenderMap(RenderFull);
        widget->ShowMap();
        const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), QSize(600, 400)) << preference;
        const QImage& buffer = renderer->buffer();
        const QPoint view = renderer->viewRect().topLeft();
        for (int y = 0; y < shown.height(); y += 5)
            for (int x = 0; x < shown.width(); x += 5)
                ASSERT_EQ(shown.pixel(x, y), buffer.pixel(view + QPoint(x / scale, y / scale)))
                    << "scale " << scale << " screen pixel " << x << "," << y;
    }
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
