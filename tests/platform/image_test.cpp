#include "platform/image.h"
#include "test_application.h"

#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ImageTest : public TWidgetTest {
protected:
    void SetUp() override {
        Parent.resize(100, 100);
        Parent.setAutoFillBackground(true);
        QPalette Palette;
        Palette.setColor(QPalette::Window, Qt::blue);
        Parent.setPalette(Palette);
        Image = new TImage(&Parent);
        Image->setGeometry(10, 10, 40, 30);
        QObject::connect(
            Image, &TImage::mouseDown,
            [this](Qt::MouseButton AButton, Qt::KeyboardModifiers AShift, int AX, int AY) {
                Downs.push_back({AButton, AShift, AX, AY});
            });
        Parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Parent));
    }

    // A 30 x 20 picture: white with a black square at 5..9, 5..9 and a white bottom-left.
    static QImage Picture() {
        QImage Result(30, 20, QImage::Format_RGB888);
        Result.fill(Qt::white);
        QPainter(&Result).fillRect(5, 5, 5, 5, Qt::black);
        return Result;
    }

    struct TDown {
        Qt::MouseButton Button;
        Qt::KeyboardModifiers Shift;
        int X, Y;
        bool operator==(const TDown &) const = default;
    };

    QWidget Parent;
    TImage *Image = nullptr;
    std::vector<TDown> Downs;
};

TEST_F(ImageTest, DrawsAtNaturalSizeFromTheCornerClipped) {
    Image->setPicture(Picture());
    const QImage Shown = Parent.grab().toImage();
    EXPECT_EQ(Shown.pixelColor(10 + 7, 10 + 7), QColor(Qt::black));
    EXPECT_EQ(Shown.pixelColor(10 + 0, 10 + 0), QColor(Qt::white));
    // Beyond the picture the parent shows through.
    EXPECT_EQ(Shown.pixelColor(10 + 35, 10 + 5), QColor(Qt::blue));
    Image->resize(8, 8);
    EXPECT_EQ(Parent.grab().toImage().pixelColor(10 + 8, 10 + 7), QColor(Qt::blue));
}

TEST_F(ImageTest, TransparentLeavesOutTheBottomLeftColour) {
    Image->setPicture(Picture());
    Image->setTransparent(true);
    const QImage Shown = Parent.grab().toImage();
    EXPECT_EQ(Shown.pixelColor(10 + 0, 10 + 0), QColor(Qt::blue));
    EXPECT_EQ(Shown.pixelColor(10 + 29, 10 + 19), QColor(Qt::blue));
    EXPECT_EQ(Shown.pixelColor(10 + 7, 10 + 7), QColor(Qt::black));
    EXPECT_EQ(Image->picture().pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(ImageTest, MouseDownGivesButtonShiftAndPositionAlsoWithoutPicture) {
    QTest::mousePress(Image, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseRelease(Image, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mousePress(Image, Qt::RightButton, Qt::ShiftModifier, QPoint(39, 29));
    QTest::mouseRelease(Image, Qt::RightButton, Qt::ShiftModifier, QPoint(39, 29));
    // The second press of a double click arrives as the double click itself.
    QTest::mouseClick(Image, Qt::MiddleButton, {}, QPoint(7, 8));
    QTest::mouseDClick(Image, Qt::MiddleButton, {}, QPoint(7, 8));
    QTest::mouseRelease(Image, Qt::MiddleButton, {}, QPoint(7, 8));
    const std::vector<TDown> Expected = {{Qt::LeftButton, Qt::NoModifier, 3, 4},
                                         {Qt::RightButton, Qt::ShiftModifier, 39, 29},
                                         {Qt::MiddleButton, Qt::NoModifier, 7, 8},
                                         {Qt::MiddleButton, Qt::NoModifier, 7, 8}};
    EXPECT_EQ(Downs, Expected);
}

TEST_F(ImageTest, ReportsPointerMoves) {
    std::vector<QPoint> Moves;
    QObject::connect(Image, &TImage::mouseMoved, [&](Qt::KeyboardModifiers, int AX, int AY) {
        Moves.push_back({AX, AY});
    });
    QTest::mouseMove(Image, QPoint(5, 6));
    QTest::mouseMove(Image, QPoint(20, 21));
    ASSERT_FALSE(Moves.empty());
    EXPECT_EQ(Moves.back(), QPoint(20, 21));
}

} // namespace
