#pragma once
// "Battle Settings": names, description, turns and icon of the battle shown. exec()
// returns 1 when OK stored them (the battle is then marked modified); closing the
// window otherwise returns 0 and changes nothing.

#include "ChooseFile.h"
#include "ModifyBattleLogic.h"

#include <QDialog>

#include <memory>

struct SettingsControls;

class TModifyBattle : public QDialog {
    Q_OBJECT
public:
    TModifyBattle(EditorContext& context, MessageBoxShower showMessage, QWidget* parent = nullptr);
    ~TModifyBattle() override;

    ModifyBattleLogic& logic() { return logic_; }
    FileChooser chooseFile;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();
    void SelectIcon();
    void OkClicked();

    EditorContext& context_;
    ModifyBattleLogic logic_;
    std::unique_ptr<SettingsControls> controls_;
};
