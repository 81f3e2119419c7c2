#include "platform/scroll_box.h"
#include "test_application.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A 400 x 300 box with a large picture-like child, a hidden child and a small one.
class ScrollBoxTest : public TWidgetTest {
protected:
    void SetUp() override {
        Box.resize(400, 300);
        Picture = new QWidget(Box.viewport());
        Picture->setGeometry(0, 0, 1000, 800);
        Hidden = new QWidget(Box.viewport());
        Hidden->setGeometry(2000, 3000, 10, 10);
        Hidden->hide();
        Marker = new QWidget(Box.viewport());
        Marker->setGeometry(50, 60, 1, 65);
        Box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Box));
    }

    QScrollBar *Horizontal() { return Box.horizontalScrollBar(); }
    QScrollBar *Vertical() { return Box.verticalScrollBar(); }

    TScrollBox Box;
    QWidget *Picture = nullptr;
    QWidget *Hidden = nullptr;
    QWidget *Marker = nullptr;
};

TEST_F(ScrollBoxTest, RangeReachesTheVisibleChildrensEdges) {
    const QSize Visible = Box.viewport()->size();
    EXPECT_EQ(Horizontal()->maximum(), 1000 - Visible.width());
    EXPECT_EQ(Vertical()->maximum(), 800 - Visible.height());
    EXPECT_TRUE(Horizontal()->isVisible());
    EXPECT_TRUE(Horizontal()->hasTracking());

    // Shown, the far child extends the range; shrunk, the picture no longer needs bars.
    Hidden->show();
    EXPECT_EQ(Vertical()->maximum(), 3010 - Box.viewport()->height());
    Hidden->hide();
    Picture->resize(100, 100);
    QCoreApplication::processEvents(); // scroll bars show and hide through queued calls
    EXPECT_EQ(Horizontal()->maximum(), 0);
    EXPECT_EQ(Vertical()->maximum(), 0);
    EXPECT_FALSE(Horizontal()->isVisible());
    EXPECT_FALSE(Vertical()->isVisible());
    EXPECT_EQ(Box.viewport()->size(), QSize(400, 300));
}

TEST_F(ScrollBoxTest, ScrollingMovesEveryChildShownOrHidden) {
    Horizontal()->setValue(37);
    Vertical()->setValue(11);
    EXPECT_EQ(Picture->pos(), QPoint(-37, -11));
    EXPECT_EQ(Marker->pos(), QPoint(50 - 37, 60 - 11));
    EXPECT_EQ(Hidden->pos(), QPoint(2000 - 37, 3000 - 11));
    // A child placed now is placed in the coordinates of the visible part.
    Marker->move(Picture->x() + 100, 5);
    Horizontal()->setValue(0);
    Vertical()->setValue(0);
    EXPECT_EQ(Marker->pos(), QPoint(100, 16));
    EXPECT_EQ(Picture->pos(), QPoint(0, 0));
}

TEST_F(ScrollBoxTest, ShrinkingTheContentScrollsBackIntoRange) {
    Horizontal()->setValue(Horizontal()->maximum());
    Picture->resize(Picture->width() - 100, Picture->height());
    EXPECT_EQ(Horizontal()->value(), Horizontal()->maximum());
    EXPECT_EQ(Picture->x() + Picture->width(), Box.viewport()->width());
}

TEST(ScrollBox, TakesNoFocusAndHasNoFrame) {
    TestApplication();
    TScrollBox Box;
    EXPECT_EQ(Box.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(Box.frameShape(), QFrame::NoFrame);
}

} // namespace
