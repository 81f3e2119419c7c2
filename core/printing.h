#pragma once

#include <cstdint>
#include <stdexcept>

struct TPrintRect {
    std::int32_t Left, Top, Right, Bottom;
};

// An error of the printer or of a print job.
class EPrinter : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char *NothingToPrintMessage =
    "Nothing to print: the picture is empty or its printed size is zero";

// Throws EZeroDivide / EInvalidOp when ABitmapDpi is 0.
TPrintRect CalcPrintRect(std::int32_t APictureWidth, std::int32_t APictureHeight,
                         std::int32_t APrinterDpi, std::int32_t ABitmapDpi);

// What a print needs from the platform. BeginJob throws EPrinter("Printing in progress")
// while a job is running.
class TPrintFacility {
public:
    virtual ~TPrintFacility() = default;
    // Returns true when the user confirmed the dialog, false on Cancel.
    virtual bool ShowSetupDialog() = 0;
    // Device pixels of the page are 1/|APrinterDpi| inch, counted from the printable area's corner.
    virtual void BeginJob(std::int32_t APrinterDpi) = 0;
    // Stretches the whole picture into ARect; a reversed side mirrors it.
    virtual void DrawPictureStretched(const TPrintRect &ARect) = 0;
    virtual void EndJob() = 0;
};

// One page with the picture at true scale. Cancel prints nothing; a print that would put
// nothing on the page throws EPrinter(NothingToPrintMessage) before any job begins.
void PrintBitmap(TPrintFacility &AFacility, std::int32_t APictureWidth, std::int32_t APictureHeight,
                 std::int32_t APrinterDpi, std::int32_t ABitmapDpi);
