#include "form_fixture.h"

#include "ui/balloon_picture.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

const QString FirstMarkHint =
    QStringLiteral("Click on bitmap image\rto mark first point (approx.)");

QRgb Rgb(QRgb AValue) {
    return qRgb(qRed(AValue), qGreen(AValue), qBlue(AValue));
}

// The window with the start-up hint's timer stopped, so that only the test shows the balloon.
class TBalloonTest : public TFormTest {
protected:
    void SetUp() override {
        TFormTest::SetUp();
        Form->Timer2->setEnabled(false);
    }

    QWidget *PictureArea() const { return Form->ScrollBox1->viewport(); }

    bool BalloonShown() const { return Form->Image2->isVisible() && Form->Label4->isVisible(); }
    bool BalloonHidden() const { return Form->Image2->isHidden() && Form->Label4->isHidden(); }

    // A bitmap of one colour under the balloon, larger than the picture area.
    void ShowPlainBitmap(QColor AColour) {
        QImage Bitmap(1400, 900, QImage::Format_RGB888);
        Bitmap.fill(AColour);
        Form->Image1->setPicture(Bitmap);
        Form->Image1->setGeometry(0, 0, Bitmap.width(), Bitmap.height());
    }

    // Real pointer events, delivered by the window system layer to the control under the
    // pointer.
    void MovePointer(QWidget *AControl, QPoint APosition) {
        QTest::mouseMove(Form->windowHandle(), AControl->mapTo(Form.get(), APosition));
    }
    void Click(QWidget *AControl, QPoint APosition) {
        const QPoint InWindow = AControl->mapTo(Form.get(), APosition);
        QTest::mousePress(Form->windowHandle(), Qt::LeftButton, {}, InWindow);
        QTest::mouseRelease(Form->windowHandle(), Qt::LeftButton, {}, InWindow);
    }
};

TEST_F(TBalloonTest, StartsHiddenAndTheStartTimerShowsTheFirstHintOnce) {
    EXPECT_TRUE(BalloonHidden());
    EXPECT_FALSE(Form->Timer1->isEnabled());
    Form->Timer2->setInterval(10);
    Form->Timer2->setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([this] { return BalloonShown(); }, 2000));
    EXPECT_FALSE(Form->Timer2->isEnabled());
    EXPECT_TRUE(Form->Timer1->isEnabled());
    EXPECT_EQ(Form->Label4->text(),
              QStringLiteral("Open PCB screendump\rBitmap file format only (.bmp)"));
}

struct THintCase {
    const char *Name;
    TTimer *TForm2::*Timer;
    void (TForm2::*Handler)();
    QPoint Image2Position;
    QPoint Label4Position;
    const char *Text;
};

std::ostream &operator<<(std::ostream &AStream, const THintCase &ACase) {
    return AStream << ACase.Name;
}

const THintCase HintCases[] = {
    {"Timer2",
     &TForm2::Timer2,
     &TForm2::Timer2Timer,
     {17, 0},
     {39, 32},
     "Open PCB screendump\rBitmap file format only (.bmp)"},
    {"Timer3",
     &TForm2::Timer3,
     &TForm2::Timer3Timer,
     {254, 0},
     {276, 32},
     "Select distance between two\rknown reference points"},
    {"Timer4",
     &TForm2::Timer4,
     &TForm2::Timer4Timer,
     {254, 300},
     {276, 332},
     "Click on bitmap image\rto mark first point (approx.)"},
    {"Timer5",
     &TForm2::Timer5,
     &TForm2::Timer5Timer,
     {484, 300},
     {506, 332},
     "Now click on second point\r(300 mils to the right of first point)"},
    {"Timer6",
     &TForm2::Timer6,
     &TForm2::Timer6Timer,
     {426, 0},
     {448, 32},
     "Use these button to finetune, then\rclick \"Print\" button to print on 600 dpi"},
};

class THintTest : public TBalloonTest, public ::testing::WithParamInterface<THintCase> {};

TEST_P(THintTest, ShowsItsTextAtItsAnchorAndSwitchesItsTimerOff) {
    const THintCase &Hint = GetParam();
    Form->Calibration.FButtonMils = 300;
    TTimer *Timer = (*Form).*Hint.Timer;
    Timer->setEnabled(true);

    ((*Form).*Hint.Handler)();

    EXPECT_FALSE(Timer->isEnabled());
    EXPECT_TRUE(BalloonShown());
    EXPECT_TRUE(Form->Timer1->isEnabled());
    EXPECT_EQ(Form->Image2->pos(), Hint.Image2Position);
    EXPECT_EQ(Form->Image2->size(), QSize(228, 73));
    EXPECT_EQ(Form->Label4->pos(), Hint.Label4Position);
    EXPECT_EQ(Form->Label4->size(), QSize(193, 34));
    EXPECT_EQ(Form->Label4->text(), QString::fromUtf8(Hint.Text));
}

INSTANTIATE_TEST_SUITE_P(Hints, THintTest, ::testing::ValuesIn(HintCases),
                         [](const auto &AInfo) { return std::string(AInfo.param.Name); });

TEST_F(TBalloonTest, ReferenceHintBeginsStageOne) {
    Form->Timer3Timer();
    EXPECT_TRUE(Form->SpeedButton1->isEnabled());
    EXPECT_TRUE(Form->Button12->isEnabled());
    EXPECT_FALSE(Form->Button2->isEnabled());
}

TEST_F(TBalloonTest, HintsWithoutARowOfTheirOwnKeepTheCurrentRow) {
    Form->Timer4Timer();
    Form->Timer3Timer();
    EXPECT_EQ(Form->Image2->pos(), QPoint(254, 300));
    EXPECT_EQ(Form->Label4->pos(), QPoint(276, 332));
    Form->Timer6Timer();
    Form->Timer2Timer();
    EXPECT_EQ(Form->Image2->pos(), QPoint(17, 0));
}

TEST_F(TBalloonTest, AnchorsAndTextsAreReadWhenTheTimerFires) {
    Form->SpeedButton3->move(300, 4);
    Form->Timer4Timer();
    EXPECT_EQ(Form->Image2->x(), 272);

    Form->Calibration.FButtonMils = -1500;
    Form->Timer5Timer();
    EXPECT_EQ(
        Form->Label4->text(),
        QStringLiteral("Now click on second point\r(-1500 mils to the right of first point)"));

    const struct {
        const char *Typed;
        const char *SecondLine;
    } EditTexts[] = {
        {"", "click \"Print\" button to print on  dpi"},
        {"6&00", "click \"Print\" button to print on 6&00 dpi"},
        {" 1200x", "click \"Print\" button to print on  1200x dpi"},
    };
    for (const auto &Edit : EditTexts) {
        Form->Edit1->setText(QString::fromUtf8(Edit.Typed));
        Form->Timer6Timer();
        EXPECT_EQ(Form->Label4->text(), QStringLiteral("Use these button to finetune, then\r") +
                                            QString::fromUtf8(Edit.SecondLine));
    }
}

TEST_F(TBalloonTest, AnAmpersandInThePrinterResolutionUnderlinesTheNextCharacter) {
    Form->Edit1->setText(QStringLiteral("600"));
    Form->Timer6Timer();
    const QImage Plain = Form->Label4->grab().toImage();
    Form->Edit1->setText(QStringLiteral("6&00"));
    Form->Timer6Timer();
    const QImage Underlined = Form->Label4->grab().toImage();

    // The same glyphs in the same places, no "&" drawn: only a short underline below the
    // second line is added.
    ASSERT_EQ(Plain.size(), Underlined.size());
    QList<QPoint> Differences;
    for (int Y = 0; Y < Plain.height(); ++Y)
        for (int X = 0; X < Plain.width(); ++X)
            if (Plain.pixel(X, Y) != Underlined.pixel(X, Y))
                Differences << QPoint(X, Y);
    ASSERT_FALSE(Differences.isEmpty());
    EXPECT_LE(Differences.size(), 2 * 8);
    for (const QPoint &Difference : Differences) {
        EXPECT_GE(Difference.y(), 13) << "not on the first line";
        EXPECT_LT(Difference.y(), 2 * 13 + 2);
    }
}

TEST_F(TBalloonTest, BalloonDrawsOverTheBitmapWithItsWhiteSeeThrough) {
    const QColor Background(30, 120, 200);
    ShowPlainBitmap(Background);
    Form->Timer2Timer();
    const QImage Area = PictureArea()->grab().toImage();
    const QImage Picture = DrawBalloonPicture();
    const QRect Balloon = Form->Image2->geometry();
    const QRect Label = Form->Label4->geometry();
    ASSERT_EQ(Balloon, QRect(17, 0, 228, 73));

    int Mismatches = 0;
    for (int Y = Balloon.top(); Y <= Balloon.bottom(); ++Y)
        for (int X = Balloon.left(); X <= Balloon.right(); ++X) {
            if (Label.contains(X, Y))
                continue;
            const QRgb Drawn = Rgb(Picture.pixel(X - Balloon.left(), Y - Balloon.top()));
            const QRgb Expected = Drawn == qRgb(255, 255, 255) ? Background.rgb() : Drawn;
            if (Rgb(Area.pixel(X, Y)) != Expected && ++Mismatches <= 5)
                ADD_FAILURE() << "at " << X << ", " << Y;
        }
    EXPECT_EQ(Mismatches, 0);
    // Beyond the control's bounds the picture's white margin is clipped, not drawn.
    EXPECT_EQ(Rgb(Area.pixel(Balloon.right() + 1, 40)), Background.rgb());
    EXPECT_EQ(Rgb(Area.pixel(40, Balloon.bottom() + 1)), Background.rgb());

    // The label: its whole rectangle yellow but for dark text in two lines at its top.
    const QRgb Yellow = qRgb(255, 242, 0);
    int YellowCount = 0;
    int InkBelowTheLines = 0;
    for (int Y = Label.top(); Y <= Label.bottom(); ++Y)
        for (int X = Label.left(); X <= Label.right(); ++X) {
            const QRgb Pixel = Rgb(Area.pixel(X, Y));
            if (Pixel == Yellow)
                ++YellowCount;
            else if (Y - Label.top() >= 2 * 13 || qGray(Pixel) > qGray(Yellow))
                ++InkBelowTheLines;
        }
    EXPECT_GT(YellowCount, Label.width() * Label.height() * 3 / 4);
    EXPECT_EQ(InkBelowTheLines, 0) << "pixels lighter than the ground, or below the two lines";
}

TEST_F(TBalloonTest, SecondShowingKeepsTheFirstHideTime) {
    const int Interval = 600;
    Form->Timer1->setInterval(Interval);
    Form->Timer2Timer();
    QTest::qWait(150);
    ASSERT_TRUE(BalloonShown()) << "the machine is too slow for this test";
    QElapsedTimer SinceSecondShowing;
    SinceSecondShowing.start();
    Form->Timer6Timer();
    EXPECT_EQ(Form->Image2->pos(), QPoint(426, 0));
    ASSERT_TRUE(QTest::qWaitFor([this] { return BalloonHidden(); }, 5 * Interval));
    EXPECT_LT(SinceSecondShowing.elapsed(), Interval);
}

TEST_F(TBalloonTest, ShowingAfterAHideLastsAFullInterval) {
    const int Interval = 400;
    Form->Timer1->setInterval(Interval);
    Form->Timer2Timer();
    QTest::qWait(Interval / 2);
    Form->Image2MouseMove();
    EXPECT_TRUE(BalloonHidden());
    EXPECT_FALSE(Form->Timer1->isEnabled());

    QElapsedTimer SinceShowing;
    SinceShowing.start();
    Form->Timer4Timer();
    ASSERT_TRUE(QTest::qWaitFor([this] { return BalloonHidden(); }, 5 * Interval));
    EXPECT_GE(SinceShowing.elapsed(), Interval - 5);
}

TEST_F(TBalloonTest, TwoSwitchingsOnWithinAnIntervalGiveOneHintAfterTheFirst) {
    const int Interval = 500;
    Form->Timer4->setInterval(Interval);
    int Hints = 0;
    qint64 FirstHintAfter = 0;
    QElapsedTimer SinceFirstSwitchingOn;
    QObject::connect(Form->Timer4, &TTimer::timer, Form.get(), [&] {
        if (++Hints == 1)
            FirstHintAfter = SinceFirstSwitchingOn.elapsed();
    });

    SinceFirstSwitchingOn.start();
    Form->Timer4->setEnabled(true);
    QTest::qWait(Interval / 2);
    Form->Timer4->setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([this] { return BalloonShown(); }, 5 * Interval));
    EXPECT_LT(FirstHintAfter, Interval + Interval / 2);
    QTest::qWait(Interval + 100);
    EXPECT_EQ(Hints, 1);
    EXPECT_EQ(Form->Label4->text(), FirstMarkHint);
}

TEST_F(TBalloonTest, HideActionLeavesPendingHintsAlone) {
    Form->Timer2Timer();
    Form->Timer5->setEnabled(true);
    Form->Button1MouseMove();
    Form->Timer1Timer();
    EXPECT_TRUE(BalloonHidden());
    EXPECT_TRUE(Form->Timer5->isEnabled());

    // On a hidden balloon nothing changes.
    Form->Timer1Timer();
    EXPECT_TRUE(BalloonHidden());
    EXPECT_FALSE(Form->Timer1->isEnabled());
}

enum TRow { roTop, roLower };

struct TMoveCase {
    const char *Name;
    TRow Row;
    QWidget *(*Control)(TForm2 &);
    QPoint Position;
    bool StaysShown;
};

std::ostream &operator<<(std::ostream &AStream, const TMoveCase &ACase) {
    return AStream << ACase.Name;
}

#define AT(Name) [](TForm2 &AForm) -> QWidget * { return AForm.Name; }

const TMoveCase MoveCases[] = {
    {"SeeThroughCornerOfTheBalloon", roTop, AT(Image2), {2, 2}, false},
    {"SeeThroughRightOfTheBody", roLower, AT(Image2), {225, 40}, false},
    {"BodyOutlineBelowTheLabel", roTop, AT(Image2), {100, 69}, false},
    {"TailTip", roLower, AT(Image2), {29, 0}, false},
    {"LabelTopLeft", roTop, AT(Label4), {1, 1}, true},
    {"LabelBottomRight", roLower, AT(Label4), {191, 32}, true},
    {"ToolBarPanelWithTheBalloonOnTop", roTop, AT(Panel1), {700, 16}, false},
    {"ToolBarPanelWithTheBalloonLower", roLower, AT(Panel1), {700, 16}, true},
    {"OpenButtonWithTheBalloonOnTop", roTop, AT(Button1), {30, 10}, false},
    {"OpenButtonWithTheBalloonLower", roLower, AT(Button1), {30, 10}, true},
    {"DisabledPrintButton", roTop, AT(Button2), {20, 10}, false},
    {"DisabledSpeedButton", roTop, AT(SpeedButton3), {15, 10}, false},
    {"StatusLine", roTop, AT(Label1), {3, 5}, true},
    {"MarkMilsLabel", roTop, AT(Label2), {10, 5}, true},
    {"PrinterDpiLabel", roTop, AT(Label3), {10, 5}, true},
    {"PrinterDpiBox", roTop, AT(Edit1), {20, 10}, true},
    {"BitmapBesideTheBalloon", roTop, AT(Image1), {600, 200}, true},
};

class TMoveTest : public TBalloonTest, public ::testing::WithParamInterface<TMoveCase> {};

TEST_P(TMoveTest, PointerMoveHidesTheBalloonOrNot) {
    const TMoveCase &Move = GetParam();
    ShowPlainBitmap(Qt::darkGreen);
    MovePointer(PictureArea(), {900, 500});
    if (Move.Row == roTop)
        Form->Timer2Timer();
    else
        Form->Timer4Timer();
    ASSERT_TRUE(BalloonShown());

    QWidget *Control = Move.Control(*Form);
    ASSERT_TRUE(Control->rect().contains(Move.Position));
    MovePointer(Control, Move.Position);

    EXPECT_EQ(BalloonShown(), Move.StaysShown);
    EXPECT_EQ(Form->Timer1->isEnabled(), Move.StaysShown);
}

INSTANTIATE_TEST_SUITE_P(Moves, TMoveTest, ::testing::ValuesIn(MoveCases),
                         [](const auto &AInfo) { return std::string(AInfo.param.Name); });

TEST_F(TBalloonTest, ToolBarRuleLooksAtTheRowAlone) {
    // A hidden balloon on the lower row: the rule does nothing, shown or not.
    Form->Timer4Timer();
    Form->Timer1Timer();
    Form->Button1MouseMove();
    EXPECT_EQ(Form->Image2->y(), 300);

    // A balloon shown on the top row and then scrolled away from the tool bar stays.
    ShowPlainBitmap(Qt::darkGreen);
    Form->Timer6Timer();
    Form->ScrollBox1->verticalScrollBar()->setValue(40);
    EXPECT_EQ(Form->Image2->y(), -40);
    EXPECT_EQ(Form->Label4->y(), -8);
    MovePointer(Form->Panel1, {700, 16});
    EXPECT_TRUE(BalloonShown());

    // Scrolled back to row 0, the tool bar hides it again.
    Form->ScrollBox1->verticalScrollBar()->setValue(0);
    MovePointer(Form->Button1, {30, 10});
    EXPECT_TRUE(BalloonHidden());
}

TEST_F(TBalloonTest, PressOnTheShownBalloonNeverReachesTheBitmap) {
    ShowPlainBitmap(Qt::darkGreen);
    QSignalSpy BitmapPresses(Form->Image1, &TImage::mouseDown);
    // Points of the lower-row balloon, in picture-area coordinates: in the label, on a
    // see-through corner, on the yellow body right of the label.
    const QPoint Points[] = {{350, 345}, {256, 302}, {475, 350}};
    for (const QPoint &Point : Points) {
        SCOPED_TRACE(Point.x());
        Form->Timer1Timer();
        MovePointer(PictureArea(), Point);
        Click(PictureArea(), Point);
        ASSERT_EQ(BitmapPresses.count(), 1) << "with the balloon hidden the bitmap takes it";
        BitmapPresses.clear();

        // The balloon appears under the resting pointer.
        Form->Timer4Timer();
        Click(PictureArea(), Point);
        EXPECT_EQ(BitmapPresses.count(), 0);
        EXPECT_TRUE(BalloonShown());
    }
}

} // namespace
