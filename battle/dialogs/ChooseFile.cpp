#include "ChooseFile.h"

#include <QFileDialog>

FileChooser OpenFileBox(QWidget* parent) {
    return [parent](const QString& title, const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, title, folder, filter);
    };
}
