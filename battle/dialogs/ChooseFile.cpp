#include "ChooseFile.h"

#include "AboveToolWindows.h"

#include <QFileDialog>

FileChooser OpenFileBox(QWidget* parent) {
    return [parent](const QString& title, const QString& folder, const QString& filter) {
        return ChooseFileIn(parent, QFileDialog::AcceptOpen, title, folder, filter);
    };
}

QString ChooseFileIn(QWidget* parent, int acceptMode, const QString& title, const QString& folder,
                     const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, folder, filter);
    KeepAboveToolWindows(&dialog);
    dialog.setAcceptMode(QFileDialog::AcceptMode(acceptMode));
    if (acceptMode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    if (!defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
