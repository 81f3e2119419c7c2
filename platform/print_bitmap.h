#pragma once

#include "platform/printer_setup_dialog.h"

#include <QImage>

#include <cstdint>

// The Print button's action: the setup dialog, then one page with APicture at
// APrinterDpi / ABitmapDpi, 500 device pixels from the printable area's corner, drawn with
// nearest-neighbour sampling and lossless image data. Cancel prints nothing. Throws EPrinter,
// EZeroDivide or EInvalidOp; the job is always ended once begun.
void PrintBitmap(TPrinterSetupDialog &ADialog, const QImage &APicture, std::int32_t APrinterDpi,
                 std::int32_t ABitmapDpi);
