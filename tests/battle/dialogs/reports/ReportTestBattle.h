#pragma once
// A small battle for the report windows: both sides with leaders, missile, supply and
// reinforcement units in two wings, two objectives, and definition tables written in
// code. The units start out of canonical order, so opening the order of battle
// renumbers them.

#include "DialogTestSupport.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <ostream>

// Hexes of the test battle (20 columns × 12 rows).
constexpr int kTestCols = 20;
constexpr int kArcherHex = 5 * kTestCols + 12; // shown as "512"

// Fills bench's battle and definitions.
void BuildReportBattle(DialogTestBench& bench);
// The number a unit has now, found by its name; 0 when no unit has it.
int UnitNamed(const Battle& b, const QString& name);

class ReportTable;
class QDialog;

// What a report grid shows: the heading row, the column widths, one row's texts.
QStringList GridHeadings(const ReportTable& grid);
QList<int> GridWidths(const ReportTable& grid);
// Every column at least as wide as the report asks and wide enough for its heading and
// every cell in the fonts shown: nothing is clipped ("Comba" for "Combat").
void ExpectColumnsFit(const ReportTable& grid, const QList<int>& atLeast);
QStringList GridRow(const ReportTable& grid, int row);
// The row whose first cell is text; -1 when none is.
int GridRowNamed(const ReportTable& grid, const QString& text);
// Clicks or double-clicks a cell of the grid with the mouse.
void ClickCell(ReportTable& grid, int row, int col);
void DoubleClickCell(ReportTable& grid, int row, int col);
// Saves the window's picture as name.png into the folder named by FM_REPORT_SHOTS,
// when that is set; returns the picture.
QImage GrabWindow(QDialog& window, const QString& name);

// Readable texts in the tests' failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
