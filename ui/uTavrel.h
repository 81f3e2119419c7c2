#pragma once

#include "core/calibration.h"
#include "platform/button.h"
#include "platform/edit.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/open_picture_dialog.h"
#include "platform/panel.h"
#include "platform/popup_menu.h"
#include "platform/printer_setup_dialog.h"
#include "platform/scroll_box.h"
#include "platform/shape.h"
#include "platform/speed_button.h"
#include "platform/timer.h"

#include <QWidget>

#include <cstdint>
#include <string>

// The program's one window: the tool bar, the picture area, the hint balloon and the
// calibration state. The controls and handlers are public so that tests can drive them;
// every event reaches its handler through TApplication::Guard.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    // AExecutablePath is the running program's full path; the program settings file lies
    // beside it. Tests pass a path in a temporary folder.
    explicit TForm2(const QString &AExecutablePath, QWidget *AParent = nullptr);

    TOpenPictureDialog *OpenPictureDialog1;
    TPanel *Panel1;
    TButton *Button1;
    TButton *Button2;
    TLabel *Label1;
    TPopupMenu *PopupMenu1;
    TMenuItem *N5001;
    TMenuItem *N6001;
    TMenuItem *N7001;
    TMenuItem *N8001;
    TMenuItem *N9001;
    TMenuItem *N10001;
    TMenuItem *N11001;
    TMenuItem *N12001;
    TMenuItem *N13001;
    TMenuItem *N14001;
    TMenuItem *N15001;
    TMenuItem *N16001;
    TMenuItem *N17001;
    TMenuItem *N18001;
    TMenuItem *N19001;
    TMenuItem *N20001;
    TButton *Button4;
    TButton *Button8;
    TButton *Button10;
    TButton *Button11;
    TButton *Button12;
    TSpeedButton *SpeedButton1;
    TSpeedButton *SpeedButton2;
    TSpeedButton *SpeedButton3;
    TSpeedButton *SpeedButton4;
    TSpeedButton *SpeedButton5;
    TLabel *Label2;
    TEdit *Edit1;
    TLabel *Label3;
    TScrollBox *ScrollBox1;
    TShape *Shape2;
    TShape *Shape1;
    TImage *Image1;
    TImage *Image2;
    TLabel *Label4;
    TTimer *Timer1;
    TTimer *Timer2;
    TTimer *Timer3;
    TTimer *Timer4;
    TTimer *Timer5;
    TTimer *Timer6;
    TPrinterSetupDialog *PrinterSetupDialog1;

    TCalibration Calibration;

    // Start-up and stages (uTavrel.cpp).
    void FormCreate();
    void SetStage(std::int32_t AStage);

    // The hint balloon (uTavrel_balloon.cpp).
    void ShowBalloon(const QString &AText, int AX);
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void Timer5Timer();
    void Timer6Timer();
    void Image2MouseMove();
    void Button1MouseMove();

    // The event handlers (uTavrel_handlers.cpp).
    void UpdateCalibration();
    void Button1Click();
    void Button2Click();
    void Button3Click(QObject *ASender);
    void Button4Click();
    void Button8Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void N5001Click(QObject *ASender);
    void Image1MouseDown(Qt::MouseButton AButton, Qt::KeyboardModifiers AShift, int AX, int AY);
    void Edit1KeyUp();

    // The program settings file beside the executable ("Tavrel.ini").
    const std::string &ProgramSettingsFile() const { return FProgramSettingsFile; }

protected:
    void resizeEvent(QResizeEvent *AEvent) override;

private:
    void CreateControls();
    void ConnectEvents();
    // The balloon picture shown by Image2 (uTavrel_balloon.cpp).
    static QImage BalloonPicture();
    // The bitmap path: the file confirmed last in the open dialog (uTavrel_handlers.cpp).
    std::string BitmapPath() const;

    std::string FProgramSettingsFile;
};
