#pragma once

#include <cstdint>

struct TPrintRect {
    std::int32_t Left, Top, Right, Bottom;
};

// Throws EZeroDivide / EInvalidOp when ABitmapDpi is 0.
TPrintRect CalcPrintRect(std::int32_t APictureWidth, std::int32_t APictureHeight,
                         std::int32_t APrinterDpi, std::int32_t ABitmapDpi);
