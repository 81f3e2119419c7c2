// Printing to a PDF file beside its floor: the same pixels compressed once with zlib at the
// level Qt's PDF engine uses (Z_DEFAULT_COMPRESSION).
#include "platform/print_bitmap.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <map>
#include <vector>

namespace {

// Something like a board capture: tracks and pads in a few flat colours.
QImage MakeBoardPicture(int AWidth, int AHeight, bool AOneBit) {
    QImage Picture(AWidth, AHeight, QImage::Format_RGB888);
    Picture.fill(AOneBit ? Qt::white : QColor(0, 60, 0));
    QPainter Painter(&Picture);
    QRandomGenerator Random(42);
    const QColor Colours[] = {QColor(200, 160, 40), QColor(180, 0, 0), QColor(0, 0, 160)};
    const int Count = AWidth * AHeight / 2000;
    for (int I = 0; I < Count; ++I) {
        const QColor Colour = AOneBit ? QColor(Qt::black) : Colours[Random.bounded(3)];
        const int X = Random.bounded(AWidth), Y = Random.bounded(AHeight);
        if (Random.bounded(2))
            Painter.fillRect(X, Y, Random.bounded(8, 40), Random.bounded(8, 40), Colour);
        else
            Painter.fillRect(X, Y, Random.bounded(2, 400), Random.bounded(2, 8), Colour);
    }
    Painter.end();
    if (!AOneBit)
        return Picture;
    return Picture.convertToFormat(QImage::Format_Mono, {qRgb(0, 0, 0), qRgb(255, 255, 255)},
                                   Qt::ThresholdDither);
}

const QImage &Picture(int AWidth, bool AOneBit) {
    static std::map<std::pair<int, bool>, QImage> Cache;
    auto Found = Cache.find({AWidth, AOneBit});
    if (Found == Cache.end())
        Found = Cache
                    .emplace(std::pair{AWidth, AOneBit},
                             MakeBoardPicture(AWidth, AWidth * 3 / 4, AOneBit))
                    .first;
    return Found->second;
}

// Rows as the PDF holds them: 3 bytes a pixel, or 1 bit a pixel padded to whole bytes.
QByteArray PdfSamples(const QImage &APicture) {
    const int RowBytes = APicture.depth() == 1 ? (APicture.width() + 7) / 8 : APicture.width() * 3;
    QByteArray Samples;
    Samples.reserve(qsizetype(RowBytes) * APicture.height());
    for (int Y = 0; Y < APicture.height(); ++Y)
        Samples.append(reinterpret_cast<const char *>(APicture.constScanLine(Y)), RowBytes);
    return Samples;
}

void PrintToPdf(benchmark::State &AState) {
    const QImage &Source = Picture(int(AState.range(0)), AState.range(1) != 0);
    QTemporaryDir WorkDir;
    TPrinterSetupDialog Dialog;
    QPrinter &Device = Dialog.Printer().Device();
    Device.setOutputFormat(QPrinter::PdfFormat);
    Device.setOutputFileName(WorkDir.filePath("print.pdf"));
    for (auto _ : AState) {
        Dialog.setNextAnswer(QDialog::Accepted);
        PrintBitmap(Dialog, Source, 600, Source.width() / 8);
    }
    AState.counters["bytes"] = double(QFileInfo(WorkDir.filePath("print.pdf")).size());
}

void ZlibFloor(benchmark::State &AState) {
    const QImage &Source = Picture(int(AState.range(0)), AState.range(1) != 0);
    const QByteArray Samples = PdfSamples(Source);
    std::vector<Bytef> Compressed(compressBound(uLong(Samples.size())));
    uLongf Size = 0;
    for (auto _ : AState) {
        Size = uLongf(Compressed.size());
        compress2(Compressed.data(), &Size, reinterpret_cast<const Bytef *>(Samples.constData()),
                  uLong(Samples.size()), Z_DEFAULT_COMPRESSION);
        benchmark::DoNotOptimize(Compressed.data());
    }
    AState.counters["bytes"] = double(Size);
}

void Sizes(benchmark::internal::Benchmark *ABenchmark) {
    ABenchmark->ArgNames({"width", "one_bit"})->Unit(benchmark::kMillisecond)->UseRealTime();
    ABenchmark->Iterations(3);
    for (int OneBit : {0, 1})
        for (int Width : {4000, 16000})
            ABenchmark->Args({Width, OneBit});
}

BENCHMARK(PrintToPdf)->Apply(Sizes);
BENCHMARK(ZlibFloor)->Apply(Sizes);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication Application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
