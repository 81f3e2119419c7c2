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
    const QRgb Value = AImage.pixel(AColumn, ARow);
    return qRgb(qRed(Value), qGreen(Value), qBlue(Value));
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
    std::vector<TTailRow> Rows = {
        {0, {29, 29}, std::nullopt, std::nullopt},
        {1, {29, 29}, std::nullopt, TSpan{30, 30}},
        {2, {29, 29}, TSpan{30, 30}, TSpan{31, 31}},
        {3, {29, 29}, TSpan{30, 31}, TSpan{32, 32}},
    };
    const struct {
        int FirstRow, LastRow, Left;
    } Steps[] = {{4, 7, 30}, {8, 12, 31}, {13, 17, 32}, {18, 21, 33}};
    for (const auto &Step : Steps)
        for (int Row = Step.FirstRow; Row <= Step.LastRow; ++Row)
            Rows.push_back({Row,
                            {Step.Left, Step.Left},
                            TSpan{Step.Left + 1, Row + 28},
                            TSpan{Row + 29, Row + 29}});
    Rows.push_back({22, {33, 33}, TSpan{34, 50}, TSpan{51, 52}});
    Rows.push_back({23, {33, 33}, TSpan{34, 52}, TSpan{53, 53}});
    Rows.push_back({24, {32, 33}, TSpan{34, 52}, TSpan{53, 55}});
    return Rows;
}

// The top-left corner's outline; the other corners mirror it.
constexpr std::array<std::array<int, 2>, 6> CornerOutline = {
    {{19, 26}, {20, 26}, {18, 27}, {17, 28}, {16, 29}, {16, 30}}};

using TGrid = std::array<std::array<QRgb, Width>, Height>;

void Paint(TGrid &AGrid, int ARow, TSpan ASpan, QRgb AColour) {
    for (int Column = ASpan.First; Column <= ASpan.Last; ++Column)
        AGrid[ARow][Column] = AColour;
}

// The picture as described, statement by statement.
TGrid DescribedPicture() {
    TGrid Grid;
    for (auto &Row : Grid)
        Row.fill(White);
    Paint(Grid, 25, {21, 216}, Black);
    Paint(Grid, 69, {21, 216}, Black);
    for (int Row = 31; Row <= 63; ++Row) {
        Grid[Row][15] = Black;
        Grid[Row][222] = Black;
    }
    for (const auto &[Column, Row] : CornerOutline) {
        Grid[Row][Column] = Black;
        Grid[Row][237 - Column] = Black;
        Grid[94 - Row][Column] = Black;
        Grid[94 - Row][237 - Column] = Black;
    }
    const struct {
        std::vector<int> Rows;
        TSpan Columns;
    } Interior[] = {{{26, 68}, {21, 216}},
                    {{27, 67}, {19, 218}},
                    {{28, 66}, {18, 219}},
                    {{29, 30, 64, 65}, {17, 220}}};
    for (const auto &Part : Interior)
        for (int Row : Part.Rows)
            Paint(Grid, Row, Part.Columns, Yellow);
    for (int Row = 31; Row <= 63; ++Row)
        Paint(Grid, Row, {16, 221}, Yellow);
    Paint(Grid, 25, {32, 55}, Yellow);
    for (const TTailRow &Tail : TailTable()) {
        Paint(Grid, Tail.Row, Tail.LeftOutline, Black);
        if (Tail.Inside)
            Paint(Grid, Tail.Row, *Tail.Inside, Yellow);
        if (Tail.RightOutline)
            Paint(Grid, Tail.Row, *Tail.RightOutline, Black);
    }
    return Grid;
}

class BalloonPictureTest : public ::testing::Test {
protected:
    const QImage Picture = DrawBalloonPicture();
};

TEST_F(BalloonPictureTest, IsA24BitImageOfExactlyThreeColoursInTheDescribedAmounts) {
    ASSERT_EQ(Picture.size(), QSize(Width, Height));
    EXPECT_EQ(Picture.depth(), 24);
    int WhiteCount = 0, YellowCount = 0, BlackCount = 0, OtherCount = 0;
    for (int Row = 0; Row < Height; ++Row)
        for (int Column = 0; Column < Width; ++Column) {
            const QRgb Value = Pixel(Picture, Column, Row);
            (Value == White    ? WhiteCount
             : Value == Yellow ? YellowCount
             : Value == Black  ? BlackCount
                               : OtherCount)++;
        }
    EXPECT_EQ(BlackCount, 511);
    EXPECT_EQ(YellowCount, 9054);
    EXPECT_EQ(WhiteCount, 12935);
    EXPECT_EQ(OtherCount, 0);
}

TEST_F(BalloonPictureTest, EveryPixelIsAsDescribed) {
    ASSERT_EQ(Picture.size(), QSize(Width, Height));
    const TGrid Expected = DescribedPicture();
    int Mismatches = 0;
    for (int Row = 0; Row < Height; ++Row)
        for (int Column = 0; Column < Width; ++Column)
            if (Pixel(Picture, Column, Row) != Expected[Row][Column] && ++Mismatches <= 10)
                ADD_FAILURE() << "pixel at column " << Column << ", row " << Row << " is "
                              << std::hex << Pixel(Picture, Column, Row) << ", expected "
                              << Expected[Row][Column];
    EXPECT_EQ(Mismatches, 0);
}

TEST_F(BalloonPictureTest, OutlineRowsAndColumns) {
    for (int Column = 0; Column < Width; ++Column) {
        const bool OnEdge = Column >= 21 && Column <= 216;
        const bool InTailOpening = Column >= 32 && Column <= 55;
        EXPECT_EQ(Pixel(Picture, Column, 25), !OnEdge         ? White
                                              : InTailOpening ? Yellow
                                                              : Black)
            << "top edge, column " << Column;
        EXPECT_EQ(Pixel(Picture, Column, 69), OnEdge ? Black : White)
            << "bottom edge, column " << Column;
    }
    for (int Row = 31; Row <= 63; ++Row) {
        EXPECT_EQ(Pixel(Picture, 14, Row), White) << Row;
        EXPECT_EQ(Pixel(Picture, 15, Row), Black) << Row;
        EXPECT_EQ(Pixel(Picture, 16, Row), Yellow) << Row;
        EXPECT_EQ(Pixel(Picture, 221, Row), Yellow) << Row;
        EXPECT_EQ(Pixel(Picture, 222, Row), Black) << Row;
        EXPECT_EQ(Pixel(Picture, 223, Row), White) << Row;
    }
}

TEST_F(BalloonPictureTest, BodyBelowTheTopEdgeIsMirroredBothWays) {
    for (const auto &[Column, Row] : CornerOutline)
        EXPECT_EQ(Pixel(Picture, Column, Row), Black) << Column << ", " << Row;
    const struct {
        int Row, FirstOutlineColumn;
    } CornerRows[] = {{26, 19}, {27, 18}, {28, 17}, {29, 16}, {30, 16}, {31, 15}};
    for (const auto &Corner : CornerRows)
        for (int Column = 0; Column < Corner.FirstOutlineColumn; ++Column)
            EXPECT_EQ(Pixel(Picture, Column, Corner.Row), White) << Column << ", " << Corner.Row;
    for (int Row = 26; Row <= 68; ++Row)
        for (int Column = 0; Column <= 237; ++Column) {
            const QRgb pixel = Pixel(Picture, Column, Row);
            ASSERT_EQ(Pixel(Picture, 237 - Column, Row), pixel) << Column << ", " << Row;
            ASSERT_EQ(Pixel(Picture, Column, 94 - Row), pixel) << Column << ", " << Row;
        }
}

TEST_F(BalloonPictureTest, TailRowByRow) {
    for (const TTailRow &Tail : TailTable()) {
        SCOPED_TRACE(Tail.Row);
        std::array<QRgb, Width> Expected;
        Expected.fill(White);
        for (int Column = Tail.LeftOutline.First; Column <= Tail.LeftOutline.Last; ++Column)
            Expected[Column] = Black;
        if (Tail.Inside)
            for (int Column = Tail.Inside->First; Column <= Tail.Inside->Last; ++Column)
                Expected[Column] = Yellow;
        if (Tail.RightOutline)
            for (int Column = Tail.RightOutline->First; Column <= Tail.RightOutline->Last; ++Column)
                Expected[Column] = Black;
        for (int Column = 0; Column < Width; ++Column)
            EXPECT_EQ(Pixel(Picture, Column, Tail.Row), Expected[Column]) << "column " << Column;
    }
    EXPECT_EQ(Pixel(Picture, 29, 0), Black) << "the tip";
}

TEST_F(BalloonPictureTest, MarginsAreWhiteThroughout) {
    const QRect Margins[] = {{0, 70, Width, 5}, {0, 0, 15, Height}, {223, 0, 77, Height}};
    for (const QRect &Margin : Margins)
        for (int Row = Margin.top(); Row <= Margin.bottom(); ++Row)
            for (int Column = Margin.left(); Column <= Margin.right(); ++Column)
                ASSERT_EQ(Pixel(Picture, Column, Row), White) << Column << ", " << Row;
    EXPECT_EQ(Pixel(Picture, 0, Height - 1), White) << "the see-through colour";
}

} // namespace
