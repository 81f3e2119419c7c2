#include "platform/print_bitmap.h"

#include "core/printing.h"

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

// Qt's PDF engine keeps a 1-bit picture 1 bit deep only when its colour table is exactly
// black, white; every other picture goes out as 8-bit RGB.
QImage AsPrinted(const QImage &APicture) {
    const QList<QRgb> Colours = APicture.colorTable();
    if (APicture.depth() != 1 || Colours != QList<QRgb>{White, Black})
        return APicture;
    QImage BlackFirst = APicture;
    BlackFirst.invertPixels();
    BlackFirst.setColorTable({Black, White});
    return BlackFirst;
}

class TQtPrintFacility : public TPrintFacility {
public:
    TQtPrintFacility(TPrinterSetupDialog &ADialog, const QImage &APicture)
        : FDialog(ADialog), FPicture(APicture) {}

    bool ShowSetupDialog() override { return FDialog.Execute(); }
    void BeginJob(std::int32_t APrinterDpi) override { FDialog.Printer().BeginDoc(APrinterDpi); }
    void EndJob() override { FDialog.Printer().EndDoc(); }

    void DrawPictureStretched(const TPrintRect &ARect) override {
        QPainter &Canvas = FDialog.Printer().Canvas();
        const QPrinter &Device = FDialog.Printer().Device();
        Canvas.save();
        Canvas.setClipRect(QRect(0, 0, Device.width(), Device.height()));
        Canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
        Canvas.setRenderHint(QPainter::LosslessImageRendering, true);
        // One transform places the whole picture, so the output keeps every source pixel and a
        // reversed side simply mirrors it.
        Canvas.translate(ARect.Left, ARect.Top);
        Canvas.scale((double(ARect.Right) - ARect.Left) / FPicture.width(),
                     (double(ARect.Bottom) - ARect.Top) / FPicture.height());
        Canvas.drawImage(QPointF(0, 0), AsPrinted(FPicture));
        Canvas.restore();
    }

private:
    TPrinterSetupDialog &FDialog;
    const QImage &FPicture;
};

} // namespace

void PrintBitmap(TPrinterSetupDialog &ADialog, const QImage &APicture, std::int32_t APrinterDpi,
                 std::int32_t ABitmapDpi) {
    TQtPrintFacility Facility(ADialog, APicture);
    PrintBitmap(Facility, APicture.width(), APicture.height(), APrinterDpi, ABitmapDpi);
}
