#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>

enum class TPictureKind { Rgb24, Indexed8, OneBit, OneBitBlackFirst };

// A picture of noise in a black frame, so a resampled copy cannot match it and its printed
// bounding box is its printed size. OneBit has the colour table white, black; OneBitBlackFirst
// black, white.
QImage MakeTestPicture(int AWidth, int AHeight, TPictureKind AKind);

// The PDF holds exactly one image, not JPEG, pixel-identical to APicture.
void ExpectEmbeddedPictureIdentical(const QString &APdf, const QImage &APicture,
                                    const QString &AWorkDir);

// Rendered at ADpi, the non-white pixels of the page fill exactly AExpected (device pixels of
// the page, counting from the paper's corner), within one pixel on each side.
void ExpectPictureBoundingBox(const QString &APdf, std::int32_t ADpi, const QRect &AExpected,
                              const QString &AWorkDir);

// Where a print rectangle lands on the paper: moved by the printable area's corner and, as on
// the page, put in order and clipped to the printable area.
QRect ExpectedOnPaper(std::int32_t ALeft, std::int32_t ATop, std::int32_t ARight,
                      std::int32_t ABottom, const QRect &APrintableArea);

// The whole check of one print: the PDF holds APicture losslessly, and it lies in the print
// rectangle of APrinterDpi / ABitmapDpi, measured from the printable area of ALayout's page.
void ExpectTrueScalePrint(const QString &APdf, const QImage &APicture, std::int32_t APrinterDpi,
                          std::int32_t ABitmapDpi, const QPageLayout &ALayout,
                          const QString &AWorkDir);

// Runs a program, failing the test when it does not exit with status 0; returns its stdout.
QString RunProgram(const QString &AProgram, const QStringList &AArguments);
