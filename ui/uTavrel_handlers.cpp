#include "ui/uTavrel.h"

void TForm2::UpdateCalibration() {}

void TForm2::Button1Click() {}

void TForm2::Button2Click() {}

void TForm2::Button3Click(QObject *) {}

void TForm2::Button4Click() {}

void TForm2::Button8Click() {}

void TForm2::Button10Click() {}

void TForm2::Button11Click() {}

void TForm2::Button12Click() {}

void TForm2::N5001Click(QObject *) {}

void TForm2::Image1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

void TForm2::Edit1KeyUp() {}
