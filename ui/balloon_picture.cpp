#include "ui/balloon_picture.h"

namespace {

constexpr int PictureWidth = 300;
constexpr int PictureHeight = 75;
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Yellow = qRgb(255, 242, 0);
constexpr QRgb Black = qRgb(0, 0, 0);

// The body is symmetric: column c mirrors to 237 - c, row r to 94 - r.
constexpr int BodyMirrorColumns = 237;
constexpr int BodyMirrorRows = 94;
constexpr int BodyTopRow = 25;
constexpr int BodyBottomRow = BodyMirrorRows - BodyTopRow;
constexpr int BodyLeftColumn = 15;

struct TSpan {
    int First, Last;
};

// Left outline of the body's rounded top-left corner, rows 26 to 30; below it the straight
// left edge.
constexpr TSpan CornerOutline[] = {{19, 20}, {18, 18}, {17, 17}, {16, 16}, {16, 16}};
constexpr int CornerFirstRow = BodyTopRow + 1;
constexpr int CornerLastRow = CornerFirstRow + 4;
constexpr TSpan TopEdge = {21, BodyMirrorColumns - 21};

// Where the tail opens into the body the top edge is left yellow.
constexpr TSpan TailOpening = {32, 55};

struct TTailRow {
    TSpan LeftOutline, RightOutline;
};

// The tail's left side falls almost straight down in steps; its right side runs at 45 degrees
// (column row + 29) and then bends into the top edge over the last three rows.
TTailRow TailRow(int ARow) {
    switch (ARow) {
    case 22:
        return {{33, 33}, {51, 52}};
    case 23:
        return {{33, 33}, {53, 53}};
    case 24:
        return {{32, 33}, {53, 55}};
    default:
        break;
    }
    const int left = ARow < 4 ? 29 : ARow < 8 ? 30 : ARow < 13 ? 31 : ARow < 18 ? 32 : 33;
    return {{left, left}, {ARow + 29, ARow + 29}};
}

void DrawSpan(QImage &AImage, int ARow, TSpan ASpan, QRgb AColour) {
    for (int column = ASpan.First; column <= ASpan.Last; ++column)
        AImage.setPixel(column, ARow, AColour);
}

TSpan Mirrored(TSpan ASpan) {
    return {BodyMirrorColumns - ASpan.Last, BodyMirrorColumns - ASpan.First};
}

// The body's left outline on a row strictly between its top and bottom edges.
TSpan LeftOutline(int ARow) {
    const int upperRow = ARow <= BodyMirrorRows / 2 ? ARow : BodyMirrorRows - ARow;
    if (upperRow <= CornerLastRow)
        return CornerOutline[upperRow - CornerFirstRow];
    return {BodyLeftColumn, BodyLeftColumn};
}

void DrawBody(QImage &AImage) {
    DrawSpan(AImage, BodyTopRow, TopEdge, Black);
    DrawSpan(AImage, BodyBottomRow, TopEdge, Black);
    for (int row = BodyTopRow + 1; row < BodyBottomRow; ++row) {
        const TSpan left = LeftOutline(row);
        const TSpan right = Mirrored(left);
        DrawSpan(AImage, row, left, Black);
        DrawSpan(AImage, row, {left.Last + 1, right.First - 1}, Yellow);
        DrawSpan(AImage, row, right, Black);
    }
}

void DrawTail(QImage &AImage) {
    for (int row = 0; row < BodyTopRow; ++row) {
        const TTailRow tail = TailRow(row);
        DrawSpan(AImage, row, {tail.LeftOutline.Last + 1, tail.RightOutline.First - 1}, Yellow);
        DrawSpan(AImage, row, tail.LeftOutline, Black);
        DrawSpan(AImage, row, tail.RightOutline, Black);
    }
    DrawSpan(AImage, BodyTopRow, TailOpening, Yellow);
}

} // namespace

QImage BalloonPicture() {
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB888);
    picture.fill(White);
    DrawBody(picture);
    DrawTail(picture);
    return picture;
}
