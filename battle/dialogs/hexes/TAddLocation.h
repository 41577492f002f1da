#pragma once
// "Map Text" on the current hex (set the context's currentHex first), shown modally.
// "Exit" and "Remove" return 1 and the main window redraws the map; Escape ends like
// "Exit".

#include "AddLocationLogic.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class TAddLocation : public QDialog {
    Q_OBJECT
public:
    explicit TAddLocation(EditorContext& context, QWidget* parent = nullptr);

    AddLocationLogic& logic() { return logic_; }

public slots:
    void reject() override { done(logic_.ExitBtnClick()); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();
    void ShowFont();
    void ShowColour();
    void ShowSample();

    AddLocationLogic logic_;
    QGroupBox* fontBox_;
    QGroupBox* styleBox_;
    QGroupBox* sizeBox_;
    QGroupBox* OriBox_;
    QGroupBox* textBox_;
    QComboBox* FontBox_;
    QComboBox* ColorBox_;
    std::array<QToolButton*, 3> levelPanels_{};
    std::array<QLabel*, 3> sizeLabels_{};
    std::array<QRadioButton*, 9> positionButtons_{}; // by code, 0 unused
    QCheckBox* TxtBld_;
    QCheckBox* TxtItl_;
    QCheckBox* TxtUnd_;
    QLineEdit* LocText_;
    QLabel* TxtSample_;
    QPushButton* NewBtn_;
    QPushButton* RemveBtn_;
};
