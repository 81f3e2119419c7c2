#include "ui/uTavrel.h"

#include "core/settings_files.h"
#include "platform/application.h"

#include <QFontDatabase>
#include <QResizeEvent>

namespace {

constexpr int ToolBarHeight = 32;

// Tahoma at 11 pixels; Debian's fonts-wine ships one outside fontconfig's folders.
QFont WindowFont() {
    static const QString Family = [] {
        if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
            return QStringLiteral("Tahoma");
        const int Id =
            QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
        const QStringList Families = QFontDatabase::applicationFontFamilies(Id);
        return Families.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                                  : Families.constFirst();
    }();
    QFont Font(Family);
    Font.setPixelSize(11);
    // Whole-pixel glyph advances, as the layout was made with.
    Font.setHintingPreference(QFont::PreferFullHinting);
    return Font;
}

// A slot that runs AHandler inside the application's error guard, ignoring the signal's
// arguments.
template <typename THandler> auto Guarded(THandler AHandler) {
    return [AHandler](auto &&...) { TApplication::Guard(AHandler); };
}

template <typename TControl>
TControl *Place(TControl *AControl, int ALeft, int ATop, int AWidth, int AHeight) {
    AControl->setGeometry(ALeft, ATop, AWidth, AHeight);
    return AControl;
}

TButton *NewButton(QWidget *AParent, int ALeft, int AWidth, const QString &ACaption) {
    auto *Button = Place(new TButton(AParent), ALeft, 4, AWidth, 21);
    Button->setText(ACaption);
    return Button;
}

TSpeedButton *NewSpeedButton(QWidget *AParent, int ALeft, int AWidth, const QString &ACaption,
                             int ATag) {
    auto *Button = Place(new TSpeedButton(AParent), ALeft, 4, AWidth, 22);
    Button->setText(ACaption);
    Button->setTag(ATag);
    Button->setGroupIndex(1);
    Button->setAllowAllUp(true);
    return Button;
}

TLabel *NewLabel(QWidget *AParent, int ALeft, int ATop, const QString &ACaption) {
    auto *Label = new TLabel(AParent);
    Label->move(ALeft, ATop);
    Label->setText(ACaption);
    return Label;
}

TShape *NewMarkerLine(QWidget *AParent, int ALeft, int ATop) {
    auto *Shape = Place(new TShape(AParent), ALeft, ATop, 1, 65);
    Shape->setPenColor(Qt::red);
    Shape->hide();
    return Shape;
}

TTimer *NewTimer(QObject *AParent, int AInterval) {
    auto *Timer = new TTimer(AParent);
    Timer->setInterval(AInterval);
    return Timer;
}

} // namespace

TForm2::TForm2(const QString &AExecutablePath, QWidget *AParent)
    : QWidget(AParent),
      FProgramSettingsFile(ProgramSettingsFileName(AExecutablePath.toStdString())) {
    setWindowTitle(QStringLiteral("Tavrel"));
    setFont(WindowFont());
    resize(1008, 684);
    CreateControls();
    ConnectEvents();
    TApplication::Guard([this] { FormCreate(); });
}

void TForm2::CreateControls() {
    Panel1 = Place(new TPanel(this), 0, 0, 1008, ToolBarHeight);
    Panel1->setFocusPolicy(Qt::NoFocus);
    Label1 = NewLabel(Panel1, 559, 9, QString(16, u' '));
    SpeedButton1 = NewSpeedButton(Panel1, 222, 30, QStringLiteral("100"), 100);
    SpeedButton2 = NewSpeedButton(Panel1, 252, 30, QStringLiteral("200"), 200);
    SpeedButton3 = NewSpeedButton(Panel1, 282, 30, QStringLiteral("300"), 300);
    SpeedButton4 = NewSpeedButton(Panel1, 342, 36, QStringLiteral("other"), 500);
    SpeedButton5 = NewSpeedButton(Panel1, 312, 30, QStringLiteral("400"), 400);
    Label2 = NewLabel(Panel1, 169, 9, QStringLiteral("Mark mils:"));
    Label3 = NewLabel(Panel1, 898, 7, QStringLiteral("Printer DPI:"));
    Button1 = NewButton(Panel1, 8, 75, QStringLiteral("Open BMP"));
    Button2 = NewButton(Panel1, 89, 57, QStringLiteral("Print"));
    Button2->setEnabled(false);
    Button4 = NewButton(Panel1, 408, 17, QStringLiteral("<"));
    Button8 = NewButton(Panel1, 431, 17, QStringLiteral(">"));
    Button10 = NewButton(Panel1, 454, 17, QStringLiteral("<"));
    Button11 = NewButton(Panel1, 477, 17, QStringLiteral(">"));
    Button12 = NewButton(Panel1, 512, 41, QStringLiteral("Reset"));
    Edit1 = Place(new TEdit(Panel1), 960, 4, 43, 21);
    Edit1->setText(QStringLiteral("600"));
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button4);
    setTabOrder(Button4, Button8);
    setTabOrder(Button8, Button10);
    setTabOrder(Button10, Button11);
    setTabOrder(Button11, Button12);
    setTabOrder(Button12, Edit1);

    ScrollBox1 = Place(new TScrollBox(this), 0, ToolBarHeight, 1008, 652);
    QWidget *PictureArea = ScrollBox1->viewport();
    Image1 = Place(new TImage(PictureArea), 0, 0, 287, 249);
    Shape2 = NewMarkerLine(PictureArea, 424, 184);
    Shape1 = NewMarkerLine(PictureArea, 416, 176);
    Image2 = Place(new TImage(PictureArea), 18, 0, 228, 73);
    Image2->setPicture(BalloonPicture());
    Image2->setTransparent(true);
    Image2->hide();
    Label4 = Place(new TLabel(PictureArea), 40, 32, 193, 34);
    Label4->setAutoSize(false);
    Label4->setAlignment(Qt::AlignHCenter);
    Label4->setColor(QColor(255, 242, 0));
    Label4->setText(QStringLiteral("Label4"));
    Label4->hide();

    OpenPictureDialog1 = new TOpenPictureDialog(this);
    PopupMenu1 = new TPopupMenu(this);
    TMenuItem **const MenuItems[] = {&N5001,  &N6001,  &N7001,  &N8001,  &N9001,  &N10001,
                                     &N11001, &N12001, &N13001, &N14001, &N15001, &N16001,
                                     &N17001, &N18001, &N19001, &N20001};
    int Mils = 500;
    for (TMenuItem **Item : MenuItems) {
        *Item = PopupMenu1->addAction(QString::number(Mils));
        Mils += 100;
    }
    SpeedButton4->setPopupMenu(PopupMenu1);

    Timer1 = NewTimer(this, 5000);
    Timer2 = NewTimer(this, 1000);
    Timer2->setEnabled(true);
    Timer3 = NewTimer(this, 1000);
    Timer4 = NewTimer(this, 1000);
    Timer5 = NewTimer(this, 300);
    Timer6 = NewTimer(this, 300);
    PrinterSetupDialog1 = new TPrinterSetupDialog(this);

    Button1->setFocus();
}

void TForm2::ConnectEvents() {
    connect(Button1, &TButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &TButton::clicked, this, Guarded([this] { Button2Click(); }));
    for (TSpeedButton *Button :
         {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5})
        connect(Button, &TSpeedButton::clicked, this,
                Guarded([this, Button] { Button3Click(Button); }));
    connect(Button4, &TButton::clicked, this, Guarded([this] { Button4Click(); }));
    connect(Button8, &TButton::clicked, this, Guarded([this] { Button8Click(); }));
    connect(Button10, &TButton::clicked, this, Guarded([this] { Button10Click(); }));
    connect(Button11, &TButton::clicked, this, Guarded([this] { Button11Click(); }));
    connect(Button12, &TButton::clicked, this, Guarded([this] { Button12Click(); }));
    for (TMenuItem *Item : PopupMenu1->actions())
        connect(Item, &TMenuItem::triggered, this, Guarded([this, Item] { N5001Click(Item); }));
    connect(Image1, &TImage::mouseDown, this,
            [this](Qt::MouseButton AButton, Qt::KeyboardModifiers AShift, int AX, int AY) {
                TApplication::Guard([&] { Image1MouseDown(AButton, AShift, AX, AY); });
            });
    connect(Edit1, &TEdit::keyUp, this, Guarded([this] { Edit1KeyUp(); }));

    connect(Panel1, &TPanel::mouseMoved, this, Guarded([this] { Button1MouseMove(); }));
    for (TButton *Button : {Button1, Button2, Button4, Button8, Button10, Button11, Button12})
        connect(Button, &TButton::mouseMoved, this, Guarded([this] { Button1MouseMove(); }));
    for (TSpeedButton *Button :
         {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5})
        connect(Button, &TSpeedButton::mouseMoved, this, Guarded([this] { Button1MouseMove(); }));
    connect(Image2, &TImage::mouseMoved, this, Guarded([this] { Image2MouseMove(); }));

    connect(Timer1, &TTimer::timer, this, Guarded([this] { Timer1Timer(); }));
    connect(Timer2, &TTimer::timer, this, Guarded([this] { Timer2Timer(); }));
    connect(Timer3, &TTimer::timer, this, Guarded([this] { Timer3Timer(); }));
    connect(Timer4, &TTimer::timer, this, Guarded([this] { Timer4Timer(); }));
    connect(Timer5, &TTimer::timer, this, Guarded([this] { Timer5Timer(); }));
    connect(Timer6, &TTimer::timer, this, Guarded([this] { Timer6Timer(); }));
}

void TForm2::FormCreate() {
    Calibration = TCalibration();
    SetStage(0);
    Calibration.FPrinterDpi = ReadPrinterDpi(FProgramSettingsFile);
    Edit1->setText(QString::number(Calibration.FPrinterDpi));
}

void TForm2::SetStage(std::int32_t AStage) {
    for (QWidget *Control : std::initializer_list<QWidget *>{
             SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5, Button4, Button8,
             Button10, Button11, Button12})
        Control->setEnabled(AStage > 0);
    Button2->setEnabled(AStage == 2);
}

void TForm2::resizeEvent(QResizeEvent *AEvent) {
    Panel1->setGeometry(0, 0, width(), ToolBarHeight);
    ScrollBox1->setGeometry(0, ToolBarHeight, width(), std::max(0, height() - ToolBarHeight));
    QWidget::resizeEvent(AEvent);
}
