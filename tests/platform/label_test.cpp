#include "platform/label.h"
#include "test_application.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class LabelTest : public TWidgetTest {
protected:
    void SetUp() override {
        Parent.resize(300, 100);
        Label = new TLabel(&Parent);
        Label->move(20, 9);
        Parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Parent));
    }

    int WidthOf(const QString &AText) { return Label->fontMetrics().horizontalAdvance(AText); }

    QWidget Parent;
    TLabel *Label = nullptr;
};

TEST_F(LabelTest, AutoSizeFitsTheShownTextKeepingTheLeftEdge) {
    Label->setText(QStringLiteral("X1 = 100 , mark x2"));
    EXPECT_EQ(Label->pos(), QPoint(20, 9));
    EXPECT_NEAR(Label->width(), WidthOf(QStringLiteral("X1 = 100 , mark x2")), 1);
    Label->setText(QStringLiteral("A&&B"));
    const int ShownAmpersand = Label->width();
    Label->setText(QStringLiteral("&A&&B"));
    EXPECT_EQ(Label->width(), ShownAmpersand);
    EXPECT_NEAR(ShownAmpersand, WidthOf(QStringLiteral("A&B")), 1);
    const int OneLine = Label->height();
    Label->setText(QStringLiteral("first\rsecond"));
    EXPECT_NEAR(Label->width(), WidthOf(QStringLiteral("second")), 1);
    EXPECT_GE(Label->height(), 2 * OneLine - 1);
    EXPECT_EQ(Label->pos(), QPoint(20, 9));
}

// Lines stand 13 pixels apart, the layout's pitch, whatever the font's own line spacing.
TEST_F(LabelTest, LinesKeepTheLayoutsPitch) {
    QFont Font = Label->font();
    Font.setPixelSize(11);
    Label->setFont(Font);
    Label->setText(QStringLiteral("I"));
    EXPECT_EQ(Label->height(), 13);
    Label->setAutoSize(false);
    Label->resize(40, 34);
    Label->setText(QStringLiteral("I\rI"));
    const QImage Shown = Label->grab().toImage();
    auto FirstInkRow = [&](int AFrom) {
        for (int Y = AFrom; Y < Shown.height(); ++Y)
            for (int X = 0; X < Shown.width(); ++X)
                if (qGray(Shown.pixel(X, Y)) < 128)
                    return Y;
        return -1;
    };
    const int First = FirstInkRow(0);
    ASSERT_GE(First, 0);
    EXPECT_EQ(FirstInkRow(13), First + 13);
}

TEST_F(LabelTest, FixedSizeCentresEachLineAndCutsItAtBothEdges) {
    Label->setAutoSize(false);
    Label->setGeometry(40, 32, 60, 34);
    Label->setAlignment(Qt::AlignHCenter);
    Label->setColor(QColor(255, 242, 0));
    Label->setText(QStringLiteral("i\rWWWWWWWWWWWWWWWWWWWW"));
    EXPECT_EQ(Label->size(), QSize(60, 34));

    const QImage Shown = Label->grab().toImage();
    const QColor Yellow(255, 242, 0);
    auto InkColumns = [&](int AFromRow, int AToRow) {
        std::vector<int> Columns;
        for (int X = 0; X < Shown.width(); ++X)
            for (int Y = AFromRow; Y < AToRow; ++Y)
                if (Shown.pixelColor(X, Y) != Yellow) {
                    Columns.push_back(X);
                    break;
                }
        return Columns;
    };
    const int LineHeight = Label->fontMetrics().lineSpacing();
    // The narrow first line stands in the middle, on a yellow ground.
    const std::vector<int> First = InkColumns(0, LineHeight);
    ASSERT_FALSE(First.empty());
    EXPECT_NEAR((First.front() + First.back()) / 2.0, 30, 2);
    EXPECT_EQ(Shown.pixelColor(0, 0), Yellow);
    // The wide second line is cut at both edges rather than wrapped.
    const std::vector<int> Second = InkColumns(LineHeight, 2 * LineHeight);
    ASSERT_FALSE(Second.empty());
    EXPECT_LE(Second.front(), 2);
    EXPECT_GE(Second.back(), 57);
    EXPECT_TRUE(InkColumns(2 * LineHeight + 1, 34).empty());
}

} // namespace
