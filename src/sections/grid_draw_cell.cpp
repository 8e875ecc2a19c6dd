#include "sections/format_word_text.h"
#include "sections/section_table.h"
#include "sections/size_bar.h"
#include "sections/slot_map.h"
#include "sections/slot_row.h"
#include "shell/main_form.h"

#include <QFontMetrics>
#include <QPainter>

#include <iterator>

namespace {

constexpr const char* HeaderTexts[] = {"#", "Program & Size", "FW"};

constexpr int PlaceColumn = 0;
constexpr int ContentColumn = 1;
constexpr int FormatColumn = 2;

// Where the texts and the size bar sit in their cells.
constexpr int TextInset = 3;
constexpr int AddressX = 25;
constexpr int SizeTextFromRight = 50;
constexpr int FrameInset = 3;
constexpr int FrameRightGap = 53; // room for the size number right of the bar

const QColor BlueBar(0, 0, 255);
const QColor RedBar(255, 0, 0);

// A rectangle by its edges; right and bottom are exclusive.
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    QRect toRect() const { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }
    Edges shrunk(int by) const { return {left + by, top + by, right - by, bottom - by}; }
};

Edges edgesOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

int textHeight(const QPainter& canvas) {
    return QFontMetrics(canvas.font()).height();
}

// Draws a text with its top-left corner at (x, y), in the canvas's font and pen.
void drawTextAt(QPainter& canvas, int x, int y, const QString& text) {
    canvas.drawText(x, y + QFontMetrics(canvas.font()).ascent(), text);
}

void drawCentred(QPainter& canvas, const Edges& cell, const QString& text) {
    const int textWidth = QFontMetrics(canvas.font()).horizontalAdvance(text);
    drawTextAt(canvas, cell.left + cell.width() / 2 - textWidth / 2,
               cell.top + cell.height() / 2 - textHeight(canvas) / 2, text);
}

void drawVerticallyCentred(QPainter& canvas, const Edges& cell, int x, const QString& text) {
    drawTextAt(canvas, x, cell.top + cell.height() / 2 - textHeight(canvas) / 2, text);
}

// The slot's number within its group and its address: "1." and "{2-10}".
void drawPlace(QPainter& canvas, const Edges& cell, int row) {
    const int number = isSmallSlotRow(row) ? row - BigSlots : row;
    const SectionAddress address = addressForRow(row);
    drawVerticallyCentred(canvas, cell, cell.left + TextInset, QString::number(number) + ".");
    drawVerticallyCentred(canvas, cell, cell.left + AddressX,
                          QStringLiteral("{%1-%2}").arg(address.group).arg(address.slot));
}

// A black frame with a white inside, filled from the left in proportion to the size.
void drawSizeBar(QPainter& canvas, const Edges& cell, int row, std::int32_t size) {
    const Edges frame{cell.left + FrameInset, cell.top + cell.height() / 2 + FrameInset,
                      cell.right - FrameRightGap, cell.bottom - FrameInset};
    if (frame.isEmpty())
        return;
    canvas.fillRect(frame.toRect(), Qt::black);
    Edges inner = frame.shrunk(1);
    if (inner.isEmpty())
        return;
    canvas.fillRect(inner.toRect(), Qt::white);
    const SizeBarScale scale = sizeBarScale(isSmallSlotRow(row), size);
    inner.right = sizeBarRight(inner.left, inner.width(), scale.fullScale, size, cell.right);
    if (!inner.isEmpty())
        canvas.fillRect(inner.toRect(), scale.colour == SizeBarColour::Red ? RedBar : BlueBar);
}

// The description above, the size bar and its number below.
void drawContent(QPainter& canvas, const Edges& cell, int row, const SectionEntry& entry) {
    const int th = textHeight(canvas);
    drawTextAt(canvas, cell.left + TextInset, cell.top + cell.height() / 4 - th / 2,
               QString::fromStdString(entry.caption));
    drawSizeBar(canvas, cell, row, entry.size);
    // The number goes over the bar: an oversized section's bar runs on under it, and the number
    // is what the user needs then.
    drawTextAt(canvas, cell.right - SizeTextFromRight, cell.top + (3 * cell.height()) / 4 - th / 2,
               QString::number(entry.size));
}

// Only programs carry a format word worth showing.
void drawFormat(QPainter& canvas, const Edges& cell, const SectionEntry& entry) {
    if (entry.kind == SectionKind::Program)
        drawCentred(canvas, cell, QString::fromStdString(formatWordText(entry.formatWord)));
}

void drawSlotCell(QPainter& canvas, const Edges& cell, int col, int row) {
    const SectionEntry& entry = SectionTable[static_cast<std::size_t>(row)];
    switch (col) {
    case PlaceColumn:
        drawPlace(canvas, cell, row);
        break;
    case ContentColumn:
        drawContent(canvas, cell, row, entry);
        break;
    case FormatColumn:
        drawFormat(canvas, cell, entry);
        break;
    default:
        break;
    }
}

} // namespace

void TForm1::DrawGrid1DrawCell(QPainter& canvas, int col, int row, const QRect& rect, CellState) {
    const Edges cell = edgesOf(rect);
    canvas.save();
    // A long caption or an oversized bar ends at the cell's edge, whichever cells are repainted.
    canvas.setClipRect(rect, Qt::IntersectClip);
    if (row == 0 && col >= 0 && col < static_cast<int>(std::size(HeaderTexts)))
        drawCentred(canvas, cell, HeaderTexts[col]);
    else if (isSlotRow(row))
        drawSlotCell(canvas, cell, col, row);
    canvas.restore();
}
