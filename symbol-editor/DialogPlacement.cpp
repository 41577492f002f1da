#include "DialogPlacement.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QWidget>

void PlaceAbove(QWidget* dialog) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != dialog && window->isVisible() &&
            window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
            return;
        }
    }
}

int ExecAbove(QDialog& dialog) {
    PlaceAbove(&dialog);
    return dialog.exec();
}

namespace {

QString AskFileName(QWidget* parent, const QString& title, const QString& folder,
                    const QString& filter, QFileDialog::AcceptMode mode,
                    const QString& defaultSuffix = {}) {
    QFileDialog dialog(parent, title, folder, filter);
    // Qt's own dialog, so that it can be kept above the program's stay-on-top windows.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The name the program writes may differ from the typed one (letter case, a suffix),
    // so the program asks about replacing once it knows the final name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (ExecAbove(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString AskOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                        const QString& filter) {
    return AskFileName(parent, title, folder, filter, QFileDialog::AcceptOpen);
}

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& folder,
                        const QString& filter, const QString& defaultSuffix) {
    return AskFileName(parent, title, folder, filter, QFileDialog::AcceptSave, defaultSuffix);
}

bool AskReplace(QWidget* parent, const QString& caption, const QString& path) {
    QMessageBox box(QMessageBox::Warning, caption,
                    QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(path),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return ExecAbove(box) == QMessageBox::Yes;
}

QColor AskColour(QWidget* parent, QColor initial, const QString& title) {
    QColorDialog dialog(initial, parent);
    dialog.setWindowTitle(title);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (ExecAbove(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedColor();
}

QFont AskFont(QWidget* parent, bool& ok, const QFont& initial, const QString& title) {
    QFontDialog dialog(initial, parent);
    dialog.setWindowTitle(title);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    ok = ExecAbove(dialog) == QDialog::Accepted;
    return ok ? dialog.selectedFont() : initial;
}

bool ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text, bool withCancel) {
    QMessageBox box(icon, caption, text,
                    withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, parent);
    return ExecAbove(box) == QMessageBox::Ok;
}
