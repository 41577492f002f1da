#pragma once
// "Terrain Victory Objective" on the current hex (set the context's currentHex first),
// shown modally. "Exit" and "Remove" return 1 and the main window redraws the map;
// Escape ends like "Exit".

#include "AddVHexLogic.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TAddVHex : public QDialog {
    Q_OBJECT
public:
    explicit TAddVHex(EditorContext& context, QWidget* parent = nullptr);

    AddVHexLogic& logic() { return logic_; }

public slots:
    void reject() override { done(logic_.ExitClick()); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    AddVHexLogic logic_;
    QGroupBox* symbolBox_;
    QLineEdit* SymName_;
    QLabel* VptLbl_;
    QPushButton* AddBtn_;
    QPushButton* RemBtn_;
};
