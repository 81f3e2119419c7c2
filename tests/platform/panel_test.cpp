#include "platform/button.h"
#include "platform/edit.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "platform/shape.h"
#include "platform/speed_button.h"
#include "test_application.h"

#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A tool bar: a panel with a button, a disabled button, a disabled speed button, a label
// and an edit box.
class PanelTest : public TWidgetTest {
protected:
    void SetUp() override {
        Window.resize(400, 100);
        Panel = new TPanel(&Window);
        Panel->setGeometry(0, 0, 400, 32);
        Enabled = new TButton(Panel);
        Enabled->setGeometry(8, 4, 75, 21);
        Disabled = new TButton(Panel);
        Disabled->setGeometry(89, 4, 57, 21);
        Disabled->setEnabled(false);
        Label = new TLabel(Panel);
        Label->move(200, 9);
        Label->setText(QStringLiteral("Mark mils:"));
        DisabledSpeedButton = new TSpeedButton(Panel);
        DisabledSpeedButton->setGeometry(222, 4, 30, 22);
        DisabledSpeedButton->setEnabled(false);
        Edit = new TEdit(Panel);
        Edit->setGeometry(300, 4, 43, 21);
        QObject::connect(Panel, &TPanel::mouseMoved, [this](Qt::KeyboardModifiers, int AX, int AY) {
            Moves.push_back({"panel", QPoint(AX, AY)});
        });
        for (TButton *Button : {Enabled, Disabled})
            QObject::connect(
                Button, &TButton::mouseMoved,
                [this, Button](Qt::KeyboardModifiers, int AX, int AY) {
                    Moves.push_back({Button->text().isEmpty() ? "?" : "button", QPoint(AX, AY)});
                });
        Enabled->setText(QStringLiteral("Open"));
        Disabled->setText(QStringLiteral("Print"));
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    }

    struct TMove {
        std::string Receiver;
        QPoint Position;
        bool operator==(const TMove &) const = default;
    };

    std::vector<TMove> MovesOver(QWidget *AControl, QPoint APosition) {
        Moves.clear();
        QMouseEvent Move(QEvent::MouseMove, APosition, AControl->mapToGlobal(APosition),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(AControl, &Move);
        return Moves;
    }

    QWidget Window;
    TPanel *Panel = nullptr;
    TButton *Enabled = nullptr;
    TButton *Disabled = nullptr;
    TLabel *Label = nullptr;
    TSpeedButton *DisabledSpeedButton = nullptr;
    TEdit *Edit = nullptr;
    std::vector<TMove> Moves;
};

TEST_F(PanelTest, MovesReachTheButtonOrThroughADisabledOneThePanel) {
    EXPECT_EQ(MovesOver(Panel, QPoint(300, 20)), std::vector<TMove>({{"panel", {300, 20}}}));
    EXPECT_EQ(MovesOver(Enabled, QPoint(10, 5)), std::vector<TMove>({{"button", {10, 5}}}));
    // The window gives the pointer to the topmost control under it that takes mouse events:
    // over a disabled button that is the panel.
    EXPECT_EQ(Panel->childAt(QPoint(89 + 10, 4 + 5)), nullptr);
    EXPECT_EQ(Panel->childAt(QPoint(222 + 2, 4 + 3)), nullptr);
    Disabled->setEnabled(true);
    EXPECT_EQ(Panel->childAt(QPoint(89 + 10, 4 + 5)), Disabled);
    // A label and an edit box take their moves themselves.
    EXPECT_TRUE(MovesOver(Label, QPoint(3, 3)).empty());
    EXPECT_TRUE(MovesOver(Edit, QPoint(3, 3)).empty());
}

TEST_F(PanelTest, PanelIsARaisedBevel) {
    EXPECT_EQ(Panel->frameShape(), QFrame::Panel);
    EXPECT_EQ(Panel->frameShadow(), QFrame::Raised);
}

TEST(Shape, OneBySixtyFiveWithRedPenIsARedLine) {
    TestApplication();
    TShape Shape;
    Shape.setPenColor(Qt::red);
    Shape.resize(1, 65);
    const QImage Shown = Shape.grab().toImage();
    ASSERT_EQ(Shown.size(), QSize(1, 65));
    for (int Y = 0; Y < 65; ++Y)
        EXPECT_EQ(Shown.pixelColor(0, Y), QColor(Qt::red)) << Y;
}

} // namespace
