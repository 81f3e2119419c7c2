#include "print_output_check.h"

#include "platform/print_bitmap.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

const QString QueueName = "TavrelPdf";

// A private cupsd with one cups-pdf queue for the whole run of this program, then the Qt
// application, which must only see that server.
class TCupsEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (geteuid() != 0) {
            SkipReason = "cupsd runs the cups-pdf backend only as root";
            return;
        }
        FServerDir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(FServerDir->isValid());
        RunProgram(Script(), {"start", FServerDir->path()});
        qputenv("CUPS_SERVER", QDir(FServerDir->path()).filePath("cups.sock").toLocal8Bit());
        FApplication = std::make_unique<QApplication>(FArgc, FArgv);
        ServerDir = FServerDir->path();
    }
    void TearDown() override {
        FApplication.reset();
        if (FServerDir)
            RunProgram(Script(), {"stop", FServerDir->path()});
    }

    static inline QString ServerDir;
    static inline const char *SkipReason = nullptr;

private:
    static QString Script() { return TAVREL_CUPS_SERVER_SCRIPT; }

    int FArgc = 1;
    char FName[16] = "print_cups";
    char *FArgv[2] = {FName, nullptr};
    std::unique_ptr<QTemporaryDir> FServerDir;
    std::unique_ptr<QApplication> FApplication;
};

const auto *const CupsEnvironment = testing::AddGlobalTestEnvironment(new TCupsEnvironment);

// The one PDF that cups-pdf wrote once the queue has no job left, or an empty text.
QString WaitForOutput() {
    const QDir Out(QDir(TCupsEnvironment::ServerDir).filePath("out"));
    QElapsedTimer Timer;
    Timer.start();
    while (Timer.elapsed() < 60000) {
        const QStringList Pending =
            RunProgram("lpstat", {"-h", QDir(TCupsEnvironment::ServerDir).filePath("cups.sock"),
                                  "-o", QueueName})
                .split('\n', Qt::SkipEmptyParts);
        const QStringList Files = Out.entryList({"*.pdf"}, QDir::Files);
        if (Pending.isEmpty() && Files.size() == 1)
            return Out.filePath(Files[0]);
        QThread::msleep(100);
    }
    return QString();
}

struct TCupsCase {
    const char *Name;
    int Width, Height;
    TPictureKind Kind;
    std::int32_t PrinterDpi, BitmapDpi;
};

class PrintThroughCups : public testing::TestWithParam<TCupsCase> {
protected:
    void SetUp() override {
        if (TCupsEnvironment::SkipReason)
            GTEST_SKIP() << TCupsEnvironment::SkipReason;
        ASSERT_FALSE(TCupsEnvironment::ServerDir.isEmpty()) << "the CUPS server did not start";
        ASSERT_TRUE(FWorkDir.isValid());
        QDir Out(QDir(TCupsEnvironment::ServerDir).filePath("out"));
        for (const QString &Old : Out.entryList(QDir::Files))
            Out.remove(Old);
    }

    QTemporaryDir FWorkDir;
};

TEST_P(PrintThroughCups, IsLosslessAndTrueScale) {
    const TCupsCase &Case = GetParam();
    TPrinterSetupDialog Dialog;
    QPrinter &Device = Dialog.Printer().Device();
    Device.setPrinterName(QueueName);
    ASSERT_EQ(Device.printerName(), QueueName) << "the queue is not offered";
    ASSERT_EQ(Device.outputFormat(), QPrinter::NativeFormat);

    const QImage Picture = MakeTestPicture(Case.Width, Case.Height, Case.Kind);
    Dialog.setNextAnswer(QDialog::Accepted);
    PrintBitmap(Dialog, Picture, Case.PrinterDpi, Case.BitmapDpi);
    const QString Output = WaitForOutput();
    ASSERT_FALSE(Output.isEmpty()) << "cups-pdf wrote no PDF";

    ExpectTrueScalePrint(Output, Picture, Case.PrinterDpi, Case.BitmapDpi, Device.pageLayout(),
                         FWorkDir.path());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintThroughCups,
    testing::Values(
        TCupsCase{"Rgb1200x900At300On600", 1200, 900, TPictureKind::Rgb24, 600, 300},
        TCupsCase{"OneBit1000x700At200On600", 1000, 700, TPictureKind::OneBit, 600, 200},
        TCupsCase{"Rgb1001x777At254On600", 1001, 777, TPictureKind::Rgb24, 600, 254},
        TCupsCase{"Rgb1003x700At1003On1200", 1003, 700, TPictureKind::Rgb24, 1200, 1003}),
    [](const testing::TestParamInfo<TCupsCase> &AInfo) { return AInfo.param.Name; });

} // namespace
