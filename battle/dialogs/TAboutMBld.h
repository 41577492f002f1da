#pragma once
// "About Fieldmark Varnholm": the program's name, what it is, the logo when the program
// folder has it, and OK.

#include <QDialog>

class TAboutMBld : public QDialog {
    Q_OBJECT
public:
    explicit TAboutMBld(const QString& programFolder, QWidget* parent = nullptr);
};
