#include "ui/uTavrel.h"

#include "ui/balloon_picture.h"

namespace {

// Image2.Left is this far left of the anchor, so that the tail's tip lies just right of it.
constexpr int TailOffset = 28;
// Label4 within Image2: over the body's yellow interior.
constexpr int LabelLeftInBalloon = 22;
constexpr int LabelTopInBalloon = 32;
// The lower row of the picture area, where the user is to click.
constexpr int LowerRow = 300;

} // namespace

QImage TForm2::BalloonPicture() {
    return DrawBalloonPicture();
}

void TForm2::ShowBalloon(const QString &AText, int AX) {
    Image2->move(AX - TailOffset, Image2->y());
    Label4->setText(AText);
    Label4->move(Image2->x() + LabelLeftInBalloon, Label4->y());
    Image2->show();
    Label4->move(Label4->x(), Image2->y() + LabelTopInBalloon);
    Label4->show();
    // A balloon shown again keeps the hide time of the showing before it.
    Timer1->setEnabled(true);
}

void TForm2::Timer1Timer() {
    Timer1->setEnabled(false);
    Image2->hide();
    Label4->hide();
}

void TForm2::Timer2Timer() {
    Timer2->setEnabled(false);
    ShowBalloon(QStringLiteral("Open PCB screendump\rBitmap file format only (.bmp)"),
                Button1->x() + Button1->width() / 2);
}

void TForm2::Timer3Timer() {
    Timer3->setEnabled(false);
    ShowBalloon(QStringLiteral("Select distance between two\rknown reference points"),
                SpeedButton3->x());
    SetStage(1);
}

void TForm2::Timer4Timer() {
    Image2->move(Image2->x(), LowerRow);
    Timer4->setEnabled(false);
    ShowBalloon(QStringLiteral("Click on bitmap image\rto mark first point (approx.)"),
                SpeedButton3->x());
}

void TForm2::Timer5Timer() {
    Image2->move(Image2->x(), LowerRow);
    Timer5->setEnabled(false);
    const QString Text = QStringLiteral("Now click on second point\r(") +
                         QString::number(Calibration.FButtonMils) +
                         QStringLiteral(" mils to the right of first point)");
    ShowBalloon(Text, Button12->x());
}

void TForm2::Timer6Timer() {
    Image2->move(Image2->x(), 0);
    Timer6->setEnabled(false);
    const QString Text =
        QStringLiteral("Use these button to finetune, then\rclick \"Print\" button to print on ") +
        Edit1->text() + QStringLiteral(" dpi");
    ShowBalloon(Text, Button10->x());
}

void TForm2::Image2MouseMove() {
    Timer1Timer();
}

void TForm2::Button1MouseMove() {
    // Only a balloon on the top row lies against the tool bar.
    if (Image2->y() == 0)
        Timer1Timer();
}
