#include "ui/balloon_picture.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

namespace {

constexpr int Width = 300;
constexpr int Height = 75;
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Yellow = qRgb(255, 242, 0);
constexpr QRgb Black = qRgb(0, 0, 0);

QRgb Pixel(const QImage &AImage, int AColumn, int ARow) {
    const QRgb pixel = AImage.pixel(AColumn, ARow);
    return qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

struct TSpan {
    int First, Last;
};

// One row of the tail, written out from the table of the picture's description.
struct TTailRow {
    int Row;
    TSpan LeftOutline;
    std::optional<TSpan> Inside;
    std::optional<TSpan> RightOutline;
};

std::vector<TTailRow> TailTable() {
    std::vector<TTailRow> rows = {
        {0, {29, 29}, std::nullopt, std::nullopt},
        {1, {29, 29}, std::nullopt, TSpan{30, 30}},
        {2, {29, 29}, TSpan{30, 30}, TSpan{31, 31}},
        {3, {29, 29}, TSpan{30, 31}, TSpan{32, 32}},
    };
    const struct {
        int FirstRow, LastRow, Left;
    } steps[] = {{4, 7, 30}, {8, 12, 31}, {13, 17, 32}, {18, 21, 33}};
    for (const auto &step : steps)
        for (int row = step.FirstRow; row <= step.LastRow; ++row)
            rows.push_back({row,
                            {step.Left, step.Left},
                            TSpan{step.Left + 1, row + 28},
                            TSpan{row + 29, row + 29}});
    rows.push_back({22, {33, 33}, TSpan{34, 50}, TSpan{51, 52}});
    rows.push_back({23, {33, 33}, TSpan{34, 52}, TSpan{53, 53}});
    rows.push_back({24, {32, 33}, TSpan{34, 52}, TSpan{53, 55}});
    return rows;
}

// The top-left corner's outline; the other corners mirror it.
constexpr std::array<std::array<int, 2>, 6> CornerOutline = {
    {{19, 26}, {20, 26}, {18, 27}, {17, 28}, {16, 29}, {16, 30}}};

using TGrid = std::array<std::array<QRgb, Width>, Height>;

void Paint(TGrid &AGrid, int ARow, TSpan ASpan, QRgb AColour) {
    for (int column = ASpan.First; column <= ASpan.Last; ++column)
        AGrid[ARow][column] = AColour;
}

// The picture as described, statement by statement.
TGrid DescribedPicture() {
    TGrid grid;
    for (auto &row : grid)
        row.fill(White);
    Paint(grid, 25, {21, 216}, Black);
    Paint(grid, 69, {21, 216}, Black);
    for (int row = 31; row <= 63; ++row) {
        grid[row][15] = Black;
        grid[row][222] = Black;
    }
    for (const auto &[column, row] : CornerOutline) {
        grid[row][column] = Black;
        grid[row][237 - column] = Black;
        grid[94 - row][column] = Black;
        grid[94 - row][237 - column] = Black;
    }
    const struct {
        std::vector<int> Rows;
        TSpan Columns;
    } interior[] = {{{26, 68}, {21, 216}},
                    {{27, 67}, {19, 218}},
                    {{28, 66}, {18, 219}},
                    {{29, 30, 64, 65}, {17, 220}}};
    for (const auto &part : interior)
        for (int row : part.Rows)
            Paint(grid, row, part.Columns, Yellow);
    for (int row = 31; row <= 63; ++row)
        Paint(grid, row, {16, 221}, Yellow);
    Paint(grid, 25, {32, 55}, Yellow);
    for (const TTailRow &tail : TailTable()) {
        Paint(grid, tail.Row, tail.LeftOutline, Black);
        if (tail.Inside)
            Paint(grid, tail.Row, *tail.Inside, Yellow);
        if (tail.RightOutline)
            Paint(grid, tail.Row, *tail.RightOutline, Black);
    }
    return grid;
}

class BalloonPictureTest : public ::testing::Test {
protected:
    const QImage Picture = BalloonPicture();
};

TEST_F(BalloonPictureTest, IsA24BitImageOfExactlyThreeColoursInTheDescribedAmounts) {
    ASSERT_EQ(Picture.size(), QSize(Width, Height));
    EXPECT_EQ(Picture.depth(), 24);
    int white = 0, yellow = 0, black = 0, other = 0;
    for (int row = 0; row < Height; ++row)
        for (int column = 0; column < Width; ++column) {
            const QRgb pixel = Pixel(Picture, column, row);
            (pixel == White ? white : pixel == Yellow ? yellow : pixel == Black ? black : other)++;
        }
    EXPECT_EQ(black, 511);
    EXPECT_EQ(yellow, 9054);
    EXPECT_EQ(white, 12935);
    EXPECT_EQ(other, 0);
}

TEST_F(BalloonPictureTest, EveryPixelIsAsDescribed) {
    ASSERT_EQ(Picture.size(), QSize(Width, Height));
    const TGrid expected = DescribedPicture();
    int mismatches = 0;
    for (int row = 0; row < Height; ++row)
        for (int column = 0; column < Width; ++column)
            if (Pixel(Picture, column, row) != expected[row][column] && ++mismatches <= 10)
                ADD_FAILURE() << "pixel at column " << column << ", row " << row << " is "
                              << std::hex << Pixel(Picture, column, row) << ", expected "
                              << expected[row][column];
    EXPECT_EQ(mismatches, 0);
}

TEST_F(BalloonPictureTest, OutlineRowsAndColumns) {
    for (int column = 0; column < Width; ++column) {
        const bool onEdge = column >= 21 && column <= 216;
        const bool inTailOpening = column >= 32 && column <= 55;
        EXPECT_EQ(Pixel(Picture, column, 25), !onEdge         ? White
                                              : inTailOpening ? Yellow
                                                              : Black)
            << "top edge, column " << column;
        EXPECT_EQ(Pixel(Picture, column, 69), onEdge ? Black : White)
            << "bottom edge, column " << column;
    }
    for (int row = 31; row <= 63; ++row) {
        EXPECT_EQ(Pixel(Picture, 14, row), White) << row;
        EXPECT_EQ(Pixel(Picture, 15, row), Black) << row;
        EXPECT_EQ(Pixel(Picture, 16, row), Yellow) << row;
        EXPECT_EQ(Pixel(Picture, 221, row), Yellow) << row;
        EXPECT_EQ(Pixel(Picture, 222, row), Black) << row;
        EXPECT_EQ(Pixel(Picture, 223, row), White) << row;
    }
}

TEST_F(BalloonPictureTest, BodyBelowTheTopEdgeIsMirroredBothWays) {
    for (const auto &[column, row] : CornerOutline)
        EXPECT_EQ(Pixel(Picture, column, row), Black) << column << ", " << row;
    const struct {
        int Row, FirstOutlineColumn;
    } cornerRows[] = {{26, 19}, {27, 18}, {28, 17}, {29, 16}, {30, 16}, {31, 15}};
    for (const auto &corner : cornerRows)
        for (int column = 0; column < corner.FirstOutlineColumn; ++column)
            EXPECT_EQ(Pixel(Picture, column, corner.Row), White) << column << ", " << corner.Row;
    for (int row = 26; row <= 68; ++row)
        for (int column = 0; column <= 237; ++column) {
            const QRgb pixel = Pixel(Picture, column, row);
            ASSERT_EQ(Pixel(Picture, 237 - column, row), pixel) << column << ", " << row;
            ASSERT_EQ(Pixel(Picture, column, 94 - row), pixel) << column << ", " << row;
        }
}

TEST_F(BalloonPictureTest, TailRowByRow) {
    for (const TTailRow &tail : TailTable()) {
        SCOPED_TRACE(tail.Row);
        std::array<QRgb, Width> expected;
        expected.fill(White);
        for (int column = tail.LeftOutline.First; column <= tail.LeftOutline.Last; ++column)
            expected[column] = Black;
        if (tail.Inside)
            for (int column = tail.Inside->First; column <= tail.Inside->Last; ++column)
                expected[column] = Yellow;
        if (tail.RightOutline)
            for (int column = tail.RightOutline->First; column <= tail.RightOutline->Last; ++column)
                expected[column] = Black;
        for (int column = 0; column < Width; ++column)
            EXPECT_EQ(Pixel(Picture, column, tail.Row), expected[column]) << "column " << column;
    }
    EXPECT_EQ(Pixel(Picture, 29, 0), Black) << "the tip";
}

TEST_F(BalloonPictureTest, MarginsAreWhiteThroughout) {
    const QRect margins[] = {{0, 70, Width, 5}, {0, 0, 15, Height}, {223, 0, 77, Height}};
    for (const QRect &margin : margins)
        for (int row = margin.top(); row <= margin.bottom(); ++row)
            for (int column = margin.left(); column <= margin.right(); ++column)
                ASSERT_EQ(Pixel(Picture, column, row), White) << column << ", " << row;
    EXPECT_EQ(Pixel(Picture, 0, Height - 1), White) << "the see-through colour";
}

} // namespace
