#include "HexDialogParts.h"

#include "SettingsControls.h"
#include "TypedValueEntry.h"
#include "UpDownArrows.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

QListWidget* TerrainListBox(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("TerList"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumWidth(160);
    return list;
}

void FillTerrainList(QListWidget* list, const TerrainList& rows, int row) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(rows.names);
    SelectListRow(list, row);
}

void SelectListRow(QListWidget* list, int row) {
    const QSignalBlocker quiet(list);
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
        list->scrollToItem(list->item(row));
    }
}

QLabel* PreviewImage(QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setObjectName(QStringLiteral("Image1"));
    image->setFixedSize(kPreviewSide, kPreviewSide);
    return image;
}

QFrame* PreviewPanel(QWidget* parent, QLabel*& image) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("SymPan"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    image = PreviewImage(panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(image);
    return panel;
}

QLabel* SymbolNamePanel(QWidget* parent) {
    QLabel* label = NamedLabel(QStringLiteral("SymNamPan"), parent);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void ShowPreview(QLabel* image, const QImage& preview) {
    if (preview.isNull()) {
        image->clear();
        return;
    }
    image->setPixmap(QPixmap::fromImage(
        preview.scaled(kPreviewSide, kPreviewSide, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

Stepper MakeStepper(const QString& title, const QString& labelName, const QString& arrowsName,
                    QWidget* parent, SoundEffects& sounds) {
    Stepper s;
    s.box = new QGroupBox(title, parent);
    s.box->setObjectName(labelName + QStringLiteral("Box"));
    s.label = new QLabel(s.box);
    s.label->setObjectName(labelName);
    s.arrows = new UpDownArrows(arrowsName, s.box);
    auto* row = new QHBoxLayout(s.box);
    row->addWidget(s.label, 1);
    row->addWidget(s.arrows);
    TypedValueEntry::Attach(s.label, s.arrows, &sounds);
    return s;
}
