#pragma once

// Writes Windows BMP files of every layout, including damaged ones: every header field is
// written as given, so a test can ask for a plane count of 2 as easily as for a valid file.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bmp {

enum TCompression : std::uint32_t {
    cmRgb = 0,
    cmRle8 = 1,
    cmRle4 = 2,
    cmBitfields = 3,
    cmJpeg = 4,
    cmPng = 5,
    cmAlphaBitfields = 6,
};

struct THeader {
    // 12 (OS/2 1.x core header), 16 to 64 (OS/2 2.x), 40, 52, 56, 108 (V4) or 124 (V5).
    std::uint32_t HeaderSize = 40;
    std::int32_t Width = 0;
    std::int32_t Height = 0; // negative: rows stored top-down
    std::uint16_t Planes = 1;
    std::uint16_t BitCount = 24;
    std::uint32_t Compression = cmRgb;
    // Red, green, blue, alpha. Written inside a header that has room for them, and after a
    // 40-byte header when the compression is cmBitfields (three) or cmAlphaBitfields (four).
    std::array<std::uint32_t, 4> Masks{};
    // 0x00RRGGBB; 3 bytes an entry after a core header, 4 otherwise.
    std::vector<std::uint32_t> Palette;
    std::optional<std::uint32_t> ColoursUsed; // default: the palette's length
    std::optional<std::uint32_t> PixelOffset; // default: right after the palette
};

// Bytes from the file header up to the pixels, for pixel data of APixelBytes bytes.
std::string EncodeHeaders(const THeader &AHeader, std::uint32_t APixelBytes);

// A whole file: headers and the pixel data as given.
std::string EncodeFile(const THeader &AHeader, const std::string &APixelData);

// One stored row: AWidth pixel values (palette indexes or whole pixels, little-endian) of
// ABitCount bits, padded to 4 bytes.
std::string PackRow(int ABitCount, const std::uint32_t *APixels, int AWidth);

// Stored rows of an image given top row first, AWidth values a row, in the order the file holds
// them: bottom-up unless ATopDown.
std::string PackPixels(int ABitCount, int AWidth, const std::vector<std::uint32_t> &APixels,
                       bool ATopDown);

// One RLE command, written as the format stores it.
struct TRleCommand {
    enum TKind { rkRun, rkAbsolute, rkEndOfLine, rkEndOfBitmap, rkDelta } Kind;
    std::uint8_t Count = 0; // rkRun: pixel count
    std::uint8_t Value = 0; // rkRun: the index (RLE8) or the two alternating indexes (RLE4)
    std::vector<std::uint8_t> Pixels; // rkAbsolute: the indexes, 3 to 255 of them
    std::uint8_t Dx = 0, Dy = 0;      // rkDelta
};

TRleCommand Run(std::uint8_t ACount, std::uint8_t AValue);
TRleCommand Absolute(std::vector<std::uint8_t> APixels);
TRleCommand EndOfLine();
TRleCommand EndOfBitmap();
TRleCommand Delta(std::uint8_t ADx, std::uint8_t ADy);

// The commands as RLE8 (ABitCount 8) or RLE4 (ABitCount 4) data.
std::string EncodeRle(int ABitCount, const std::vector<TRleCommand> &ACommands);

// An image, given top row first, compressed as RLE8 or RLE4 rows: runs where pixels repeat,
// absolute runs elsewhere, an end of line after each row and an end of bitmap.
std::string CompressRle(int ABitCount, int AWidth, const std::vector<std::uint32_t> &APixels);

// Little-endian values written into existing bytes, for damaging a file.
void Put16(std::string &AData, std::size_t AOffset, std::uint16_t AValue);
void Put32(std::string &AData, std::size_t AOffset, std::uint32_t AValue);

} // namespace bmp
