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
    const int Left = ARow < 4 ? 29 : ARow < 8 ? 30 : ARow < 13 ? 31 : ARow < 18 ? 32 : 33;
    return {{Left, Left}, {ARow + 29, ARow + 29}};
}

void DrawSpan(QImage &AImage, int ARow, TSpan ASpan, QRgb AColour) {
    for (int Column = ASpan.First; Column <= ASpan.Last; ++Column)
        AImage.setPixel(Column, ARow, AColour);
}

TSpan Mirrored(TSpan ASpan) {
    return {BodyMirrorColumns - ASpan.Last, BodyMirrorColumns - ASpan.First};
}

// The body's left outline on a row strictly between its top and bottom edges.
TSpan LeftOutline(int ARow) {
    const int UpperRow = ARow <= BodyMirrorRows / 2 ? ARow : BodyMirrorRows - ARow;
    if (UpperRow <= CornerLastRow)
        return CornerOutline[UpperRow - CornerFirstRow];
    return {BodyLeftColumn, BodyLeftColumn};
}

void DrawBody(QImage &AImage) {
    DrawSpan(AImage, BodyTopRow, TopEdge, Black);
    DrawSpan(AImage, BodyBottomRow, TopEdge, Black);
    for (int Row = BodyTopRow + 1; Row < BodyBottomRow; ++Row) {
        const TSpan Left = LeftOutline(Row);
        const TSpan Right = Mirrored(Left);
        DrawSpan(AImage, Row, Left, Black);
        DrawSpan(AImage, Row, {Left.Last + 1, Right.First - 1}, Yellow);
        DrawSpan(AImage, Row, Right, Black);
    }
}

void DrawTail(QImage &AImage) {
    for (int Row = 0; Row < BodyTopRow; ++Row) {
        const TTailRow Tail = TailRow(Row);
        DrawSpan(AImage, Row, {Tail.LeftOutline.Last + 1, Tail.RightOutline.First - 1}, Yellow);
        DrawSpan(AImage, Row, Tail.LeftOutline, Black);
        DrawSpan(AImage, Row, Tail.RightOutline, Black);
    }
    DrawSpan(AImage, BodyTopRow, TailOpening, Yellow);
}

} // namespace

QImage DrawBalloonPicture() {
    QImage Picture(PictureWidth, PictureHeight, QImage::Format_RGB888);
    Picture.fill(White);
    DrawBody(Picture);
    DrawTail(Picture);
    return Picture;
}
