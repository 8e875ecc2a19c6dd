#include "manager_fixture.h"

#include "platform/form_fonts.h"
#include "sections/section_table.h"
#include "shell/main_form.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QPainter>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

namespace {

const QColor Background(200, 200, 200);
const QColor Ink(0, 100, 0); // the grid sets the pen; the handler must keep it
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

// A middle-column cell: left 10, top 5, right 160, bottom 35 (exclusive). Its bar frame is
// (13, 23, 107, 32), the frame's inside (14, 24, 106, 31), 92 pixels wide.
const QRect ContentCell(10, 5, 150, 30);
const QRect FrameEdges(QPoint(13, 23), QPoint(106, 31));
constexpr int InsideLeft = 14;
constexpr int InsideRight = 106; // exclusive
constexpr int BarY = 27;
const QRect PlaceCell(10, 5, 75, 30);
const QRect FormatCell(10, 5, 64, 30);
const QSize ImageSize(200, 45);

QImage blankImage() {
    QImage image(ImageSize, QImage::Format_RGB32);
    image.fill(Background);
    return image;
}

void prepareCanvas(QPainter& canvas) {
    canvas.setFont(gridFont());
    canvas.setPen(Ink);
}

struct TextAt {
    int x;
    int y; // top of the text
    QString text;
};

// The texts drawn as the grid must draw them: top-left corner at (x, y).
QImage expectedTexts(const std::vector<TextAt>& texts) {
    QImage image = blankImage();
    QPainter canvas(&image);
    prepareCanvas(canvas);
    const QFontMetrics metrics(gridFont());
    for (const TextAt& t : texts)
        canvas.drawText(t.x, t.y + metrics.ascent(), t.text);
    return image;
}

int textWidth(const QString& text) {
    return QFontMetrics(gridFont()).horizontalAdvance(text);
}
int textHeight() {
    return QFontMetrics(gridFont()).height();
}

// Where a centred text's top-left corner lies.
TextAt centred(const QRect& cell, const QString& text) {
    return {cell.x() + cell.width() / 2 - textWidth(text) / 2,
            cell.y() + cell.height() / 2 - textHeight() / 2, text};
}

int differingPixels(const QImage& a, const QImage& b, const QRect& skip = {}) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!skip.contains(x, y) && a.pixel(x, y) != b.pixel(x, y))
                ++count;
    return count;
}

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

class GridRendering : public ManagerFixture {
protected:
    QImage render(int col, int row, const QRect& cell) {
        QImage image = blankImage();
        QPainter canvas(&image);
        prepareCanvas(canvas);
        form().DrawGrid1DrawCell(canvas, col, row, cell, CellState{});
        return image;
    }
};

TEST_F(GridRendering, SizeBarColourAndLength) {
    struct Case {
        const char* name;
        int row; // 1 to 21 big slots, 22 to 26 small ones
        std::int32_t size;
        QColor bar;
        int barRight; // exclusive; InsideLeft for no bar
        int lastSeen; // the bar's last column not covered by the size number drawn over it
    };
    const Case cases[] = {
        {"empty big slot", 1, 0, White, InsideLeft, InsideLeft},
        {"empty small slot", 22, 0, White, InsideLeft, InsideLeft},
        {"big slot filled to its limit", 1, 21504, Blue, InsideRight, 105},
        {"big slot one byte over: red against 64 KiB", 21, 21505, Red, 44, 43},
        {"half a small slot", 22, 1024, Blue, 60, 59},
        {"small slot over its 2048 bytes runs past the frame", 26, 3000, Blue, 148, 147},
        {"huge small slot stops at the cell's edge", 26, 30000, Red, 160, 159},
        {"largest size a section can report", 26, INT_MAX, Red, 160, 108},
        {"huge big slot", 1, 1 << 30, Red, 160, 108},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SectionTable[static_cast<std::size_t>(c.row)] = {SectionKind::Program, "", 0, c.size};
        const QImage image = render(1, c.row, ContentCell);

        // The black frame, whatever the size (its right side is covered by a longer bar).
        for (const QPoint p :
             {FrameEdges.topLeft(), FrameEdges.bottomLeft(), QPoint(60, FrameEdges.top()),
              QPoint(60, FrameEdges.bottom()), QPoint(FrameEdges.left(), BarY)})
            EXPECT_EQ(at(image, p.x(), p.y()), Black) << p.x() << "," << p.y();
        if (c.barRight <= InsideRight) {
            EXPECT_EQ(at(image, FrameEdges.right(), BarY), Black);
            EXPECT_EQ(at(image, FrameEdges.right(), FrameEdges.top()), Black);
        }
        // The bar fills the frame's inside from the left, rows 24 to 30.
        if (c.barRight > InsideLeft) {
            for (const int y : {24, BarY, 30}) {
                EXPECT_EQ(at(image, InsideLeft, y), c.bar);
                EXPECT_EQ(at(image, c.lastSeen, y), c.bar) << "last bar column, row " << y;
            }
        }
        if (c.barRight < InsideRight) {
            EXPECT_EQ(at(image, c.barRight, BarY), White) << "first column after the bar";
        } else if (c.barRight > InsideRight && c.barRight <= ContentCell.right()) {
            EXPECT_EQ(at(image, c.barRight, BarY), Background) << "first column after the bar";
        }
        // Nothing is drawn outside the cell.
        QImage outside = image;
        QPainter(&outside).fillRect(ContentCell, Background);
        EXPECT_EQ(differingPixels(outside, blankImage()), 0);
    }
}

TEST_F(GridRendering, CaptionAndSizeNumberAtTheirPlaces) {
    const std::string captions[] = {"", "< Empty >", "Hello UFIF 2.0",
                                    "\xD0\xA7\xD0\xB0\xD1\x81\xD1\x8B 2.1",
                                    "10 sec ringer: Morning bell"};
    const int th = textHeight();
    for (const std::string& caption : captions) {
        SCOPED_TRACE(caption);
        SectionTable[4] = {SectionKind::Other, caption, 0, 7252};
        const QImage image = render(1, 4, ContentCell);
        // Caption at (left + 3, top + H/4 - th/2), size at (right - 50, top + 3H/4 - th/2).
        const QImage expected =
            expectedTexts({{13, 5 + 30 / 4 - th / 2, QString::fromStdString(caption)},
                           {160 - 50, 5 + 90 / 4 - th / 2, "7252"}});
        QImage clipped = expected;
        {
            // Texts end at the cell's edge, like everything the cell draws.
            QPainter canvas(&clipped);
            canvas.fillRect(QRect(ContentCell.right() + 1, 0, 100, ImageSize.height()), Background);
        }
        EXPECT_EQ(differingPixels(image, clipped, FrameEdges), 0);
    }
}

TEST_F(GridRendering, PlaceColumnShowsNumberWithinTheGroupAndAddress) {
    struct Case {
        int row;
        const char* number;
        const char* address;
    };
    const Case cases[] = {
        {1, "1.", "{18-9}"}, {21, "21.", "{18-29}"}, {22, "1.", "{2-10}"}, {26, "5.", "{2-14}"}};
    const int y = PlaceCell.y() + PlaceCell.height() / 2 - textHeight() / 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const QImage expected =
            expectedTexts({{PlaceCell.x() + 3, y, c.number}, {PlaceCell.x() + 25, y, c.address}});
        EXPECT_EQ(differingPixels(render(0, c.row, PlaceCell), expected), 0);
    }
}

TEST_F(GridRendering, FormatColumnOnlyForPrograms) {
    struct Case {
        SectionKind kind;
        std::uint32_t word;
        const char* text; // nullptr: the cell stays as its background
    };
    const Case cases[] = {
        {SectionKind::Program, 0x20000000, "UFIF 2"},
        {SectionKind::Program, 0x20000042, "UFIF 2"},
        {SectionKind::Program, 0x20010007, "UFIF 2.1"},
        {SectionKind::Program, 0x20031004, "3.10/4"},
        {SectionKind::Program, 0x20031004 + 1, "3.1.0/5"},
        {SectionKind::Program, 0x20036005, "3.6/5"},
        {SectionKind::Program, 0x20054206, "5.4.2/6"},
        {SectionKind::Program, 0x30C0DE01, "PRG 3"},
        {SectionKind::Program, 0x3500, "PRG 3.5"},
        {SectionKind::Program, 0x464C457F, "c.4.5/f"},
        {SectionKind::Program, 0, "0.0.0/0"},
        {SectionKind::Gif, 0x20000000, nullptr},
        {SectionKind::Other, 0x30C0DE01, nullptr},
        {SectionKind::Empty, 0x20000000, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "no text");
        SectionTable[7] = {c.kind, "x", c.word, 100};
        const QImage expected =
            c.text ? expectedTexts({centred(FormatCell, c.text)}) : blankImage();
        EXPECT_EQ(differingPixels(render(2, 7, FormatCell), expected), 0);
    }
}

TEST_F(GridRendering, HeaderRowTextsCentred) {
    const char* texts[] = {"#", "Program & Size", "FW"};
    const QRect cells[] = {PlaceCell, ContentCell, FormatCell};
    for (int col = 0; col < 3; ++col) {
        SCOPED_TRACE(texts[col]);
        const QImage expected = expectedTexts({centred(cells[col], texts[col])});
        EXPECT_EQ(differingPixels(render(col, 0, cells[col]), expected), 0);
    }
}

// The texts of the slot and "FW" columns fit the designed column widths, so nothing is cut off.
TEST_F(GridRendering, PlaceAndFormatTextsFitTheirColumns) {
    for (int row = 1; row <= 26; ++row) {
        const QImage image = render(0, row, PlaceCell);
        // Nothing reaches the cell's last column: the address ends inside its 75 pixels.
        for (int y = PlaceCell.top(); y <= PlaceCell.bottom(); ++y)
            EXPECT_EQ(at(image, PlaceCell.right(), y), Background) << "row " << row;
    }
    const char* widest[] = {"UFIF 2.1", "5.4.2/6", "PRG 3.5", "c.4.5/f"};
    for (const char* text : widest)
        EXPECT_LE(textWidth(text), FormatCell.width() - 4) << text;
}

TEST_F(GridRendering, TheGridPaintsSlotRowsAndHeaderThroughTheHandler) {
    SectionTable[1] = {SectionKind::Program, "Torch", 0x20031004, 21504};
    SectionTable[2] = {SectionKind::Program, "Big", 0x20010000, 32768};
    DrawGrid& grid = *form().DrawGrid1;
    grid.repaintNow();
    const QImage cells = grid.viewport()->grab().toImage();
    const int left = grid.columnViewportPosition(1);
    const int right = left + grid.columnWidth(1);
    for (const auto& [row, colour, barEnd] :
         {std::tuple{1, Blue, right - 54},
          std::tuple{2, Red, left + 4 + (right - 58 - left) / 2}}) {
        const int top = grid.rowViewportPosition(row - 1);
        EXPECT_EQ(at(cells, left + 3, top + 15 + 3), Black) << "row " << row; // frame corner
        EXPECT_EQ(at(cells, left + 4, top + 22), colour) << "row " << row;
        EXPECT_EQ(at(cells, barEnd - 1, top + 22), colour) << "row " << row;
    }
    const QImage header = grid.horizontalHeader()->grab().toImage();
    const QColor headerBackground = header.pixelColor(left + 2, 2);
    int inked = 0;
    for (int y = 0; y < header.height(); ++y)
        for (int x = left; x < right; ++x)
            inked += header.pixelColor(x, y) != headerBackground ? 1 : 0;
    EXPECT_GT(inked, 50) << "\"Program & Size\" is drawn in the header row";
}

} // namespace
