#include "MapPictureExport.h"

#include "AboveToolWindows.h"
#include "ChooseFile.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The level dialog: shows the choice and forwards the clicks to it.
int AskZoomLevel(QWidget* parent, MapPictureChoice& choice) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("MapPictureDialog"));
    dialog.setWindowTitle(QStringLiteral("Export Map Picture"));
    KeepAboveToolWindows(&dialog); // not under the floating terrain picker
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("The whole map, drawn at:")));
    auto* group = new QButtonGroup(&dialog);
    for (int level = 0; level < 3; ++level) {
        auto* button = new QRadioButton(choice.LevelCaption(level));
        button->setObjectName(QStringLiteral("ZoomLevel%1").arg(level));
        button->setChecked(level == choice.zoom());
        group->addButton(button, level);
        layout->addWidget(button);
    }
    auto* memory = new QLabel(choice.MemoryText());
    layout->addWidget(memory);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    const auto refresh = [&] {
        memory->setText(choice.MemoryText());
        buttons->button(QDialogButtonBox::Ok)->setEnabled(choice.OkEnabled());
    };
    QObject::connect(group, &QButtonGroup::idClicked, &dialog, [&](int level) {
        choice.ZoomClick(level);
        refresh();
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    refresh();
    return dialog.exec() == QDialog::Accepted ? choice.zoom() : -1;
}

} // namespace

MapPictureExport::MapPictureExport(QWidget* parent) {
    chooseZoom = [parent](MapPictureChoice& choice) { return AskZoomLevel(parent, choice); };
    choosePath = [parent](const QString& title, const QString& folder, const QString& filter) {
        return ChooseFileIn(parent, QFileDialog::AcceptSave, title, folder, filter,
                            QStringLiteral("png"));
    };
}

bool MapPictureExport::Run(const Battle& battle, const LoadedSymbolSet& set,
                           const MapPictureOptions& view, int currentZoom, const QString& folder,
                           const QString& name) {
    writtenPath.clear();
    MapPictureChoice choice(battle, set, currentZoom);
    const int zoom = chooseZoom(choice);
    if (zoom < 0 || zoom > 2)
        return false;
    QString path = choosePath(QStringLiteral("Export Map Picture"),
                              QDir(folder).filePath(name + QStringLiteral(".png")),
                              QStringLiteral("PNG Pictures (*.png)"));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        path += QLatin1String(".png");
    MapPictureOptions options = view;
    options.zoom = zoom;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString failed = WriteMapPicturePng(battle, set, options, path);
    QApplication::restoreOverrideCursor();
    if (!failed.isEmpty()) {
        Warn(messages, failed);
        return false;
    }
    writtenPath = path;
    return true;
}
