#include "platform/popup_menu.h"
#include "platform/speed_button.h"
#include "test_application.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Five grouped buttons on one parent, as the tool bar's reference buttons.
class SpeedButtonTest : public TWidgetTest {
protected:
    void SetUp() override {
        Parent.resize(300, 40);
        for (int Index = 0; Index < 5; ++Index) {
            Buttons[Index] = new TSpeedButton(&Parent);
            Buttons[Index]->setGeometry(Index * 30, 4, 30, 22);
            Buttons[Index]->setText(QString::number((Index + 1) * 100));
            Buttons[Index]->setGroupIndex(1);
            Buttons[Index]->setAllowAllUp(true);
            QObject::connect(Buttons[Index], &TSpeedButton::clicked,
                             [this, Index] { Clicks.push_back(Index); });
        }
        Parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Parent));
    }

    std::vector<bool> DownStates() const {
        std::vector<bool> States;
        for (const TSpeedButton *Button : Buttons)
            States.push_back(Button->isChecked());
        return States;
    }

    void Click(int AIndex, Qt::MouseButton AButton = Qt::LeftButton) {
        QTest::mouseClick(Buttons[AIndex], AButton);
    }

    QWidget Parent;
    TSpeedButton *Buttons[5] = {};
    std::vector<int> Clicks;
};

TEST_F(SpeedButtonTest, ClicksToggleOneDownButtonWithinTheGroup) {
    using States = std::vector<bool>;
    Click(2);
    EXPECT_EQ(DownStates(), States({false, false, true, false, false}));
    Click(4);
    EXPECT_EQ(DownStates(), States({false, false, false, false, true}));
    Click(4); // the down button goes up: all up
    EXPECT_EQ(DownStates(), States({false, false, false, false, false}));
    EXPECT_EQ(Clicks, std::vector<int>({2, 4, 4}));
}

TEST_F(SpeedButtonTest, WithoutAllowAllUpTheDownButtonStaysDown) {
    Buttons[1]->setAllowAllUp(false);
    Click(1);
    Click(1);
    EXPECT_TRUE(Buttons[1]->isChecked());
    EXPECT_EQ(Clicks.size(), 2u);
}

TEST_F(SpeedButtonTest, OnlyTheLeftButtonOfAnEnabledButtonClicks) {
    Click(0, Qt::RightButton);
    Click(0, Qt::MiddleButton);
    EXPECT_TRUE(Clicks.empty());
    Click(0);
    Buttons[0]->setEnabled(false);
    Click(0);
    Click(1);
    Buttons[1]->setEnabled(false);
    EXPECT_EQ(Clicks, std::vector<int>({0, 1}));
    // Disabled, a down button stays down.
    EXPECT_TRUE(Buttons[1]->isChecked());
    EXPECT_EQ(Buttons[0]->focusPolicy(), Qt::NoFocus);
}

TEST_F(SpeedButtonTest, ReleasingElsewhereDoesNotClick) {
    QTest::mousePress(Buttons[0], Qt::LeftButton);
    QTest::mouseRelease(Buttons[0], Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_TRUE(Clicks.empty());
    EXPECT_FALSE(Buttons[0]->isChecked());
}

TEST_F(SpeedButtonTest, RightClickOpensThePopupMenuOnlyWhileEnabled) {
    TPopupMenu Menu;
    Menu.addAction(QStringLiteral("500"));
    Buttons[4]->setPopupMenu(&Menu);
    Buttons[4]->setEnabled(false);
    Click(4, Qt::RightButton);
    EXPECT_FALSE(Menu.isVisible());

    Buttons[4]->setEnabled(true);
    const QPoint Pointer(10, 12);
    QTest::mouseClick(Buttons[4], Qt::RightButton, {}, Pointer);
    EXPECT_TRUE(Menu.isVisible());
    EXPECT_EQ(Menu.pos(), Buttons[4]->mapToGlobal(Pointer));
    Menu.close();
    EXPECT_TRUE(Clicks.empty());
    EXPECT_FALSE(Buttons[4]->isChecked());
}

TEST_F(SpeedButtonTest, AcceleratorClicksWithoutChangingTheDownState) {
    Parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Parent));
    Buttons[4]->setText(QStringLiteral("1&200"));
    Click(4);
    ASSERT_TRUE(Buttons[4]->isChecked());
    Clicks.clear();

    QTest::keyClick(&Parent, Qt::Key_2, Qt::AltModifier);
    QTest::keyClick(&Parent, Qt::Key_2);
    EXPECT_EQ(Clicks, std::vector<int>({4, 4}));
    EXPECT_TRUE(Buttons[4]->isChecked());

    Buttons[4]->setEnabled(false);
    QTest::keyClick(&Parent, Qt::Key_2, Qt::AltModifier);
    Buttons[4]->setEnabled(true);
    // While a box takes typed text, the key alone types; with Alt it still clicks.
    auto *Box = new QLineEdit(&Parent);
    Box->setGeometry(160, 4, 60, 22);
    Box->show();
    Box->setFocus();
    QTest::keyClick(Box, Qt::Key_2);
    EXPECT_EQ(Box->text(), QStringLiteral("2"));
    EXPECT_EQ(Clicks.size(), 2u);
    QTest::keyClick(Box, Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(Clicks.size(), 3u);
    Box->clearFocus();
    Buttons[4]->setText(QStringLiteral("1200"));
    QTest::keyClick(&Parent, Qt::Key_2);
    EXPECT_EQ(Clicks.size(), 3u);
}

} // namespace
