#include "print_output_check.h"

#include "core/calibration.h"
#include "core/printing.h"
#include "platform/print_bitmap.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TQtEnvironment : public testing::Environment {
public:
    void SetUp() override { FApplication = new QApplication(FArgc, FArgv); }
    void TearDown() override { delete FApplication; }

private:
    int FArgc = 1;
    char FName[16] = "print_pdf_file";
    char *FArgv[2] = {FName, nullptr};
    QApplication *FApplication = nullptr;
};

const auto *const QtEnvironment = testing::AddGlobalTestEnvironment(new TQtEnvironment);

class PrintToPdfFile : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FWorkDir.isValid());
        Device().setOutputFormat(QPrinter::PdfFormat);
        Device().setOutputFileName(OutputFile());
    }
    QPrinter &Device() { return FDialog.Printer().Device(); }
    QString OutputFile() const { return FWorkDir.filePath("print.pdf"); }

    QTemporaryDir FWorkDir;
    TPrinterSetupDialog FDialog;
};

struct TOutputCase {
    const char *Name;
    int Width, Height;
    TPictureKind Kind;
    std::int32_t PrinterDpi, BitmapDpi;
};

class PrintToPdfFileOutput : public PrintToPdfFile,
                             public testing::WithParamInterface<TOutputCase> {};

TEST_P(PrintToPdfFileOutput, IsLosslessAndTrueScale) {
    const TOutputCase &Case = GetParam();
    const QImage Picture = MakeTestPicture(Case.Width, Case.Height, Case.Kind);
    FDialog.setNextAnswer(QDialog::Accepted);
    PrintBitmap(FDialog, Picture, Case.PrinterDpi, Case.BitmapDpi);
    EXPECT_FALSE(FDialog.Printer().Printing());

    ExpectTrueScalePrint(OutputFile(), Picture, Case.PrinterDpi, Case.BitmapDpi,
                         Device().pageLayout(), FWorkDir.path());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintToPdfFileOutput,
    testing::Values(
        TOutputCase{"Rgb1200x900At300On600", 1200, 900, TPictureKind::Rgb24, 600, 300},
        TOutputCase{"OneBit1000x700At200On600", 1000, 700, TPictureKind::OneBit, 600, 200},
        TOutputCase{"OneBitBlackFirst", 1000, 700, TPictureKind::OneBitBlackFirst, 600, 200},
        TOutputCase{"Indexed8", 1000, 700, TPictureKind::Indexed8, 600, 200},
        TOutputCase{"Rgb1001x777At254On600", 1001, 777, TPictureKind::Rgb24, 600, 254},
        TOutputCase{"Rgb1003x700At1003On1200", 1003, 700, TPictureKind::Rgb24, 1200, 1003},
        // Reversed: mirrored to the left and up of 500, 500, clipped to the page.
        TOutputCase{"MirroredAtMinus300On600", 1200, 900, TPictureKind::Rgb24, 600, -300},
        TOutputCase{"MirroredOneBitOnMinus600", 1000, 700, TPictureKind::OneBit, -600, 200}),
    [](const testing::TestParamInfo<TOutputCase> &AInfo) { return AInfo.param.Name; });

TEST_F(PrintToPdfFile, CancelWritesNothing) {
    FDialog.setNextAnswer(QDialog::Rejected);
    PrintBitmap(FDialog, MakeTestPicture(100, 100, TPictureKind::Rgb24), 600, 300);
    EXPECT_FALSE(QFile::exists(OutputFile()));
}

TEST_F(PrintToPdfFile, ErrorsBeforeTheJobWriteNothing) {
    const QImage Picture = MakeTestPicture(100, 100, TPictureKind::Rgb24);
    FDialog.setNextAnswer(QDialog::Accepted);
    EXPECT_THROW(PrintBitmap(FDialog, Picture, 600, 0), EZeroDivide);
    FDialog.setNextAnswer(QDialog::Accepted);
    EXPECT_THROW(PrintBitmap(FDialog, Picture, 0, 300), EPrinter);
    FDialog.setNextAnswer(QDialog::Accepted);
    EXPECT_THROW(PrintBitmap(FDialog, QImage(), 600, 300), EPrinter);
    EXPECT_FALSE(QFile::exists(OutputFile()));
    EXPECT_FALSE(FDialog.Printer().Printing());
}

TEST_F(PrintToPdfFile, ASecondJobWhilePrintingFails) {
    TPrinter &Printer = FDialog.Printer();
    Printer.BeginDoc(600);
    try {
        Printer.BeginDoc(600);
        ADD_FAILURE() << "no error";
    } catch (const EPrinter &Error) {
        EXPECT_STREQ(Error.what(), "Printing in progress");
    }
    Printer.EndDoc();
    EXPECT_FALSE(Printer.Printing());
    EXPECT_TRUE(QFile::exists(OutputFile()));
}

TEST_F(PrintToPdfFile, AnUnwritableFileIsNotAValidPrinter) {
    Device().setOutputFileName(FWorkDir.filePath("missing/print.pdf"));
    FDialog.setNextAnswer(QDialog::Accepted);
    try {
        PrintBitmap(FDialog, MakeTestPicture(100, 100, TPictureKind::Rgb24), 600, 300);
        ADD_FAILURE() << "no error";
    } catch (const EPrinter &Error) {
        EXPECT_STREQ(Error.what(), "Printer selected is not valid");
    }
    EXPECT_FALSE(FDialog.Printer().Printing());
}

} // namespace
