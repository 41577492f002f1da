#pragma once
// The dialogs that create symbols and sets: "Create New Unit Symbol" (TGetSze), "Create New
// Image Set" (TNewImg) and "Symbol Text" (TImgTxt).

#include "NamePrompts.h"
#include "NewSetLogic.h"
#include "SymbolTextLogic.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;
class QGroupBox;

class TGetSze : public QDialog {
    Q_OBJECT
public:
    TGetSze(QWidget* parent, UnitSizeLogic& logic);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OKBtnClick();
    void Refresh();
    UnitSizeLogic& logic_;
    QLineEdit* name_;
    std::array<QLineEdit*, kLevelCount> widths_{};
    std::array<QLineEdit*, kLevelCount> heights_{};
    std::array<QLabel*, kLevelCount> previews_{};
};

class TNewImg : public QDialog {
    Q_OBJECT
public:
    TNewImg(QWidget* parent, NewSetLogic& logic);
    void reject() override;

private:
    void Refresh();
    NewSetLogic& logic_;
    QRadioButton* realHex_;
    QRadioButton* grid_;
    QRadioButton* vertical_;
    QRadioButton* horiz_;
    QGroupBox* orientation_;
    std::array<QLineEdit*, kLevelCount> sizes_{};
    std::array<QLabel*, kLevelCount> hexes_{};
    std::array<QLabel*, kLevelCount> previews_{};
};

class TImgTxt : public QDialog {
    Q_OBJECT
public:
    TImgTxt(QWidget* parent, SymbolTextLogic& logic);

private:
    void Refresh();
    SymbolTextLogic& logic_;
    QLabel* preview_;
};
