#pragma once

#include <QTableView>

#include <functional>

class QAbstractTableModel;
class GridRowsModel;

// What the cell painter is told about a cell besides its place.
struct CellState {
    bool selected = false; // the cell is in the selected row
    bool fixed = false;    // the cell is in the header row
};

// An owner-drawn grid: row 0 is the fixed header row, rows 1 and up are drawn by one cell
// painter after the background has been painted. Whole rows are selected; a right click does
// not move the selection.
class DrawGrid : public QTableView {
    Q_OBJECT
public:
    using CellPainter =
        std::function<void(QPainter& canvas, int col, int row, const QRect& rect, CellState state)>;
    using MouseUpHandler = std::function<void(Qt::MouseButton button, const QPoint& globalPos)>;

    explicit DrawGrid(QWidget* parent);

    void setCellPainter(CellPainter painter) { cellPainter_ = std::move(painter); }
    void setMouseUpHandler(MouseUpHandler handler) { mouseUp_ = std::move(handler); }

    // Row count including the header row; never below 1.
    void setRowCount(int rows);
    int rowCount() const;

    // The grid row (1 and up) that is selected; 0 when there is no slot row.
    int currentGridRow() const;
    void selectGridRow(int row);

    void setColWidth(int col, int width);
    int colWidth(int col) const;

    // Draws the visible cells at once, even inside a long-running command.
    void repaintNow();

    void paintCell(QPainter& canvas, int col, int row, const QRect& rect, CellState state) const;

    // A mouse button released over the grid, its header row included.
    void mouseUp(Qt::MouseButton button, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    GridRowsModel* model_;
    CellPainter cellPainter_;
    MouseUpHandler mouseUp_;
};
