// The whole job through the window: open, calibrate, fine-tune, print, and the cases that
// protect the user's calibration files and the printed scale.

#include "form_fixture.h"

#include "core/printing.h"
#include "tests/platform/print_output_check.h"

#include <QDir>
#include <QPrinter>

#include <cstring>
#include <vector>

namespace {

class HandlersTest : public TFormTest {
protected:
    // A copy of a sample capture in the temporary folder; returns its path.
    QString CopySample(const QString &ASample, const QString &AName = QStringLiteral("board.bmp")) {
        const QString Target = TempPath(AName);
        EXPECT_TRUE(QFile::copy(QStringLiteral(TAVREL_SAMPLES_DIR "/") + ASample, Target));
        return Target;
    }

    void Open(const QString &APath) {
        AnswerOpenDialog(APath);
        QTest::mouseClick(Form->Button1, Qt::LeftButton);
    }

    // Row 500 of the samples lies below every place the hint balloon can stand.
    void ClickPicture(int AColumn, int ARow = 500, Qt::MouseButton AButton = Qt::LeftButton) {
        QTest::mouseClick(Form->Image1, AButton, {}, QPoint(AColumn, ARow));
    }

    static QByteArray FileContent(const QString &APath) {
        QFile File(APath);
        return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray("<missing>");
    }

    // The stage shows only in what is enabled.
    int Stage() const {
        if (Form->Button2->isEnabled())
            return 2;
        return Form->SpeedButton1->isEnabled() ? 1 : 0;
    }

    const TCalibration &Calibration() const { return Form->Calibration; }

    // The next print dialog is confirmed with "Print to File (PDF)" into APdf.
    const QPrinter &ChoosePdfFile(const QString &APdf) {
        QPrinter &Device = Form->PrinterSetupDialog1->Printer().Device();
        Device.setOutputFormat(QPrinter::PdfFormat);
        Device.setOutputFileName(APdf);
        Form->PrinterSetupDialog1->setNextAnswer(QDialog::Accepted);
        return Device;
    }
};

TEST_F(HandlersTest, RoadFromOpeningToATrueScalePrint) {
    const QString Bitmap = CopySample(QStringLiteral("board-1000dpi.bmp"));
    const QString CalibrationFile = TempPath(QStringLiteral("board.ini"));

    Open(Bitmap);
    EXPECT_EQ(Form->Image1->size(), QSize(1000, 600));
    EXPECT_TRUE(Form->Timer3->isEnabled()) << "no reference stored: the hint asks for one";
    EXPECT_EQ(Stage(), 0);
    Form->Timer3Timer();
    EXPECT_EQ(Stage(), 1);

    QTest::mouseClick(Form->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(Calibration().FButtonMils, 300);
    EXPECT_EQ(Form->Label1->text(), "Mark X1");
    EXPECT_TRUE(Form->Timer4->isEnabled());

    ClickPicture(100);
    EXPECT_EQ(Form->Label1->text(), "X1 = 100 , mark x2");
    EXPECT_TRUE(Form->Shape1->isVisible());
    EXPECT_EQ(Form->Shape1->pos(), QPoint(100, 500 - 32));
    EXPECT_TRUE(Form->Timer5->isEnabled());
    EXPECT_FALSE(QFile::exists(CalibrationFile));

    ClickPicture(400, 510);
    EXPECT_EQ(Calibration().FBitmapDpi, 1000);
    EXPECT_EQ(Form->Label1->text(), "X1 = 100 , X2 = 400 , 300 mils = 300 points ,  dpi = 1000");
    EXPECT_TRUE(Form->Shape2->isVisible());
    EXPECT_EQ(Form->Shape2->pos(), QPoint(400, 510 - 32));
    EXPECT_EQ(FileContent(CalibrationFile), "[settings]\r\nx1=100\r\nx2=400\r\nbuttonmils=300\r\n");
    EXPECT_EQ(Stage(), 2);
    EXPECT_TRUE(Form->Timer6->isEnabled());

    QTest::mouseClick(Form->Button11, Qt::LeftButton);
    EXPECT_EQ(Calibration().FX2, 401);
    EXPECT_EQ(Calibration().FBitmapDpi, 1003);
    EXPECT_EQ(Form->Shape2->x(), 401);
    EXPECT_EQ(FileContent(CalibrationFile), "[settings]\r\nx1=100\r\nx2=401\r\nbuttonmils=300\r\n");
    QTest::mouseClick(Form->Button10, Qt::LeftButton);
    ASSERT_EQ(Calibration().FBitmapDpi, 1000);

    // Print into a PDF file through the real print facility.
    const QString Pdf = TempPath(QStringLiteral("board.pdf"));
    const QPrinter &Device = ChoosePdfFile(Pdf);
    QTest::mouseClick(Form->Button2, Qt::LeftButton);
    ASSERT_TRUE(Reports.empty()) << Reports.front().Text.toStdString();

    EXPECT_EQ(CalcPrintRect(1000, 600, 600, 1000).Right, 500 + 600) << "one inch at 600 dpi";
    ExpectTrueScalePrint(Pdf, Form->Image1->picture(), 600, 1000, Device.pageLayout(),
                         TempPath({}));
}

TEST_F(HandlersTest, PrintedPadsLieOneHundredMilsApartInThePdf) {
    const QString Bitmap = CopySample(QStringLiteral("board-1000dpi.bmp"));
    WriteFile(TempPath(QStringLiteral("board.ini")),
              "[settings]\r\nx1=100\r\nx2=400\r\nbuttonmils=300\r\n");
    Open(Bitmap);
    ASSERT_EQ(Calibration().FBitmapDpi, 1000);

    const QString Pdf = TempPath(QStringLiteral("board.pdf"));
    const QPrinter &Device = ChoosePdfFile(Pdf);
    Form->Button2Click();

    // Rendered at 720 dpi one PDF unit (1/72 inch) is 10 pixels: pad centres 100 mils apart are
    // 7.2 units, 72 pixels. Render the picture's corner of the page (it starts 500 printer
    // pixels at 600 dpi from the printable corner) and find the pad holes along the row of the
    // first pad centres, 100 mils below the picture's top.
    const QRect Printable = Device.pageLayout().paintRectPixels(720);
    const QPoint PictureCorner = Printable.topLeft() + QPoint(600, 600);
    const QString Prefix = TempPath(QStringLiteral("page"));
    RunProgram(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("720"), QStringLiteral("-x"),
                QString::number(PictureCorner.x()), QStringLiteral("-y"),
                QString::number(PictureCorner.y()), QStringLiteral("-W"), QStringLiteral("760"),
                QStringLiteral("-H"), QStringLiteral("100"), QStringLiteral("-singlefile"),
                QStringLiteral("-png"), Pdf, Prefix});
    const QImage Page(Prefix + QStringLiteral(".png"));
    ASSERT_EQ(Page.size(), QSize(760, 100));
    std::vector<double> HoleCentres;
    for (int X = 0, Start = -1; X < Page.width(); ++X) {
        const bool Dark = qGray(Page.pixel(X, 72)) < 12; // the holes, not the laminate
        if (Dark && Start < 0)
            Start = X;
        if (!Dark && Start >= 0) {
            HoleCentres.push_back((Start + X - 1) / 2.0);
            Start = -1;
        }
    }
    ASSERT_EQ(HoleCentres.size(), 9u);
    EXPECT_NEAR(HoleCentres.front(), 72.0, 1.0) << "the first pad centre lies 100 mils in";
    for (std::size_t I = 1; I < HoleCentres.size(); ++I)
        EXPECT_NEAR(HoleCentres[I] - HoleCentres[I - 1], 72.0, 1.0) << "between holes " << I;
    EXPECT_NEAR(HoleCentres.back() - HoleCentres.front(), 72.0 * (HoleCentres.size() - 1), 1.0);
}

TEST_F(HandlersTest, ReopeningRestoresTheCalibration) {
    const QString Bitmap = CopySample(QStringLiteral("board-1000dpi.bmp"));
    Open(Bitmap);
    Form->Timer3Timer();
    QTest::mouseClick(Form->SpeedButton3, Qt::LeftButton);
    ClickPicture(100, 450);
    ClickPicture(400, 460);
    QTest::mouseClick(Form->Button8, Qt::LeftButton); // first mark to 101

    CreateForm();
    Form->Shape1->move(7, 8);
    Open(Bitmap);
    EXPECT_EQ(Calibration().FX1, 101);
    EXPECT_EQ(Calibration().FX2, 400);
    EXPECT_EQ(Calibration().FButtonMils, 300);
    EXPECT_EQ(Calibration().FBitmapDpi, 997);
    EXPECT_EQ(Form->Label1->text(), "X1 = 101 , X2 = 400 , 300 mils = 299 points ,  dpi = 997");
    EXPECT_EQ(Form->Shape1->pos(), QPoint(101, 8)) << "moved across, not down";
    EXPECT_FALSE(Form->Shape1->isVisible());
    EXPECT_FALSE(Form->Shape2->isVisible());
    EXPECT_EQ(Stage(), 2);
    EXPECT_FALSE(Form->Timer3->isEnabled());
}

TEST_F(HandlersTest, CancelReReadsTheLastBitmapsFile) {
    const QString Bitmap = CopySample(QStringLiteral("board-1000dpi.bmp"));
    WriteFile(TempPath(QStringLiteral("board.ini")),
              "[settings]\r\nx1=0\r\nx2=0\r\nbuttonmils=200\r\n");
    Open(Bitmap);
    QTest::mouseClick(Form->SpeedButton1, Qt::LeftButton);
    ASSERT_EQ(Calibration().FButtonMils, 100);

    CancelOpenDialog();
    QTest::mouseClick(Form->Button1, Qt::LeftButton);
    EXPECT_EQ(Form->OpenPictureDialog1->FileName(), Bitmap);
    EXPECT_EQ(Calibration().FButtonMils, 200) << "the unsaved reference is read back";
    EXPECT_EQ(Form->Image1->size(), QSize(1000, 600));
}

TEST_F(HandlersTest, ASecondBitmapWithoutAFileKeepsThePreviousStatusLine) {
    const QString First = CopySample(QStringLiteral("board-1000dpi.bmp"));
    WriteFile(TempPath(QStringLiteral("board.ini")),
              "[settings]\r\nx1=100\r\nx2=400\r\nbuttonmils=300\r\n");
    Open(First);
    const QString Status = Form->Label1->text();
    ASSERT_FALSE(Status.isEmpty());

    Open(CopySample(QStringLiteral("board-500dpi-rle8.bmp"), QStringLiteral("other.bmp")));
    EXPECT_EQ(Form->Image1->size(), QSize(500, 300));
    EXPECT_EQ(Calibration().FX1, 0);
    EXPECT_EQ(Calibration().FX2, 0);
    EXPECT_EQ(Calibration().FButtonMils, 0);
    EXPECT_EQ(Calibration().FBitmapDpi, 1000);
    EXPECT_EQ(Form->Label1->text(), Status);
    EXPECT_EQ(Stage(), 2) << "until the hint asks for a reference";
    EXPECT_TRUE(Form->Timer3->isEnabled());
    Form->Timer3Timer();
    EXPECT_EQ(Stage(), 1);
}

TEST_F(HandlersTest, ADamagedFileChangesNothingButTheFileName) {
    const QString Bitmap = CopySample(QStringLiteral("board-1000dpi.bmp"));
    WriteFile(TempPath(QStringLiteral("board.ini")),
              "[settings]\r\nx1=100\r\nx2=400\r\nbuttonmils=300\r\n");
    Open(Bitmap);
    const QString Damaged = TempPath(QStringLiteral("damaged.bmp"));
    WriteFile(Damaged, QByteArray("XM") + QByteArray(100, '\0'));
    WriteFile(TempPath(QStringLiteral("damaged.ini")),
              "[settings]\r\nx1=5\r\nx2=9\r\nbuttonmils=700\r\n");

    Open(Damaged);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0].Text, "Bitmap image is not valid.");
    EXPECT_EQ(Reports[0].Caption, TApplication::Title());
    EXPECT_EQ(Form->OpenPictureDialog1->FileName(), Damaged);
    EXPECT_EQ(Form->Image1->size(), QSize(1000, 600));
    EXPECT_EQ(Form->Image1->picture().size(), QSize(1000, 600));
    EXPECT_EQ(Calibration().FX1, 100);
    EXPECT_EQ(Calibration().FButtonMils, 300);
    EXPECT_EQ(Stage(), 2);
    EXPECT_FALSE(Form->Timer3->isEnabled());
}

TEST_F(HandlersTest, AStoredReferenceOfZeroFailsAndWritesNothing) {
    const QString Bitmap = CopySample(QStringLiteral("board-1000dpi.bmp"));
    const QByteArray Stored = "[settings]\r\nx1=100\r\nx2=400\r\nbuttonmils=0\r\n";
    WriteFile(TempPath(QStringLiteral("board.ini")), Stored);
    Open(Bitmap);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0].Text, "Floating point division by zero.");
    EXPECT_EQ(FileContent(TempPath(QStringLiteral("board.ini"))), Stored);
    EXPECT_EQ(Calibration().FX1, 100);
    EXPECT_EQ(Stage(), 0);
    EXPECT_FALSE(Form->Timer3->isEnabled());

    // Equal marks make the other error.
    WriteFile(TempPath(QStringLiteral("board.ini")), "[settings]\r\nx1=100\r\nx2=100\r\n");
    Open(Bitmap);
    ASSERT_EQ(Reports.size(), 2u);
    EXPECT_EQ(Reports[1].Text, "Invalid floating point operation.");
}

TEST_F(HandlersTest, AnUnwritableCalibrationFileIsReportedAndTheMarkerStaysHidden) {
    const QString Bitmap = CopySample(QStringLiteral("board-1000dpi.bmp"));
    ASSERT_TRUE(QDir(TempPath({})).mkdir(QStringLiteral("board.ini"))); // a folder in its place
    Open(Bitmap);
    Form->Timer3Timer();
    QTest::mouseClick(Form->SpeedButton3, Qt::LeftButton);
    ClickPicture(100);
    ClickPicture(400);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0].Text, "Unable to write to " + TempPath(QStringLiteral("board.ini")) + ".");
    EXPECT_EQ(Form->Label1->text(), "X1 = 100 , X2 = 400 , 300 mils = 300 points ,  dpi = 1000");
    EXPECT_EQ(Form->Shape2->x(), 400);
    EXPECT_FALSE(Form->Shape2->isVisible());
    EXPECT_FALSE(Form->Timer6->isEnabled());
    EXPECT_EQ(Stage(), 1);
}

TEST_F(HandlersTest, ResetDeletesTheFileAndKeepsTheStage) {
    const QString Bitmap = CopySample(QStringLiteral("board-1000dpi.bmp"));
    const QString CalibrationFile = TempPath(QStringLiteral("board.ini"));
    WriteFile(CalibrationFile, "[settings]\r\nx1=100\r\nx2=400\r\nbuttonmils=300\r\n");
    Open(Bitmap);
    QTest::mouseClick(Form->Button12, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(CalibrationFile));
    EXPECT_EQ(Form->Label1->text(), "");
    EXPECT_EQ(Calibration().FBitmapDpi, 0);
    EXPECT_EQ(Calibration().FButtonMils, 300);
    EXPECT_EQ(Stage(), 2);
    QTest::mouseClick(Form->Button12, Qt::LeftButton); // no file: nothing to say
    EXPECT_TRUE(Reports.empty());
}

TEST_F(HandlersTest, EveryMouseButtonMarksAndAThirdClickOnlyHidesTheBalloon) {
    const QString Bitmap = CopySample(QStringLiteral("board-1000dpi.bmp"));
    Open(Bitmap);
    Form->Timer3Timer();
    QTest::mouseClick(Form->SpeedButton3, Qt::LeftButton);
    ClickPicture(100, 500, Qt::RightButton);
    ClickPicture(400, 500, Qt::MiddleButton);
    ASSERT_EQ(Calibration().FBitmapDpi, 1000);
    const QByteArray Stored = FileContent(TempPath(QStringLiteral("board.ini")));

    Form->Timer6Timer();
    ASSERT_TRUE(Form->Image2->isVisible());
    ClickPicture(700);
    EXPECT_FALSE(Form->Image2->isVisible());
    EXPECT_EQ(Calibration().FX1, 100);
    EXPECT_EQ(Calibration().FX2, 400);
    EXPECT_EQ(FileContent(TempPath(QStringLiteral("board.ini"))), Stored);
}

TEST_F(HandlersTest, APopupChoiceTakesEffectAtTheNextClickOnOther) {
    Open(CopySample(QStringLiteral("board-1000dpi.bmp")));
    Form->Timer3Timer();
    QTest::mouseClick(Form->SpeedButton4, Qt::LeftButton);
    ASSERT_TRUE(Form->SpeedButton4->isChecked());
    ASSERT_EQ(Calibration().FButtonMils, 500);
    ClickPicture(100);

    Form->PopupMenu1->popup(Form->SpeedButton4->mapToGlobal(QPoint(5, 5)));
    Form->PopupMenu1->close();
    Form->N12001->trigger();
    EXPECT_EQ(Form->SpeedButton4->text(), "1&200");
    EXPECT_EQ(Form->SpeedButton4->tag(), 1200);
    EXPECT_EQ(Calibration().FButtonMils, 500);
    EXPECT_EQ(Calibration().FX1, 100);

    QTest::mouseClick(Form->SpeedButton4, Qt::LeftButton);
    EXPECT_FALSE(Form->SpeedButton4->isChecked());
    EXPECT_EQ(Calibration().FButtonMils, 1200);
    EXPECT_EQ(Calibration().FX1, 0);
}

TEST_F(HandlersTest, ThePrinterResolutionBoxSavesEveryValidText) {
    const QString Settings = ProgramSettingsPath();
    Form->Edit1->setFocus();
    Form->Edit1->clear();
    for (const char *Expected : {"1", "12", "120", "1200"}) {
        QTest::keyClick(Form->Edit1, Expected[std::strlen(Expected) - 1]);
        EXPECT_EQ(FileContent(Settings),
                  QByteArray("[settings]\r\nPrinterDPI=") + Expected + "\r\n");
    }
    EXPECT_EQ(Calibration().FPrinterDpi, 1200);

    Form->Edit1->setText(QStringLiteral("700"));
    QTest::keyRelease(Form->Edit1, Qt::Key_Shift); // any key release takes the text
    QTest::keyClick(Form->Edit1, ' ');
    EXPECT_EQ(Form->Edit1->text(), "700 ");
    EXPECT_EQ(Calibration().FPrinterDpi, 600);
    EXPECT_EQ(FileContent(Settings), "[settings]\r\nPrinterDPI=700\r\n");
    EXPECT_TRUE(Reports.empty());
}

TEST_F(HandlersTest, AnUnsavableResolutionStaysInForceForTheRun) {
    ASSERT_TRUE(QDir(TempPath({})).mkdir(QStringLiteral("Tavrel.ini"))); // cannot be written
    Form->Edit1->setFocus();
    Form->Edit1->setText(QStringLiteral("120"));
    QTest::keyClick(Form->Edit1, '0');
    EXPECT_EQ(Calibration().FPrinterDpi, 1200) << "the print must keep the scale the box shows";
    EXPECT_TRUE(Reports.empty());
}

} // namespace
