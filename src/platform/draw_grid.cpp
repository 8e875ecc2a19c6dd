#include "platform/draw_grid.h"

#include "platform/form_fonts.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

// The grid stores no data: it only knows how many rows it has.
class GridRowsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : rows_;
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex&, int) const override { return {}; }
    QVariant headerData(int, Qt::Orientation, int) const override { return {}; }

    void setRows(int rows) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    }

private:
    int rows_ = 0;
};

namespace {

constexpr int RowHeight = 30;

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(DrawGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        painter->setFont(gridFont());
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        grid_->paintCell(*painter, index.column(), index.row() + 1, option.rect,
                         CellState{selected, false});
        painter->restore();
    }

private:
    DrawGrid* grid_;
};

class HeaderRow : public QHeaderView {
public:
    explicit HeaderRow(DrawGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        painter->save();
        painter->fillRect(rect, palette().button());
        painter->setFont(gridFont());
        painter->setPen(palette().buttonText().color());
        grid_->paintCell(*painter, logicalIndex, 0, rect, CellState{false, true});
        painter->restore();
    }

    QSize sizeHint() const override { return {QHeaderView::sizeHint().width(), RowHeight}; }

    // The header row is a row of the grid: a click on it ends like one on any other row.
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            event->accept();
            return;
        }
        QHeaderView::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::RightButton)
            QHeaderView::mouseReleaseEvent(event);
        grid_->mouseUp(event->button(), event->globalPosition().toPoint());
    }

private:
    DrawGrid* grid_;
};

} // namespace

DrawGrid::DrawGrid(QWidget* parent) : QTableView(parent), model_(new GridRowsModel(this)) {
    setModel(model_);
    setHorizontalHeader(new HeaderRow(this));
    setItemDelegate(new CellDelegate(this));
    setFont(gridFont());
    horizontalHeader()->setFixedHeight(RowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    setShowGrid(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

void DrawGrid::setRowCount(int rows) {
    const int current = currentGridRow();
    model_->setRows(rows > 1 ? rows - 1 : 0);
    selectGridRow(current >= 1 && current < rows ? current : 1);
}

int DrawGrid::rowCount() const { return model_->rowCount() + 1; }

int DrawGrid::currentGridRow() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

void DrawGrid::selectGridRow(int row) {
    if (row < 1 || row > model_->rowCount())
        return;
    const QModelIndex index = model_->index(row - 1, 0);
    setCurrentIndex(index);
    selectRow(row - 1);
}

void DrawGrid::setColWidth(int col, int width) { setColumnWidth(col, width < 0 ? 0 : width); }

int DrawGrid::colWidth(int col) const { return columnWidth(col); }

void DrawGrid::repaintNow() {
    horizontalHeader()->viewport()->repaint();
    viewport()->repaint();
}

void DrawGrid::paintCell(QPainter& canvas, int col, int row, const QRect& rect,
                         CellState state) const {
    if (cellPainter_)
        cellPainter_(canvas, col, row, rect, state);
}

void DrawGrid::mousePressEvent(QMouseEvent* event) {
    // Only the left button (and the keyboard) move the selection; the context menu acts on the
    // row selected before the right click.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void DrawGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton)
        QTableView::mouseReleaseEvent(event);
    mouseUp(event->button(), event->globalPosition().toPoint());
}

void DrawGrid::mouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (mouseUp_)
        mouseUp_(button, globalPos);
}
