#include "ui/uTavrel.h"

#include "core/settings_files.h"
#include "platform/bmp_reader.h"
#include "platform/print_bitmap.h"

namespace {

QString StatusLine(const TCalibration &ACalibration) {
    return QString::fromStdString(ACalibration.StatusText);
}

} // namespace

std::string TForm2::BitmapPath() const {
    return OpenPictureDialog1->FileName().toStdString();
}

void TForm2::UpdateCalibration() {
    Calibration.Recompute();
    Label1->setText(StatusLine(Calibration));
    Shape1->move(MarkerLeft(Image1->x(), Calibration.FX1), Shape1->y());
    Shape2->move(MarkerLeft(Image1->x(), Calibration.FX2), Shape2->y());
    WriteCalibration(BitmapPath(), Calibration.FX1, Calibration.FX2, Calibration.FButtonMils);
}

void TForm2::Button1Click() {
    if (OpenPictureDialog1->Execute())
        Image1->setPicture(LoadBitmapFile(OpenPictureDialog1->FileName()));
    Image1->resize(Image1->picture().size());
    const TStoredCalibration Stored = ReadCalibration(BitmapPath());
    Calibration.FX1 = Stored.X1;
    Calibration.FX2 = Stored.X2;
    Calibration.FButtonMils = Stored.ButtonMils;
    if (Calibration.FX1 != 0)
        UpdateCalibration();
    if (Calibration.FButtonMils > 0)
        SetStage(2);
    else
        Timer3->setEnabled(true);
}

void TForm2::Button2Click() {
    PrintBitmap(*PrinterSetupDialog1, Image1->picture(), Calibration.FPrinterDpi,
                Calibration.FBitmapDpi);
}

void TForm2::Button3Click(QObject *ASender) {
    Calibration.ChooseReference(qobject_cast<TSpeedButton *>(ASender)->tag());
    Label1->setText(StatusLine(Calibration));
    Shape1->hide();
    Shape2->hide();
    Timer4->setEnabled(true);
}

void TForm2::Button4Click() {
    Calibration.NudgeX1(-1);
    UpdateCalibration();
}

void TForm2::Button8Click() {
    Calibration.NudgeX1(+1);
    UpdateCalibration();
}

void TForm2::Button10Click() {
    Calibration.NudgeX2(-1);
    UpdateCalibration();
}

void TForm2::Button11Click() {
    Calibration.NudgeX2(+1);
    UpdateCalibration();
}

void TForm2::Button12Click() {
    Calibration.ClearMarks();
    Label1->setText(StatusLine(Calibration));
    Shape1->hide();
    Shape2->hide();
    DeleteCalibration(BitmapPath());
}

void TForm2::N5001Click(QObject *ASender) {
    const QString Caption = qobject_cast<TMenuItem *>(ASender)->text();
    SpeedButton4->setText(Caption);
    SpeedButton4->setTag(ReferenceFromCaption(Caption.toStdString()));
}

void TForm2::Image1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int AX, int AY) {
    Timer1Timer();
    switch (Calibration.MarkColumn(AX)) {
    case msFirst:
        Label1->setText(StatusLine(Calibration));
        Shape1->move(MarkerLeft(Image1->x(), AX), MarkerTop(Image1->y(), AY, Shape1->height()));
        Shape1->show();
        Timer5->setEnabled(true);
        break;
    case msSecond:
        UpdateCalibration();
        Shape2->move(MarkerLeft(Image1->x(), AX), MarkerTop(Image1->y(), AY, Shape2->height()));
        Shape2->show();
        Timer6->setEnabled(true);
        SetStage(2);
        break;
    case msNone:
        break;
    }
}

void TForm2::Edit1KeyUp() {
    try {
        Calibration.FPrinterDpi = ParseIntegerText(Edit1->text().toStdString());
    } catch (const std::exception &) {
        Calibration.FPrinterDpi = 600;
        return;
    }
    // A failed save loses only the saving: the typed resolution stays in force for this run,
    // so the next print keeps the scale the box shows.
    try {
        WritePrinterDpi(FProgramSettingsFile, Calibration.FPrinterDpi);
    } catch (const std::exception &) {
    }
}
