#include "ReportTable.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

// Cells of the fixed columns are drawn in the heading's colour, whatever the selection,
// so the row names stand apart from the figures as in the heading row.
class ReportCellDelegate : public QStyledItemDelegate {
public:
    ReportCellDelegate(const ReportTable& table) : QStyledItemDelegate(nullptr), table_(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.column() >= table_.fixedColumns()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        painter->fillRect(option.rect, option.palette.button());
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->setPen(option.palette.color(QPalette::ButtonText));
        painter->setFont(option.font);
        const QRect text = option.rect.adjusted(3, 0, -2, 0);
        painter->drawText(
            text, Qt::AlignLeft | Qt::AlignVCenter,
            option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, text.width()));
        painter->restore();
    }

private:
    const ReportTable& table_;
};

ReportTable::ReportTable(const QString& name, int visibleRows, QWidget* parent)
    : QTableWidget(parent), visibleRows_(visibleRows) {
    setObjectName(name);
    auto* delegate = new ReportCellDelegate(*this);
    delegate->setParent(this);
    setItemDelegate(delegate);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* heading = horizontalHeader();
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setSectionsClickable(false);
    heading->setHighlightSections(false);
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setMinimumSectionSize(1);
    heading->setFixedHeight(kRowHeight + 2);
}

void ReportTable::ShowGrid(const ReportGrid& grid) {
    clear();
    fixedColumns_ = grid.fixedColumns;
    const int columns = int(grid.columnHeadings.size());
    const int rows = int(grid.rows.size());
    setColumnCount(columns);
    setRowCount(rows);
    setHorizontalHeaderLabels(grid.columnHeadings);
    int columnsWidth = 0;
    for (int c = 0; c < columns; ++c) {
        const int width = c < int(grid.columnWidths.size()) ? grid.columnWidths[c] : 64;
        setColumnWidth(c, width);
        columnsWidth += width;
    }
    for (int r = 0; r < rows; ++r) {
        const QStringList& cells = grid.rows[r];
        for (int c = 0; c < columns; ++c)
            setItem(r, c, new QTableWidgetItem(c < int(cells.size()) ? cells[c] : QString()));
    }
    clearSelection();

    const bool scrolls = rows > visibleRows_;
    int width = grid.gridWidth;
    if (width <= 0)
        width = columnsWidth + 2 * frameWidth() +
                (scrolls ? verticalScrollBar()->sizeHint().width() : 0);
    const int shown = scrolls ? visibleRows_ : rows;
    setFixedSize(width, horizontalHeader()->height() + shown * kRowHeight + 2 * frameWidth());
}

QString ReportTable::CellText(int row, int col) const {
    const QTableWidgetItem* cell = row < 0 ? horizontalHeaderItem(col) : item(row, col);
    return cell ? cell->text() : QString();
}

QPoint ReportTable::CellCentre(int row, int col) const {
    return visualRect(model()->index(row, col)).center();
}
