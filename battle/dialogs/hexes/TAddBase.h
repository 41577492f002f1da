#pragma once
// "Structures" on the current hex (set the context's currentHex first), shown modally.
// "Exit" and "Remove" return 1 and the main window redraws the map; Escape ends like
// "Exit".

#include "AddBaseLogic.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class TAddBase : public QDialog {
    Q_OBJECT
public:
    explicit TAddBase(EditorContext& context, QWidget* parent = nullptr);

    AddBaseLogic& logic() { return logic_; }

public slots:
    void reject() override { done(logic_.Button1Click()); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    AddBaseLogic logic_;
    QGroupBox* factionBox_;
    QGroupBox* nameBox_;
    QGroupBox* symbolBox_;
    QGroupBox* statisticsBox_;
    QRadioButton* ASideBtn_;
    QRadioButton* BSideBtn_;
    QLineEdit* SymName_;
    QListWidget* TerList_;
    QLabel* Image1_;
    QLabel* DefLbl_;
    QLabel* RSplLbl_;
    QLabel* ElvLbl_;
    QPushButton* AddBtn_;
    QPushButton* RemBtn_;
};
