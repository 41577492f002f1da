#pragma once
// The text grid of a report window: one fixed heading row, the report's column widths,
// leading fixed columns drawn like the heading, read-only cells selected by whole rows.
// It is as wide as its columns (or the report's own grid width) and shows up to a given
// number of rows, scrolling beyond them.

#include "Reports.h"

#include <QTableWidget>

class ReportTable : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 20;

    ReportTable(const QString& name, int visibleRows, QWidget* parent);

    void ShowGrid(const ReportGrid& grid);
    int fixedColumns() const { return fixedColumns_; }
    // The text of a cell below the heading, or of the heading itself for row -1.
    QString CellText(int row, int col) const;
    // The centre of a cell below the heading, in viewport coordinates (for tests).
    QPoint CellCentre(int row, int col) const;

private:
    int visibleRows_;
    int fixedColumns_ = 0;
};
