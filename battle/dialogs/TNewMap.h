#pragma once
// "Create Battle": the settings of a new battle. exec() returns 1 when the new battle
// has replaced the one shown (the editor's battle and set in the context), 2 for Cancel.

#include "ChooseFile.h"
#include "NewMapLogic.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
class UpDownArrows;
struct SettingsControls;

class TNewMap : public QDialog {
    Q_OBJECT
public:
    TNewMap(EditorContext& context, MessageBoxShower showMessage, QWidget* parent = nullptr);
    ~TNewMap() override;

    NewMapLogic& logic() { return logic_; }
    FileChooser chooseFile;

public slots:
    void done(int result) override;
    void reject() override { done(kCancel); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    void Refresh();
    void SelectSet();
    void SelectIcon();
    void SelectAttrs();
    void OkClicked();

    EditorContext& context_;
    NewMapLogic logic_;
    std::unique_ptr<SettingsControls> controls_;
    QLabel* MpRw_;
    QLabel* MpCl_;
    QLabel* TotHex_;
    UpDownArrows* RowUpDn_;
    UpDownArrows* ColUpDn_;
    QPushButton* Button1_;
    QLabel* SetLbl_;
    QLabel* AttrLbl_;
};
