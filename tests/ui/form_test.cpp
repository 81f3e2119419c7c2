#include "form_fixture.h"

#include <QImage>
#include <QScrollBar>

#include <functional>

namespace {

QString CaptionOf(const QWidget *AControl) {
    if (const auto *Button = qobject_cast<const QAbstractButton *>(AControl))
        return Button->text();
    if (const auto *Label = qobject_cast<const TLabel *>(AControl))
        return Label->text();
    if (const auto *Edit = qobject_cast<const QLineEdit *>(AControl))
        return Edit->text();
    return {};
}

int TagOf(const QWidget *AControl) {
    const auto *Button = qobject_cast<const TSpeedButton *>(AControl);
    return Button != nullptr ? Button->tag() : 0;
}

enum TParent { paPanel, paPictureArea, paWindow };

struct TControlRow {
    const char *Name;
    std::function<QWidget *(TForm2 &)> Control;
    TParent Parent;
    QRect Geometry;
    const char *Caption;
    int Tag;
    bool Enabled;
    bool Visible;
};

std::ostream &operator<<(std::ostream &AStream, const TControlRow &ARow) {
    return AStream << ARow.Name;
}

#define CONTROL(Name) #Name, [](TForm2 & AForm) -> QWidget * { return AForm.Name; }

// Labels 1 to 3 size themselves to their text (Label1 holds 16 blanks), so their sizes
// follow the font's glyphs; the table's sizes are those of the original font.
const TControlRow ControlTable[] = {
    {CONTROL(Panel1), paWindow, {0, 0, 1008, 32}, "", 0, true, true},
    {CONTROL(Label1), paPanel, {559, 9, 48, 13}, "                ", 0, true, true},
    {CONTROL(SpeedButton1), paPanel, {222, 4, 30, 22}, "100", 100, false, true},
    {CONTROL(SpeedButton2), paPanel, {252, 4, 30, 22}, "200", 200, false, true},
    {CONTROL(SpeedButton3), paPanel, {282, 4, 30, 22}, "300", 300, false, true},
    {CONTROL(SpeedButton4), paPanel, {342, 4, 36, 22}, "other", 500, false, true},
    {CONTROL(SpeedButton5), paPanel, {312, 4, 30, 22}, "400", 400, false, true},
    {CONTROL(Label2), paPanel, {169, 9, 47, 13}, "Mark mils:", 0, true, true},
    {CONTROL(Label3), paPanel, {898, 7, 56, 13}, "Printer DPI:", 0, true, true},
    {CONTROL(Button1), paPanel, {8, 4, 75, 21}, "Open BMP", 0, true, true},
    {CONTROL(Button2), paPanel, {89, 4, 57, 21}, "Print", 0, false, true},
    {CONTROL(Button4), paPanel, {408, 4, 17, 21}, "<", 0, false, true},
    {CONTROL(Button8), paPanel, {431, 4, 17, 21}, ">", 0, false, true},
    {CONTROL(Button10), paPanel, {454, 4, 17, 21}, "<", 0, false, true},
    {CONTROL(Button11), paPanel, {477, 4, 17, 21}, ">", 0, false, true},
    {CONTROL(Button12), paPanel, {512, 4, 41, 21}, "Reset", 0, false, true},
    {CONTROL(Edit1), paPanel, {960, 4, 43, 21}, "600", 0, true, true},
    {CONTROL(ScrollBox1), paWindow, {0, 32, 1008, 652}, "", 0, true, true},
    {CONTROL(Image1), paPictureArea, {0, 0, 287, 249}, "", 0, true, true},
    {CONTROL(Shape2), paPictureArea, {424, 184, 1, 65}, "", 0, true, false},
    {CONTROL(Shape1), paPictureArea, {416, 176, 1, 65}, "", 0, true, false},
    {CONTROL(Image2), paPictureArea, {18, 0, 228, 73}, "", 0, true, false},
    {CONTROL(Label4), paPictureArea, {40, 32, 193, 34}, "Label4", 0, true, false},
};

class ControlTableTest : public TFormTest, public ::testing::WithParamInterface<TControlRow> {};

TEST_P(ControlTableTest, ControlStandsAsLaidOut) {
    const TControlRow &Row = GetParam();
    QWidget *Control = Row.Control(*Form);
    const QWidget *Parents[] = {Form->Panel1, Form->ScrollBox1->viewport(), Form.get()};
    EXPECT_EQ(Control->parentWidget(), Parents[Row.Parent]);
    if (const auto *Label = qobject_cast<const TLabel *>(Control); Label && Label->autoSize()) {
        EXPECT_EQ(Control->pos(), Row.Geometry.topLeft());
        // As wide as its text in this font, one 13-pixel line high as laid out.
        EXPECT_EQ(Control->width(),
                  Label->fontMetrics().size(Qt::TextShowMnemonic, Label->text()).width());
        EXPECT_EQ(Control->height(), Row.Geometry.height());
    } else {
        EXPECT_EQ(Control->geometry(), Row.Geometry);
    }
    EXPECT_EQ(CaptionOf(Control), QString::fromLatin1(Row.Caption));
    EXPECT_EQ(TagOf(Control), Row.Tag);
    EXPECT_EQ(Control->isEnabled(), Row.Enabled);
    EXPECT_EQ(Control->isVisible(), Row.Visible);
    EXPECT_EQ(Control->font().pixelSize(), 11);
}

INSTANTIATE_TEST_SUITE_P(Window, ControlTableTest, ::testing::ValuesIn(ControlTable));

TEST_F(TFormTest, WindowStartsAsLaidOut) {
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Tavrel"));
    EXPECT_EQ(Form->size(), QSize(1008, 684));
    EXPECT_EQ(Form->font().pixelSize(), 11);

    // Picture area from the bottom: the bitmap, the marker lines, the balloon, its text.
    const QList<QWidget *> Stack =
        Form->ScrollBox1->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    const QList<QWidget *> Expected = {Form->Image1, Form->Shape2, Form->Shape1, Form->Image2,
                                       Form->Label4};
    EXPECT_EQ(Stack, Expected);
    EXPECT_TRUE(Form->Image2->isTransparent());
    EXPECT_TRUE(Form->Image1->picture().isNull());
    EXPECT_EQ(Form->Shape1->penColor(), QColor(Qt::red));
    EXPECT_EQ(Form->Label4->grab().toImage().pixelColor(0, 0), QColor(255, 242, 0));

    EXPECT_EQ(Form->OpenPictureDialog1->FileName(), QString());
    EXPECT_EQ(Form->SpeedButton4->popupMenu(), Form->PopupMenu1);
    QStringList MenuCaptions;
    for (const QAction *Item : Form->PopupMenu1->actions())
        MenuCaptions << Item->text();
    EXPECT_EQ(MenuCaptions.join(u' '), QStringLiteral("500 600 700 800 900 1000 1100 1200 1300 "
                                                      "1400 1500 1600 1700 1800 1900 2000"));
    EXPECT_EQ(Form->N5001->text(), QStringLiteral("500"));
    EXPECT_EQ(Form->N20001->text(), QStringLiteral("2000"));

    const struct {
        TTimer *Timer;
        int Interval;
        bool Enabled;
    } Timers[] = {{Form->Timer1, 5000, false}, {Form->Timer2, 1000, true},
                  {Form->Timer3, 1000, false}, {Form->Timer4, 1000, false},
                  {Form->Timer5, 300, false},  {Form->Timer6, 300, false}};
    for (const auto &Timer : Timers) {
        EXPECT_EQ(Timer.Timer->interval(), Timer.Interval);
        EXPECT_EQ(Timer.Timer->isEnabled(), Timer.Enabled);
    }

    EXPECT_EQ(Form->Calibration.FX1, 0);
    EXPECT_EQ(Form->Calibration.FX2, 0);
    EXPECT_EQ(Form->Calibration.FBitmapDpi, 0);
    EXPECT_EQ(Form->Calibration.FButtonMils, 100);
    EXPECT_TRUE(Reports.empty());
}

TEST_F(TFormTest, FocusStartsOnOpenAndTabsThroughButtonsAndBox) {
    EXPECT_EQ(Form->focusWidget(), Form->Button1);
    // Every focusable control in focus-chain order, disabled ones included.
    QList<QWidget *> Chain;
    for (QWidget *Widget = Form->Button1->nextInFocusChain(); Widget != Form->Button1;
         Widget = Widget->nextInFocusChain())
        if (Widget->focusPolicy() & Qt::TabFocus)
            Chain << Widget;
    const QList<QWidget *> Expected = {Form->Button2,  Form->Button4,  Form->Button8,
                                       Form->Button10, Form->Button11, Form->Button12,
                                       Form->Edit1};
    EXPECT_EQ(Chain, Expected);
    for (QWidget *NoFocus : std::initializer_list<QWidget *>{
             Form->Panel1, Form->ScrollBox1, Form->SpeedButton1, Form->SpeedButton4})
        EXPECT_EQ(NoFocus->focusPolicy(), Qt::NoFocus);
}

struct TStageRow {
    int Stage;
    bool CalibrationControls;
    bool Print;
};

std::ostream &operator<<(std::ostream &AStream, const TStageRow &ARow) {
    return AStream << "stage " << ARow.Stage;
}

class StageTest : public TFormTest, public ::testing::WithParamInterface<TStageRow> {};

TEST_P(StageTest, EnablesCalibrationControlsAndPrint) {
    Form->SpeedButton3->setChecked(true);
    Form->Label1->setText(QStringLiteral("X1 = 5"));
    Form->SetStage(GetParam().Stage);
    for (QWidget *Control : std::initializer_list<QWidget *>{
             Form->SpeedButton1, Form->SpeedButton2, Form->SpeedButton3, Form->SpeedButton4,
             Form->SpeedButton5, Form->Button4, Form->Button8, Form->Button10, Form->Button11,
             Form->Button12})
        EXPECT_EQ(Control->isEnabled(), GetParam().CalibrationControls) << Control->objectName();
    EXPECT_EQ(Form->Button2->isEnabled(), GetParam().Print);
    EXPECT_TRUE(Form->Button1->isEnabled());
    EXPECT_TRUE(Form->Edit1->isEnabled());
    EXPECT_TRUE(Form->Image1->isEnabled());
    EXPECT_TRUE(Form->SpeedButton3->isChecked());
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("X1 = 5"));
}

INSTANTIATE_TEST_SUITE_P(Window, StageTest,
                         ::testing::Values(TStageRow{0, false, false}, TStageRow{1, true, false},
                                           TStageRow{2, true, true}, TStageRow{-1, false, false},
                                           TStageRow{3, true, false}));

struct TStartupRow {
    const char *Name;
    const char *SettingsFile; // nullptr: no file
    const char *ShownDpi;
    int PrinterDpi;
};

std::ostream &operator<<(std::ostream &AStream, const TStartupRow &ARow) {
    return AStream << ARow.Name;
}

class StartupTest : public TFormTest, public ::testing::WithParamInterface<TStartupRow> {};

TEST_P(StartupTest, ShowsTheStoredPrinterResolution) {
    if (GetParam().SettingsFile != nullptr)
        WriteFile(ProgramSettingsPath(), GetParam().SettingsFile);
    CreateForm();
    EXPECT_EQ(Form->Edit1->text(), QString::fromLatin1(GetParam().ShownDpi));
    EXPECT_EQ(Form->Calibration.FPrinterDpi, GetParam().PrinterDpi);
    EXPECT_TRUE(Reports.empty());
    // Starting writes nothing.
    EXPECT_EQ(QFile::exists(ProgramSettingsPath()), GetParam().SettingsFile != nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Window, StartupTest,
    ::testing::Values(TStartupRow{"NoFile", nullptr, "600", 600},
                      TStartupRow{"Negative", "[settings]\nPrinterDPI=-5\n", "-5", -5},
                      TStartupRow{"NotANumber", "[settings]\nPrinterDPI=abc\n", "600", 600},
                      TStartupRow{"Stored", "[settings]\nPrinterDPI=1200\n", "1200", 1200}),
    [](const auto &AInfo) { return std::string(AInfo.param.Name); });

TEST_F(TFormTest, ToolBarFollowsTheWidthAndCutsOffItsRightEnd) {
    Form->resize(600, 400);
    EXPECT_EQ(Form->Panel1->geometry(), QRect(0, 0, 600, 32));
    EXPECT_EQ(Form->ScrollBox1->geometry(), QRect(0, 32, 600, 368));
    EXPECT_EQ(Form->Edit1->geometry(), QRect(960, 4, 43, 21));
    EXPECT_EQ(Form->Button1->geometry(), QRect(8, 4, 75, 21));
}

TEST_F(TFormTest, ScrollingMovesTheBitmapAndItsMarkers) {
    Form->Image1->setPicture(QImage(3000, 2000, QImage::Format_RGB888));
    Form->Image1->resize(3000, 2000);
    QCoreApplication::processEvents();
    QScrollBar *Horizontal = Form->ScrollBox1->horizontalScrollBar();
    QScrollBar *Vertical = Form->ScrollBox1->verticalScrollBar();
    EXPECT_EQ(Horizontal->maximum(), 3000 - Form->ScrollBox1->viewport()->width());
    EXPECT_EQ(Vertical->maximum(), 2000 - Form->ScrollBox1->viewport()->height());
    Horizontal->setValue(120);
    Vertical->setValue(45);
    EXPECT_EQ(Form->Image1->pos(), QPoint(-120, -45));
    // Hidden controls move with it.
    EXPECT_EQ(Form->Shape1->pos(), QPoint(416 - 120, 176 - 45));
    EXPECT_EQ(Form->Image2->pos(), QPoint(18 - 120, 0 - 45));
}

// The window's own picture shows each tool-bar control where the layout puts it.
TEST_F(TFormTest, ScreenshotShowsToolBarControlsInPlace) {
    const QImage Window = Form->grab().toImage();
    ASSERT_EQ(Window.size(), QSize(1008, 684));
    for (QWidget *Control : std::initializer_list<QWidget *>{
             Form->Button1, Form->Button2, Form->SpeedButton1, Form->SpeedButton2,
             Form->SpeedButton3, Form->SpeedButton5, Form->SpeedButton4, Form->Button4,
             Form->Button8, Form->Button10, Form->Button11, Form->Button12, Form->Label2,
             Form->Label3}) {
        const QRect Place(Form->Panel1->mapTo(Form.get(), Control->pos()), Control->size());
        const QImage Alone = Control->grab().toImage().convertToFormat(Window.format());
        EXPECT_EQ(Window.copy(Place), Alone) << CaptionOf(Control);
    }
    // Below the tool bar the empty picture area shows one plain colour.
    const QImage Area = Window.copy(0, 40, 1008, 600);
    const QRgb Background = Area.pixel(0, 0);
    bool Plain = true;
    for (int Y = 0; Y < Area.height() && Plain; Y += 7)
        for (int X = 0; X < Area.width() && Plain; X += 7)
            Plain = Area.pixel(X, Y) == Background;
    EXPECT_TRUE(Plain);
}

} // namespace
