#include "core/printing.h"

#include "core/calibration.h"

#include <cmath>

namespace {

constexpr std::int32_t PrintOffset = 500;

// The pixel count times the scale, formed with a 64-bit significand and rounded half to even.
// |count| <= 2^31 and |scale| <= 2^31, so the result always fits 64 bits.
std::int32_t ScaledEdge(std::int32_t ACount, double AScale) {
    const long double Product = static_cast<long double>(ACount) * static_cast<long double>(AScale);
    const auto Rounded = static_cast<std::uint32_t>(std::llrint(Product));
    // 32-bit wrap-around, as for every integer sum of the program.
    return static_cast<std::int32_t>(Rounded + static_cast<std::uint32_t>(PrintOffset));
}

} // namespace

TPrintRect CalcPrintRect(std::int32_t APictureWidth, std::int32_t APictureHeight,
                         std::int32_t APrinterDpi, std::int32_t ABitmapDpi) {
    if (ABitmapDpi == 0) {
        if (APrinterDpi == 0)
            throw EInvalidOp();
        throw EZeroDivide();
    }
    const double Scale = static_cast<double>(APrinterDpi) / static_cast<double>(ABitmapDpi);
    return {PrintOffset, PrintOffset, ScaledEdge(APictureWidth, Scale),
            ScaledEdge(APictureHeight, Scale)};
}

void PrintBitmap(TPrintFacility &AFacility, std::int32_t APictureWidth, std::int32_t APictureHeight,
                 std::int32_t APrinterDpi, std::int32_t ABitmapDpi) {
    if (!AFacility.ShowSetupDialog())
        return;
    const TPrintRect Rect = CalcPrintRect(APictureWidth, APictureHeight, APrinterDpi, ABitmapDpi);
    if (APictureWidth <= 0 || APictureHeight <= 0 || Rect.Right == Rect.Left ||
        Rect.Bottom == Rect.Top)
        throw EPrinter(NothingToPrintMessage);
    AFacility.BeginJob(APrinterDpi);
    try {
        AFacility.DrawPictureStretched(Rect);
    } catch (...) {
        AFacility.EndJob();
        throw;
    }
    AFacility.EndJob();
}
