#include "OverviewDock.h"

#include "Battle.h"
#include "LoadedSymbolSet.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

// The picture with the view's frame; presses and drags point at hexes.
class OverviewView : public QWidget {
public:
    explicit OverviewView(OverviewDock& dock) : dock_(dock) { setMouseTracking(false); }
    QSize sizeHint() const override { return dock_.overview().image().size(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        p.drawImage(0, 0, dock_.overview().image());
        if (dock_.frame_.isValid()) {
            p.setPen(QPen(Qt::white, 1));
            p.drawRect(dock_.frame_.adjusted(0, 0, -1, -1));
        }
    }
    void mousePressEvent(QMouseEvent* e) override { dock_.PointedAt(e->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (e->buttons() & Qt::LeftButton)
            dock_.PointedAt(e->position().toPoint());
    }

private:
    OverviewDock& dock_;
};

OverviewDock::OverviewDock(QWidget* parent) : QDockWidget(QStringLiteral("Overview"), parent) {
    setObjectName(QStringLiteral("OverviewDock"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    scaleBox_ = new QComboBox(body);
    scaleBox_->setObjectName(QStringLiteral("OverviewScale"));
    for (int s = kMinOverviewScale; s <= kMaxOverviewScale; ++s)
        scaleBox_->addItem(QStringLiteral("%1 pixel%2 per hex").arg(s).arg(s > 1 ? "s" : ""), s);
    scaleBox_->setCurrentIndex(scale_ - kMinOverviewScale);
    connect(scaleBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        SetScale(index + kMinOverviewScale);
        emit scaleChanged(scale_);
    });
    layout->addWidget(scaleBox_);
    auto* scroll = new QScrollArea(body);
    view_ = new OverviewView(*this);
    view_->setObjectName(QStringLiteral("OverviewView"));
    scroll->setWidget(view_);
    scroll->setWidgetResizable(false);
    layout->addWidget(scroll, 1);
    setWidget(body);
}

void OverviewDock::ShowBattle(const Battle* battle, const LoadedSymbolSet* set, QRgb tableColour) {
    battle_ = battle;
    colours_ = set ? OverviewColours::FromSet(*set) : OverviewColours();
    colours_.table = tableColour;
    Redraw();
}

void OverviewDock::Redraw() {
    if (!battle_ || battle_->hexCount() == 0) {
        overview_ = OverviewImage();
        frame_ = {};
    } else {
        overview_.Draw(*battle_, colours_, scale_);
        frame_ = overview_.BlockRect(origin_, visibleCols_, visibleRows_);
    }
    view_->resize(overview_.image().size());
    view_->update();
}

void OverviewDock::UpdateHexes(const std::vector<int>& hexes) {
    if (!battle_)
        return;
    for (int hex : hexes)
        if (!overview_.UpdateHex(*battle_, colours_, hex)) {
            Redraw();
            return;
        }
    for (int hex : hexes)
        view_->update(overview_.HexRect(hex));
}

void OverviewDock::SetView(int originHex, int visibleCols, int visibleRows) {
    origin_ = originHex;
    visibleCols_ = visibleCols;
    visibleRows_ = visibleRows;
    const QRect before = frame_;
    frame_ = battle_ ? overview_.BlockRect(origin_, visibleCols_, visibleRows_) : QRect();
    if (frame_ != before)
        view_->update();
}

void OverviewDock::SetScale(int scale) {
    scale = std::clamp(scale, kMinOverviewScale, kMaxOverviewScale);
    if (scaleBox_->currentIndex() != scale - kMinOverviewScale) {
        const QSignalBlocker block(scaleBox_);
        scaleBox_->setCurrentIndex(scale - kMinOverviewScale);
    }
    if (scale == scale_)
        return;
    scale_ = scale;
    Redraw();
}

void OverviewDock::PointedAt(QPoint p) {
    if (battle_ && battle_->hexCount() > 0)
        emit centreOn(overview_.HexAt(p));
}
