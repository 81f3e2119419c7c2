#include "ui/uTavrel.h"

QImage TForm2::BalloonPicture() {
    return {};
}

void TForm2::ShowBalloon(const QString &, int) {}

void TForm2::Timer1Timer() {}

void TForm2::Timer2Timer() {}

void TForm2::Timer3Timer() {}

void TForm2::Timer4Timer() {}

void TForm2::Timer5Timer() {}

void TForm2::Timer6Timer() {}

void TForm2::Image2MouseMove() {}

void TForm2::Button1MouseMove() {}
