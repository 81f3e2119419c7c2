// Writes one small BMP file of each layout into the folder given, as seeds for the bitmap
// fuzzer: bmp_seed_generator <folder>
#include "tools/bmp_writer.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

const std::vector<std::uint32_t> Palette = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                            0x0000FF, 0x808080, 0x123456, 0xFEDCBA};

// 7 x 3 pixels: an odd width, so every depth pads its rows.
const std::vector<std::uint32_t> Indexes = {0, 1, 2, 3, 4, 5, 6, 7, 7, 7, 7,
                                            1, 0, 1, 1, 1, 1, 2, 3, 3, 3};

bmp::THeader Header(std::uint32_t AHeaderSize, int ABitCount, std::uint32_t ACompression,
                    bool ATopDown = false) {
    bmp::THeader Result;
    Result.HeaderSize = AHeaderSize;
    Result.Width = 7;
    Result.Height = ATopDown ? -3 : 3;
    Result.BitCount = static_cast<std::uint16_t>(ABitCount);
    Result.Compression = ACompression;
    if (ABitCount <= 8)
        Result.Palette.assign(Palette.begin(), Palette.begin() + (ABitCount == 1 ? 2 : 8));
    return Result;
}

std::string Indexed(std::uint32_t AHeaderSize, int ABitCount, bool ATopDown = false) {
    std::vector<std::uint32_t> Pixels = Indexes;
    if (ABitCount == 1)
        for (std::uint32_t &Pixel : Pixels)
            Pixel &= 1;
    return bmp::EncodeFile(Header(AHeaderSize, ABitCount, bmp::cmRgb, ATopDown),
                           bmp::PackPixels(ABitCount, 7, Pixels, ATopDown));
}

std::string Direct(bmp::THeader AHeader) {
    std::vector<std::uint32_t> Pixels;
    for (std::uint32_t Index : Indexes)
        Pixels.push_back(Palette[Index] * 0x01010101u);
    return bmp::EncodeFile(AHeader,
                           bmp::PackPixels(AHeader.BitCount, 7, Pixels, AHeader.Height < 0));
}

std::string WithMasks(std::uint32_t AHeaderSize, int ABitCount, std::uint32_t ACompression,
                      std::array<std::uint32_t, 4> AMasks) {
    bmp::THeader Result = Header(AHeaderSize, ABitCount, ACompression);
    Result.Masks = AMasks;
    return Direct(Result);
}

std::string Rle(int ABitCount) {
    bmp::THeader H = Header(40, ABitCount, ABitCount == 8 ? bmp::cmRle8 : bmp::cmRle4);
    std::string Data = bmp::CompressRle(ABitCount, 7, Indexes);
    // A delta as well, which the compressor never writes.
    Data.insert(0, bmp::EncodeRle(ABitCount, {bmp::Delta(2, 0)}));
    return bmp::EncodeFile(H, Data);
}

} // namespace

int main(int AArgc, char **AArgv) {
    if (AArgc != 2) {
        std::fprintf(stderr, "usage: bmp_seed_generator <folder>\n");
        return 2;
    }
    const std::vector<std::pair<const char *, std::string>> Seeds = {
        {"1bit-core", Indexed(12, 1)},
        {"1bit-info", Indexed(40, 1)},
        {"4bit-os2", Indexed(64, 4)},
        {"4bit-os2-short", Indexed(16, 4)},
        {"4bit-rle", Rle(4)},
        {"8bit-v5-topdown", Indexed(124, 8, true)},
        {"8bit-v4", Indexed(108, 8)},
        {"8bit-rle", Rle(8)},
        {"16bit-555", Direct(Header(40, 16, bmp::cmRgb))},
        {"16bit-565", WithMasks(40, 16, bmp::cmBitfields, {0xF800, 0x07E0, 0x001F, 0})},
        {"16bit-alpha", WithMasks(40, 16, bmp::cmAlphaBitfields, {0x7C00, 0x03E0, 0x001F, 0x8000})},
        {"24bit-core", Direct(Header(12, 24, bmp::cmRgb))},
        {"24bit-topdown", Direct(Header(40, 24, bmp::cmRgb, true))},
        {"32bit-x888", Direct(Header(40, 32, bmp::cmRgb))},
        {"32bit-101010", WithMasks(56, 32, bmp::cmBitfields, {0x3FF00000, 0xFFC00, 0x3FF, 0})},
        {"32bit-v5-alpha",
         WithMasks(124, 32, bmp::cmBitfields, {0xFF0000, 0xFF00, 0xFF, 0xFF000000})},
    };
    for (const auto &[Name, Content] : Seeds) {
        const std::string Path = std::string(AArgv[1]) + "/" + Name + ".bmp";
        std::ofstream File(Path, std::ios::binary);
        File << Content;
        if (!File) {
            std::fprintf(stderr, "cannot write %s\n", Path.c_str());
            return 1;
        }
    }
    return 0;
}
