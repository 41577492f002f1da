#pragma once
// "Map Information": figures of the battle shown. exec() returns 1 from its OK.

#include "EditorContext.h"
#include "MapInfoLogic.h"

#include <QDialog>

class QLabel;

class TMapInfo : public QDialog {
    Q_OBJECT
public:
    explicit TMapInfo(EditorContext& context, QWidget* parent = nullptr);

    const MapInfoLogic& logic() const { return logic_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    EditorContext& context_;
    MapInfoLogic logic_;
    QLabel* setLbl_;
    QLabel* hexesLbl_;
    QLabel* rowsLbl_;
    QLabel* colsLbl_;
    QLabel* unitsLbl_;
    QLabel* mapTextLbl_;
};
