#include "print_output_check.h"

#include "core/printing.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

std::uint32_t Mix(std::uint32_t AValue) {
    AValue ^= AValue >> 16;
    AValue *= 0x7feb352dU;
    AValue ^= AValue >> 15;
    AValue *= 0x846ca68bU;
    return AValue ^ (AValue >> 16);
}

} // namespace

QImage MakeTestPicture(int AWidth, int AHeight, TPictureKind AKind) {
    const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255);
    QImage Picture;
    switch (AKind) {
    case TPictureKind::Rgb24:
        Picture = QImage(AWidth, AHeight, QImage::Format_RGB888);
        break;
    case TPictureKind::Indexed8:
        Picture = QImage(AWidth, AHeight, QImage::Format_Indexed8);
        Picture.setColorCount(256);
        for (int I = 0; I < 256; ++I) // never near white: every printed pixel counts
            Picture.setColor(I, I == 0 ? Black : qRgb(I % 200, (I * 7) % 200, (I * 13) % 200));
        break;
    case TPictureKind::OneBit:
        Picture = QImage(AWidth, AHeight, QImage::Format_Mono);
        Picture.setColorTable({White, Black});
        break;
    case TPictureKind::OneBitBlackFirst:
        Picture = QImage(AWidth, AHeight, QImage::Format_Mono);
        Picture.setColorTable({Black, White});
        break;
    }
    const uint Ink = AKind == TPictureKind::OneBit ? 1 : 0; // the black index of the 1-bit kinds
    for (int Y = 0; Y < AHeight; ++Y)
        for (int X = 0; X < AWidth; ++X) {
            const bool Frame = X == 0 || Y == 0 || X == AWidth - 1 || Y == AHeight - 1;
            const std::uint32_t Noise = Mix(std::uint32_t(Y) * 65599U + std::uint32_t(X));
            if (AKind == TPictureKind::Rgb24) // never near white, as above
                Picture.setPixel(
                    X, Y,
                    Frame ? Black : qRgb(Noise % 200, (Noise >> 8) % 200, (Noise >> 16) % 200));
            else if (AKind == TPictureKind::Indexed8)
                Picture.setPixel(X, Y, Frame ? 0 : Noise % 256);
            else
                Picture.setPixel(X, Y, Frame ? Ink : Noise & 1);
        }
    return Picture;
}

QString RunProgram(const QString &AProgram, const QStringList &AArguments) {
    QProcess Process;
    Process.start(AProgram, AArguments);
    const bool Finished = Process.waitForFinished(120000);
    EXPECT_TRUE(Finished && Process.exitStatus() == QProcess::NormalExit && Process.exitCode() == 0)
        << AProgram.toStdString() << " " << AArguments.join(' ').toStdString() << ": "
        << Process.errorString().toStdString() << "\n"
        << Process.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(Process.readAllStandardOutput());
}

void ExpectEmbeddedPictureIdentical(const QString &APdf, const QImage &APicture,
                                    const QString &AWorkDir) {
    // page num type width height color comp bpc enc ...
    const QStringList Lines =
        RunProgram("pdfimages", {"-list", APdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(Lines.size(), 1) << "images in " << APdf.toStdString();
    const QStringList Columns = Lines[0].simplified().split(' ');
    ASSERT_GE(Columns.size(), 10);
    EXPECT_EQ(Columns[2], "image");
    EXPECT_EQ(Columns[8], "image") << "encoding (Flate is listed as image, JPEG as jpeg)";
    EXPECT_EQ(Columns[9], "no") << "interpolation";
    EXPECT_EQ(Columns[7], APicture.depth() == 1 ? "1" : "8") << "bits per component";

    const QString Prefix = QDir(AWorkDir).filePath("embedded");
    RunProgram("pdfimages", {"-png", APdf, Prefix});
    const QImage Embedded(Prefix + "-000.png");
    ASSERT_FALSE(Embedded.isNull());
    ASSERT_EQ(Embedded.size(), APicture.size());
    const QImage Got = Embedded.convertToFormat(QImage::Format_RGB32);
    const QImage Want = APicture.convertToFormat(QImage::Format_RGB32);
    for (int Y = 0; Y < Want.height(); ++Y)
        ASSERT_TRUE(std::equal(Want.constScanLine(Y), Want.constScanLine(Y) + Want.width() * 4,
                               Got.constScanLine(Y)))
            << "row " << Y << " differs";
}

void ExpectPictureBoundingBox(const QString &APdf, std::int32_t ADpi, const QRect &AExpected,
                              const QString &AWorkDir) {
    const QString Prefix = QDir(AWorkDir).filePath("rendered");
    RunProgram("pdftoppm", {"-r", QString::number(ADpi), "-gray", "-aa", "no", "-aaVector", "no",
                            "-singlefile", APdf, Prefix});
    QImageReader::setAllocationLimit(0); // a page at 1200 dpi exceeds Qt's default limit
    const QImage Page(Prefix + ".pgm");
    ASSERT_FALSE(Page.isNull());
    ASSERT_EQ(Page.format(), QImage::Format_Grayscale8);
    int Left = Page.width(), Top = Page.height(), Right = -1, Bottom = -1;
    for (int Y = 0; Y < Page.height(); ++Y) {
        const uchar *Line = Page.constScanLine(Y);
        for (int X = 0; X < Page.width(); ++X)
            if (Line[X] < 250) {
                Left = std::min(Left, X);
                Right = std::max(Right, X + 1);
                Top = std::min(Top, Y);
                Bottom = std::max(Bottom, Y + 1);
            }
    }
    ASSERT_GE(Right, 0) << "the page is blank";
    QFile::remove(Prefix + ".pgm");
    EXPECT_NEAR(Left, AExpected.left(), 1);
    EXPECT_NEAR(Top, AExpected.top(), 1);
    EXPECT_NEAR(Right, AExpected.left() + AExpected.width(), 1);
    EXPECT_NEAR(Bottom, AExpected.top() + AExpected.height(), 1);
}

QRect ExpectedOnPaper(std::int32_t ALeft, std::int32_t ATop, std::int32_t ARight,
                      std::int32_t ABottom, const QRect &APrintableArea) {
    const QRect OnPage(QPoint(std::min(ALeft, ARight), std::min(ATop, ABottom)),
                       QPoint(std::max(ALeft, ARight) - 1, std::max(ATop, ABottom) - 1));
    return OnPage.intersected(QRect(QPoint(0, 0), APrintableArea.size()))
        .translated(APrintableArea.topLeft());
}

void ExpectTrueScalePrint(const QString &APdf, const QImage &APicture, std::int32_t APrinterDpi,
                          std::int32_t ABitmapDpi, const QPageLayout &ALayout,
                          const QString &AWorkDir) {
    const TPrintRect Rect =
        CalcPrintRect(APicture.width(), APicture.height(), APrinterDpi, ABitmapDpi);
    const std::int32_t DeviceDpi = std::abs(APrinterDpi);
    const QRect Printable = ALayout.paintRectPixels(DeviceDpi);
    ExpectEmbeddedPictureIdentical(APdf, APicture, AWorkDir);
    ExpectPictureBoundingBox(
        APdf, DeviceDpi, ExpectedOnPaper(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, Printable),
        AWorkDir);
}
