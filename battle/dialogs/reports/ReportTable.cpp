#include "ReportTable.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {
constexpr int kTextRoom = 14; // the heading's margins and the cell's 2-pixel indent
} // namespace

// Every cell is drawn here, as the grid always drew them: the text 2 pixels in from the
// left, cut at the cell's edge rather than shortened with dots, so narrow columns keep as
// much of their text as fits. Cells of the fixed columns take the heading's colour.
class ReportCellDelegate : public QStyledItemDelegate {
public:
    explicit ReportCellDelegate(const ReportTable& table)
        : QStyledItemDelegate(nullptr), table_(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool fixed = index.column() < table_.fixedColumns();
        const bool selected = !fixed && (option.state & QStyle::State_Selected);
        QBrush fill = option.palette.base();
        QColor ink = option.palette.color(QPalette::Text);
        if (fixed) {
            fill = option.palette.button();
            ink = option.palette.color(QPalette::ButtonText);
        } else if (selected) {
            fill = option.palette.highlight();
            ink = option.palette.color(QPalette::HighlightedText);
        }
        painter->save();
        painter->fillRect(option.rect, fill);
        painter->setClipRect(option.rect);
        painter->setPen(ink);
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
        painter->restore();
    }

private:
    const ReportTable& table_;
};

// The fixed heading row, drawn like the cells: text 2 pixels in, cut at the edge.
class ReportHeading : public QHeaderView {
public:
    explicit ReportHeading(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        painter->save();
        painter->fillRect(rect, palette().button());
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->setClipRect(rect);
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          model()->headerData(section, orientation()).toString());
        painter->restore();
    }
};

ReportTable::ReportTable(const QString& name, int visibleRows, QWidget* parent)
    : QTableWidget(parent), visibleRows_(visibleRows) {
    setObjectName(name);
    // The column widths were chosen for a small dialog font; a larger one would cut the
    // headings and class names short.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    auto* delegate = new ReportCellDelegate(*this);
    delegate->setParent(this);
    setItemDelegate(delegate);
    setHorizontalHeader(new ReportHeading(this));
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
    // A column is at least as wide as its heading and its widest cell in the fonts shown:
    // the widths the reports give fit a smaller font and clipped "Combat" to "Comba".
    const QFontMetrics headingFont(horizontalHeader()->font());
    const QFontMetrics cellFont(font());
    int columnsWidth = 0;
    for (int c = 0; c < columns; ++c) {
        int width = c < int(grid.columnWidths.size()) ? grid.columnWidths[c] : 64;
        width = std::max(width, headingFont.horizontalAdvance(grid.columnHeadings[c]) + kTextRoom);
        for (const QStringList& cells : grid.rows) {
            if (c < int(cells.size()))
                width = std::max(width, cellFont.horizontalAdvance(cells[c]) + kTextRoom);
        }
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
    const int needed =
        columnsWidth + 2 * frameWidth() + (scrolls ? verticalScrollBar()->sizeHint().width() : 0);
    const int width = std::max(grid.gridWidth, needed);
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
