#pragma once
// What the five report windows have in common: a label above a report grid and one
// closing button. Each opening rebuilds the report through the window's logic; row
// clicks and the button play the click sound. exec() returns 1 from the button.

#include "ReportLogic.h"

#include <QDialog>

class QLabel;
class QPushButton;
class ReportTable;

class TReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportTable* grid() const { return grid_; }
    QLabel* label() const { return label_; }
    QPushButton* closeButton() const { return button_; }

protected:
    struct Layout {
        QString formName;
        QString gridName;
        QString labelName;
        QString buttonName;
        QString buttonCaption;
        QString caption; // used when the report has no heading of its own
        int visibleRows = 16;
        int minGridArea = 0; // a narrower grid is centred in this width
    };

    TReportWindow(const Layout& layout, QWidget* parent);

    virtual ReportLogic& Logic() = 0;
    virtual void GridDblClick(int row);
    // The closing button: the click sound, then 1.
    virtual void CloseBtnClick();

    void showEvent(QShowEvent* event) override;
    // Shows the report the logic holds now.
    void ShowReport();
    EditorContext& context() { return Logic().context(); }

private:
    QString caption_;
    QLabel* label_;
    ReportTable* grid_;
    QPushButton* button_;
};
