// Loading board captures with our bitmap reader beside Qt's own QImageReader, on the same
// files: time per load (Google Benchmark), then the peak memory of one load in a fresh process.
//   bmp_bench                           run everything
//   bmp_bench --peak READER WARM FILE   (internal) load WARM, a small file of the same kind, so
//                                       that code pages count for neither reader, then FILE once;
//                                       print the growth of the peak RSS and the image size in kB
#include "platform/bmp_reader.h"
#include "tools/bmp_writer.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct TCapture {
    std::string Name;
    int Width;
    int Height;
    int BitCount;
    bool Rle;
};

const std::vector<TCapture> Captures = {
    {"24-bit 4000x3000", 4000, 3000, 24, false},     {"8-bit 4000x3000", 4000, 3000, 8, false},
    {"1-bit 4000x3000", 4000, 3000, 1, false},       {"RLE8 4000x3000", 4000, 3000, 8, true},
    {"24-bit 16000x12000", 16000, 12000, 24, false}, {"8-bit 16000x12000", 16000, 12000, 8, false},
    {"1-bit 16000x12000", 16000, 12000, 1, false},
};

// Something like a board capture: a flat background, horizontal and vertical tracks and square
// pads in a few colours (palette indexes 0 to 3).
std::uint32_t BoardIndex(int AX, int AY) {
    if ((AX % 160) < 24 && (AY % 120) < 24)
        return 3; // pad
    if ((AY % 40) < 6 && (AX / 400) % 3 != 1)
        return 1; // horizontal track
    if ((AX % 97) < 5 && (AY / 300) % 2 == 0)
        return 2; // vertical track
    return 0;
}

const std::uint32_t BoardColours[] = {0x003C00, 0xC8A028, 0xB40000, 0x0000A0};

std::vector<std::uint32_t> BoardRow(const TCapture &ACapture, int AY) {
    std::vector<std::uint32_t> Row(static_cast<std::size_t>(ACapture.Width));
    for (int X = 0; X < ACapture.Width; ++X) {
        const std::uint32_t Index = BoardIndex(X, AY);
        Row[X] = ACapture.BitCount == 24  ? BoardColours[Index]
                 : ACapture.BitCount == 1 ? (Index != 0 ? 1 : 0)
                                          : Index;
    }
    return Row;
}

void WriteCapture(const TCapture &ACapture, const std::string &APath) {
    bmp::THeader Header;
    Header.Width = ACapture.Width;
    Header.Height = ACapture.Height;
    Header.BitCount = static_cast<std::uint16_t>(ACapture.BitCount);
    if (ACapture.BitCount == 1)
        Header.Palette = {0x000000, 0xFFFFFF};
    else if (ACapture.BitCount == 8)
        Header.Palette.assign(std::begin(BoardColours), std::end(BoardColours));
    std::ofstream File(APath, std::ios::binary);
    if (ACapture.Rle) {
        Header.Compression = bmp::cmRle8;
        std::vector<std::uint32_t> Pixels;
        for (int Y = 0; Y < ACapture.Height; ++Y) {
            const std::vector<std::uint32_t> Row = BoardRow(ACapture, Y);
            Pixels.insert(Pixels.end(), Row.begin(), Row.end());
        }
        File << bmp::EncodeFile(Header, bmp::CompressRle(8, ACapture.Width, Pixels));
        return;
    }
    const std::uint64_t Stride =
        (static_cast<std::uint64_t>(ACapture.Width) * ACapture.BitCount + 31) / 32 * 4;
    File << bmp::EncodeHeaders(Header, static_cast<std::uint32_t>(Stride * ACapture.Height));
    for (int Y = ACapture.Height - 1; Y >= 0; --Y) {
        const std::vector<std::uint32_t> Row = BoardRow(ACapture, Y);
        File << bmp::PackRow(ACapture.BitCount, Row.data(), ACapture.Width);
    }
}

QImage LoadWithQt(const QString &AFileName) {
    QImageReader Reader(AFileName, "bmp");
    return Reader.read();
}

QImage Load(const std::string &AReader, const QString &AFileName) {
    return AReader == "qt" ? LoadWithQt(AFileName) : LoadBitmapFile(AFileName);
}

long StatusKilobytes(const char *AField) {
    std::ifstream Status("/proc/self/status");
    std::string Line;
    while (std::getline(Status, Line))
        if (Line.rfind(AField, 0) == 0)
            return std::stol(Line.substr(std::strlen(AField)));
    return -1;
}

int PeakMemoryChild(const std::string &AReader, const QString &AWarmUp, const QString &AFileName) {
    Load(AReader, AWarmUp);
    const long Before = StatusKilobytes("VmRSS:");
    const QImage Image = Load(AReader, AFileName);
    const long Peak = StatusKilobytes("VmHWM:");
    std::printf("%ld %lld\n", Peak - Before, static_cast<long long>(Image.sizeInBytes() / 1024));
    return Image.isNull() ? 1 : 0;
}

// Peak growth and image size in kB, from a fresh process.
std::pair<long, long> PeakMemory(const char *ASelf, const std::string &AReader,
                                 const std::string &AWarmUp, const std::string &APath) {
    const std::string Command =
        std::string("'") + ASelf + "' --peak " + AReader + " '" + AWarmUp + "' '" + APath + "'";
    FILE *Child = ::popen(Command.c_str(), "r");
    long Peak = -1, Image = -1;
    if (Child == nullptr)
        return {Peak, Image};
    if (std::fscanf(Child, "%ld %ld", &Peak, &Image) != 2)
        Peak = Image = -1;
    ::pclose(Child);
    return {Peak, Image};
}

} // namespace

int main(int AArgc, char **AArgv) {
    QCoreApplication Application(AArgc, AArgv);
    QImageReader::setAllocationLimit(0);
    if (AArgc == 5 && std::strcmp(AArgv[1], "--peak") == 0)
        return PeakMemoryChild(AArgv[2], QString::fromLocal8Bit(AArgv[3]),
                               QString::fromLocal8Bit(AArgv[4]));

    QTemporaryDir Folder;
    std::vector<std::string> Paths, WarmUps;
    for (const TCapture &Capture : Captures) {
        std::string FileName = Capture.Name;
        std::replace(FileName.begin(), FileName.end(), ' ', '-');
        Paths.push_back(Folder.filePath(QString::fromStdString(FileName + ".bmp")).toStdString());
        WriteCapture(Capture, Paths.back());
        WarmUps.push_back(
            Folder.filePath(QString::fromStdString("warm-" + FileName + ".bmp")).toStdString());
        WriteCapture({Capture.Name, 64, 48, Capture.BitCount, Capture.Rle}, WarmUps.back());
    }
    for (std::size_t I = 0; I < Captures.size(); ++I) {
        const QString Path = QString::fromStdString(Paths[I]);
        const bool Slow = Captures[I].Width > 4000 && Captures[I].BitCount != 1;
        for (const std::string Reader : {"LoadBitmapFile", "QImageReader"}) {
            auto *Benchmark = benchmark::RegisterBenchmark(
                (Reader + "/" + Captures[I].Name).c_str(),
                [Path, Reader](benchmark::State &AState) {
                    for (auto _ : AState) {
                        QImage Image = Load(Reader == "QImageReader" ? "qt" : "ours", Path);
                        if (Image.isNull())
                            AState.SkipWithError("not loaded");
                        benchmark::DoNotOptimize(Image.constBits());
                    }
                });
            Benchmark->Unit(benchmark::kMillisecond);
            if (Slow)
                Benchmark->Iterations(3);
        }
    }
    benchmark::Initialize(&AArgc, AArgv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\nPeak memory of one load in a fresh process (growth of the peak RSS, kB)\n");
    std::printf("%-20s %12s %12s %12s %12s\n", "File", "ours", "ours image", "Qt", "Qt image");
    for (std::size_t I = 0; I < Captures.size(); ++I) {
        const auto Ours = PeakMemory(AArgv[0], "ours", WarmUps[I], Paths[I]);
        const auto Qt = PeakMemory(AArgv[0], "qt", WarmUps[I], Paths[I]);
        std::printf("%-20s %12ld %12ld %12ld %12ld\n", Captures[I].Name.c_str(), Ours.first,
                    Ours.second, Qt.first, Qt.second);
    }
    return 0;
}
