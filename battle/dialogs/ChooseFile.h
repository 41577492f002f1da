#pragma once
// How a dialog asks the designer for a file: title, starting folder and filter in; the
// chosen path out, empty when none was chosen. The dialogs use QFileDialog; tests may
// answer instead.

#include <QString>

#include <functional>

class QWidget;

using FileChooser =
    std::function<QString(const QString& title, const QString& folder, const QString& filter)>;

// A file-open box over parent.
FileChooser OpenFileBox(QWidget* parent);
// A file box over parent, above the tool windows: acceptMode is a QFileDialog::AcceptMode;
// a save box adds defaultSuffix to a name typed without any extension.
QString ChooseFileIn(QWidget* parent, int acceptMode, const QString& title, const QString& folder,
                     const QString& filter, const QString& defaultSuffix = QString());
