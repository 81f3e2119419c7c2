// Writes the sample board captures of samples/: make_samples <folder>
//
// Each sample is a small layout drawn in mils and rasterised at a known resolution, so a
// user can calibrate it (pads lie on a 100-mil grid) and check the printout with a ruler.

#include "tools/bmp_writer.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t Board = 0x0b2a12;  // dark green laminate
constexpr std::uint32_t Copper = 0xd08a2e; // pads and traces
constexpr std::uint32_t Hole = 0x000000;   // drill holes

// The layout, in mils: pads on a 100-mil grid, a row of traces between them.
constexpr double BoardWidthMils = 1000, BoardHeightMils = 600;
constexpr double PadRadiusMils = 30, HoleRadiusMils = 12, TraceHalfWidthMils = 6;

std::uint32_t LayoutColour(double AXMils, double AYMils) {
    const double GridX = std::round(AXMils / 100) * 100;
    const double GridY = std::round(AYMils / 100) * 100;
    const bool OnGrid = GridX >= 100 && GridX <= 900 && GridY >= 100 && GridY <= 500;
    if (OnGrid) {
        const double Distance = std::hypot(AXMils - GridX, AYMils - GridY);
        if (Distance <= HoleRadiusMils)
            return Hole;
        if (Distance <= PadRadiusMils)
            return Copper;
    }
    // Traces join the pads of rows 200 and 400 mils horizontally, and column 500 vertically.
    const bool HorizontalTrace = (std::abs(AYMils - 200) <= TraceHalfWidthMils ||
                                  std::abs(AYMils - 400) <= TraceHalfWidthMils) &&
                                 AXMils >= 100 && AXMils <= 900;
    const bool VerticalTrace =
        std::abs(AXMils - 500) <= TraceHalfWidthMils && AYMils >= 100 && AYMils <= 500;
    return HorizontalTrace || VerticalTrace ? Copper : Board;
}

struct TRaster {
    int Width, Height;
    std::vector<std::uint32_t> Pixels; // top row first
};

// The layout sampled at the centre of every pixel.
TRaster Rasterise(int ADpi) {
    TRaster Raster{static_cast<int>(std::lround(BoardWidthMils * ADpi / 1000)),
                   static_cast<int>(std::lround(BoardHeightMils * ADpi / 1000)),
                   {}};
    Raster.Pixels.reserve(static_cast<std::size_t>(Raster.Width) * Raster.Height);
    for (int Y = 0; Y < Raster.Height; ++Y)
        for (int X = 0; X < Raster.Width; ++X)
            Raster.Pixels.push_back(LayoutColour(X * 1000.0 / ADpi, Y * 1000.0 / ADpi));
    return Raster;
}

bmp::THeader HeaderOf(const TRaster &ARaster, std::uint16_t ABitCount) {
    bmp::THeader Header;
    Header.Width = ARaster.Width;
    Header.Height = ARaster.Height;
    Header.BitCount = ABitCount;
    return Header;
}

std::vector<std::uint32_t> ToIndexes(const std::vector<std::uint32_t> &APixels,
                                     const std::vector<std::uint32_t> &APalette) {
    std::vector<std::uint32_t> Indexes;
    Indexes.reserve(APixels.size());
    for (std::uint32_t Pixel : APixels) {
        std::uint32_t Index = 0;
        while (APalette[Index] != Pixel)
            ++Index;
        Indexes.push_back(Index);
    }
    return Indexes;
}

std::string Sample24(int ADpi) {
    const TRaster Raster = Rasterise(ADpi);
    return bmp::EncodeFile(HeaderOf(Raster, 24),
                           bmp::PackPixels(24, Raster.Width, Raster.Pixels, false));
}

// Copper black on white, as a toner-transfer capture would be.
std::string Sample1(int ADpi) {
    TRaster Raster = Rasterise(ADpi);
    for (std::uint32_t &Pixel : Raster.Pixels)
        Pixel = Pixel == Copper ? 0 : 1;
    bmp::THeader Header = HeaderOf(Raster, 1);
    Header.Palette = {0x000000, 0xffffff};
    return bmp::EncodeFile(Header, bmp::PackPixels(1, Raster.Width, Raster.Pixels, false));
}

std::string SampleRle8(int ADpi) {
    const TRaster Raster = Rasterise(ADpi);
    bmp::THeader Header = HeaderOf(Raster, 8);
    Header.Compression = bmp::cmRle8;
    Header.Palette = {Board, Copper, Hole};
    return bmp::EncodeFile(
        Header, bmp::CompressRle(8, Raster.Width, ToIndexes(Raster.Pixels, Header.Palette)));
}

bool WriteFile(const std::string &APath, const std::string &AData) {
    std::ofstream File(APath, std::ios::binary);
    File.write(AData.data(), static_cast<std::streamsize>(AData.size()));
    return static_cast<bool>(File);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples <folder>\n");
        return 2;
    }
    const std::string Folder = argv[1];
    const struct {
        const char *Name;
        std::string Data;
    } Samples[] = {
        {"board-1000dpi.bmp", Sample24(1000)},
        {"board-1003dpi.bmp", Sample24(1003)},
        {"board-600dpi-1bit.bmp", Sample1(600)},
        {"board-500dpi-rle8.bmp", SampleRle8(500)},
    };
    for (const auto &Sample : Samples)
        if (!WriteFile(Folder + "/" + Sample.Name, Sample.Data)) {
            std::fprintf(stderr, "make_samples: cannot write %s/%s\n", Folder.c_str(), Sample.Name);
            return 1;
        }
    return 0;
}
