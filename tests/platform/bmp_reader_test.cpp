#include "platform/bmp_reader.h"
#include "tests/core/temporary_folder.h"
#include "tools/bmp_writer.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using bmp::THeader;

constexpr std::uint64_t NoLimit = ~std::uint64_t{0};

// 16 colours that differ in every channel, 0x00RRGGBB as stored in a colour table.
const std::vector<std::uint32_t> Colours = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0x102030, 0x405060, 0x708090,
    0xA0B0C0, 0xD0E0F0, 0x123456, 0x654321, 0xABCDEF, 0xFEDCBA, 0x0F1E2D, 0x3C4B5A};

// A 5 x 3 picture of palette indexes, top row first: an odd width pads every row.
const std::vector<std::uint32_t> Indexes4 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
const std::vector<std::uint32_t> Indexes1 = {1, 0, 1, 1, 0, 0, 0, 1, 0, 1, 1, 1, 0, 0, 1};

std::vector<std::uint32_t> Prefix(const std::vector<std::uint32_t> &AAll, std::size_t ACount) {
    return {AAll.begin(), AAll.begin() + static_cast<std::ptrdiff_t>(ACount)};
}

std::vector<QRgb> Lookup(const std::vector<std::uint32_t> &AIndexes,
                         const std::vector<std::uint32_t> &APalette) {
    std::vector<QRgb> Result;
    for (std::uint32_t Index : AIndexes)
        Result.push_back(Index < APalette.size() ? 0xFF000000u | APalette[Index] : qRgb(0, 0, 0));
    return Result;
}

THeader Header(std::uint32_t AHeaderSize, int AWidth, int AHeight, int ABitCount,
               std::uint32_t ACompression = bmp::cmRgb) {
    THeader Result;
    Result.HeaderSize = AHeaderSize;
    Result.Width = AWidth;
    Result.Height = AHeight;
    Result.BitCount = static_cast<std::uint16_t>(ABitCount);
    Result.Compression = ACompression;
    return Result;
}

// An indexed file of the 5 x 3 picture.
std::string Indexed(std::uint32_t AHeaderSize, int ABitCount, bool ATopDown = false,
                    std::size_t AColours = 0) {
    THeader H = Header(AHeaderSize, 5, ATopDown ? -3 : 3, ABitCount);
    H.Palette =
        Prefix(Colours, AColours != 0 ? AColours : std::min<std::size_t>(16, 1u << ABitCount));
    return bmp::EncodeFile(
        H, bmp::PackPixels(ABitCount, 5, ABitCount == 1 ? Indexes1 : Indexes4, ATopDown));
}

// A file of direct colours: 2 x 2 pixels holding the given stored values, top row first.
std::string Direct(THeader AHeader, const std::vector<std::uint32_t> &AValues) {
    AHeader.Width = 2;
    AHeader.Height = AHeader.Height < 0 ? -2 : 2;
    return bmp::EncodeFile(AHeader,
                           bmp::PackPixels(AHeader.BitCount, 2, AValues, AHeader.Height < 0));
}

THeader Masked(std::uint32_t AHeaderSize, int ABitCount, std::array<std::uint32_t, 4> AMasks,
               std::uint32_t ACompression = bmp::cmBitfields) {
    THeader Result = Header(AHeaderSize, 2, 2, ABitCount, ACompression);
    Result.Masks = AMasks;
    return Result;
}

std::string Rle(int ABitCount, int AWidth, int AHeight, std::vector<bmp::TRleCommand> ACommands) {
    THeader H = Header(40, AWidth, AHeight, ABitCount, ABitCount == 8 ? bmp::cmRle8 : bmp::cmRle4);
    H.Palette = Colours;
    return bmp::EncodeFile(H, bmp::EncodeRle(ABitCount, ACommands));
}

struct TVariant {
    const char *Name;
    std::string File;
    int Width;
    std::vector<QRgb> Expected; // top row first
    QImage::Format Format;
};

std::vector<TVariant> Variants() {
    using namespace bmp;
    const std::vector<QRgb> Picture4 = Lookup(Indexes4, Colours);
    const std::vector<QRgb> Picture1 = Lookup(Indexes1, Colours);
    const auto I8 = QImage::Format_Indexed8;
    const auto Rgb32 = QImage::Format_RGB32;
    const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255);
    const QRgb C0 = 0xFF000000u | Colours[0], C1 = 0xFF000000u | Colours[1],
               C2 = 0xFF000000u | Colours[2], C3 = 0xFF000000u | Colours[3],
               C4 = 0xFF000000u | Colours[4];

    THeader ShortCore = Header(12, 5, 3, 8);
    ShortCore.Palette = Prefix(Colours, 6);
    THeader OffsetGap = Header(40, 5, 3, 8);
    OffsetGap.Palette = Colours;
    OffsetGap.PixelOffset = 14 + 40 + 16 * 4 + 10;
    // bfOffBits cuts a declared 16-entry table to 9 entries.
    THeader OffsetCutsTable = Header(40, 5, 3, 8);
    OffsetCutsTable.Palette = Prefix(Colours, 9);
    OffsetCutsTable.ColoursUsed = 16;
    THeader NoOffset = Header(40, 5, 3, 4);
    NoOffset.Palette = Colours;
    std::string NoOffsetFile = EncodeFile(NoOffset, PackPixels(4, 5, Indexes4, false));
    Put32(NoOffsetFile, 10, 0);
    THeader TopDownV5 = Masked(124, 32, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000});
    TopDownV5.Height = -2;
    THeader Rgb565InV5 = Masked(124, 16, {0xF800, 0x07E0, 0x001F, 0}, cmRgb);

    return {
        {"OneBitInfo", Indexed(40, 1), 5, Picture1, QImage::Format_Mono},
        {"OneBitCore", Indexed(12, 1), 5, Picture1, QImage::Format_Mono},
        {"OneBitTopDown", Indexed(40, 1, true), 5, Picture1, QImage::Format_Mono},
        {"FourBitInfo", Indexed(40, 4), 5, Picture4, I8},
        {"FourBitCore", Indexed(12, 4), 5, Picture4, I8},
        {"FourBitOs2Short", Indexed(16, 4), 5, Picture4, I8},
        {"FourBitOs2Full", Indexed(64, 4), 5, Picture4, I8},
        {"FourBitShortPalette", Indexed(40, 4, false, 6), 5, Lookup(Indexes4, Prefix(Colours, 6)),
         I8},
        {"FourBitNoPixelOffset", NoOffsetFile, 5, Picture4, I8},
        {"EightBitInfo", Indexed(40, 8), 5, Picture4, I8},
        {"EightBitTopDown", Indexed(40, 8, true), 5, Picture4, I8},
        {"EightBitV2", Indexed(52, 8), 5, Picture4, I8},
        {"EightBitV3", Indexed(56, 8), 5, Picture4, I8},
        {"EightBitV4", Indexed(108, 8), 5, Picture4, I8},
        {"EightBitV5", Indexed(124, 8, true), 5, Picture4, I8},
        {"EightBitShortPalette", Indexed(40, 8, false, 3), 5, Lookup(Indexes4, Prefix(Colours, 3)),
         I8},
        {"EightBitCoreShortPalette", EncodeFile(ShortCore, PackPixels(8, 5, Indexes4, false)), 5,
         Lookup(Indexes4, Prefix(Colours, 6)), I8},
        {"EightBitGapBeforePixels", EncodeFile(OffsetGap, PackPixels(8, 5, Indexes4, false)), 5,
         Picture4, I8},
        {"EightBitOffsetCutsTable", EncodeFile(OffsetCutsTable, PackPixels(8, 5, Indexes4, false)),
         5, Lookup(Indexes4, Prefix(Colours, 9)), I8},
        {"TwentyFourBit",
         Direct(Header(40, 0, 0, 24), {0x123456, 0xFFFFFF, 0x000000, 0xFF0080}),
         2,
         {0xFF123456, White, Black, 0xFFFF0080},
         QImage::Format_RGB888},
        {"TwentyFourBitTopDown",
         Direct(Header(40, 0, -1, 24), {0x123456, 0xFFFFFF, 0x000000, 0xFF0080}),
         2,
         {0xFF123456, White, Black, 0xFFFF0080},
         QImage::Format_RGB888},
        {"TwentyFourBitCore",
         Direct(Header(12, 0, 0, 24), {0x123456, 0xFFFFFF, 0x000000, 0xABCDEF}),
         2,
         {0xFF123456, White, Black, 0xFFABCDEF},
         QImage::Format_RGB888},
        // 5-5-5: 16 of 31 is 131.6, rounded to 132.
        {"SixteenBitDefault",
         Direct(Header(40, 0, 0, 16), {0x7FFF, 0x7C00, 0x03E0, 0x0010}),
         2,
         {White, qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 132)},
         Rgb32},
        {"SixteenBitMasksIgnoredWithoutBitfields",
         Direct(Rgb565InV5, {0x7FFF, 0x7C00, 0x03E0, 0}),
         2,
         {White, qRgb(255, 0, 0), qRgb(0, 255, 0), Black},
         Rgb32},
        // 5-6-5: 32 of 63 is 129.5, rounded to 130.
        {"SixteenBit565",
         Direct(Masked(40, 16, {0xF800, 0x07E0, 0x001F, 0}), {0xFFFF, 0xF800, 0x0400, 0x001F}),
         2,
         {White, qRgb(255, 0, 0), qRgb(0, 130, 0), qRgb(0, 0, 255)},
         Rgb32},
        {"SixteenBit444InV4",
         Direct(Masked(108, 16, {0x0F00, 0x00F0, 0x000F, 0xF000}),
                {0x0FFF, 0xF123, 0x0800, 0x000F}),
         2,
         {White, qRgb(17, 34, 51), qRgb(136, 0, 0), qRgb(0, 0, 255)},
         Rgb32},
        {"SixteenBitAlphaBitfields",
         Direct(Masked(40, 16, {0x7C00, 0x03E0, 0x001F, 0x8000}, cmAlphaBitfields),
                {0xFFFF, 0x7C00, 0x83E0, 0x0000}),
         2,
         {White, qRgb(255, 0, 0), qRgb(0, 255, 0), Black},
         Rgb32},
        {"ThirtyTwoBitDefaultIgnoresTopByte",
         Direct(Header(40, 0, 0, 32), {0x00123456, 0xFFFFFFFF, 0x7F000000, 0x01ABCDEF}),
         2,
         {0xFF123456, White, Black, 0xFFABCDEF},
         Rgb32},
        {"ThirtyTwoBitShiftedMasks",
         Direct(Masked(40, 32, {0xFF000000, 0x00FF0000, 0x0000FF00, 0}),
                {0x12345600, 0xFFFFFFFF, 0x000000FF, 0xABCDEF00}),
         2,
         {0xFF123456, White, Black, 0xFFABCDEF},
         Rgb32},
        // 10 bits a channel: 512 of 1023 is 127.6, rounded to 128.
        {"ThirtyTwoBit101010InV3",
         Direct(Masked(56, 32, {0x3FF00000, 0x000FFC00, 0x000003FF, 0}),
                {0x3FFFFFFF, 0x20000000, 0x000FFC00, 0x00000001}),
         2,
         {White, qRgb(128, 0, 0), qRgb(0, 255, 0), Black},
         Rgb32},
        {"ThirtyTwoBitWideAndNarrow",
         Direct(Masked(52, 32, {0xFFFF0000, 0x0000F000, 0x00000001, 0}),
                {0xFFFFF001, 0x80000000, 0x00008000, 0x00000001}),
         2,
         {White, qRgb(128, 0, 0), qRgb(0, 136, 0), qRgb(0, 0, 255)},
         Rgb32},
        {"ThirtyTwoBitAlphaBitfieldsAlphaIgnored",
         Direct(Masked(40, 32, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, cmAlphaBitfields),
                {0x00123456, 0xFFFFFFFF, 0x80000000, 0x7FABCDEF}),
         2,
         {0xFF123456, White, Black, 0xFFABCDEF},
         Rgb32},
        {"ThirtyTwoBitTopDownV5",
         Direct(TopDownV5, {0x00123456, 0xFFFFFFFF, 0x80000000, 0x7FABCDEF}),
         2,
         {0xFF123456, White, Black, 0xFFABCDEF},
         Rgb32},
        // Bottom row first: a run, an odd absolute run (padded), end of line; a delta skipping
        // a pixel and a row; a run cut at the right edge; end of bitmap before the top row.
        {"Rle8",
         Rle(8, 5, 4,
             {Run(2, 1), Absolute({2, 3, 4}), EndOfLine(), Delta(1, 1), Run(9, 2), EndOfLine(),
              Run(1, 3), EndOfBitmap()}),
         5,
         {C3, C0, C0, C0, C0,  //
          C0, C2, C2, C2, C2,  //
          C0, C0, C0, C0, C0,  //
          C1, C1, C2, C3, C4}, //
         I8},
        // Runs alternate the two indexes of their byte; an absolute run of 5 takes 3 bytes and
        // a pad byte; an absolute run cut at the right edge.
        {"Rle4",
         Rle(4, 5, 3,
             {Run(3, 0x12), Run(2, 0x30), EndOfLine(), Absolute({4, 3, 2, 1, 4}), EndOfLine(),
              Delta(3, 0), Absolute({1, 2, 3, 4}), EndOfBitmap()}),
         5,
         {C0, C0, C0, C1, C2, //
          C4, C3, C2, C1, C4, //
          C1, C2, C1, C3, C0},
         I8},
        // The runs reach the last row and stop without an end of bitmap.
        {"Rle8WithoutEndOfBitmap",
         Rle(8, 2, 2, {Run(2, 1), EndOfLine(), Run(2, 2), EndOfLine()}),
         2,
         {C2, C2, C1, C1},
         I8},
        {"Rle8DeltaLeavesImage",
         Rle(8, 2, 2, {Run(1, 1), Delta(0, 9), Run(2, 2)}),
         2,
         {C0, C0, C1, C0},
         I8},
    };
}

class BitmapVariantTest : public ::testing::TestWithParam<TVariant> {};

TEST_P(BitmapVariantTest, DecodesToExpectedPixels) {
    const TVariant &Variant = GetParam();
    const QImage Image = DecodeBitmap(Variant.File.data(), Variant.File.size(), NoLimit);
    const int Height = static_cast<int>(Variant.Expected.size()) / Variant.Width;
    ASSERT_EQ(Image.size(), QSize(Variant.Width, Height));
    EXPECT_EQ(Image.format(), Variant.Format);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Variant.Width; ++X)
            EXPECT_EQ(Image.pixel(X, Y), Variant.Expected[Y * Variant.Width + X])
                << "at " << X << ", " << Y;
}

INSTANTIATE_TEST_SUITE_P(Variants, BitmapVariantTest, ::testing::ValuesIn(Variants()),
                         [](const auto &AInfo) { return std::string(AInfo.param.Name); });

// A valid 24-bit 2 x 2 file, 40-byte header: pixels at 54.
std::string Valid24() {
    return Direct(Header(40, 0, 0, 24), {1, 2, 3, 4});
}

std::string Patched(std::string AFile, std::size_t AOffset, std::uint32_t AValue, int ABytes = 4) {
    if (ABytes == 2)
        bmp::Put16(AFile, AOffset, static_cast<std::uint16_t>(AValue));
    else
        bmp::Put32(AFile, AOffset, AValue);
    return AFile;
}

struct TDamage {
    const char *Name;
    std::string File;
    const char *Message;
};

const char *const Invalid = "Bitmap image is not valid";
const char *const ReadError = "Stream read error";

std::vector<TDamage> Damages() {
    using namespace bmp;
    const std::string Good = Valid24();
    std::string NotBm = Good;
    NotBm[0] = 'X';
    THeader Huge = Header(40, 30000, 30000, 8);
    Huge.Palette = Colours;
    return {
        {"NotBm", NotBm, Invalid},
        {"IconHeader", std::string("\0\0\1\0\1\0\20\20\0\0\1\0\4\0\50\1\0\0", 18), Invalid},
        {"TwoPlanes", Patched(Good, 26, 2, 2), Invalid},
        {"ZeroPlanes", Patched(Good, 26, 0, 2), Invalid},
        {"BitCount2", Patched(Good, 28, 2, 2), Invalid},
        {"BitCount0", Patched(Good, 28, 0, 2), Invalid},
        {"BitCount48", Patched(Good, 28, 48, 2), Invalid},
        {"UnknownCompression", Patched(Good, 30, 7), Invalid},
        {"Jpeg", Direct(Header(40, 0, 0, 24, cmJpeg), {1, 2, 3, 4}), Invalid},
        {"Png", Direct(Header(40, 0, 0, 32, cmPng), {1, 2, 3, 4}), Invalid},
        {"Cmyk", Patched(Good, 30, 11), Invalid},
        {"Rle8WithFourBits", Rle(4, 2, 2, {EndOfBitmap()}).replace(30, 1, 1, '\1'), Invalid},
        {"Rle4WithEightBits", Rle(8, 2, 2, {EndOfBitmap()}).replace(30, 1, 1, '\2'), Invalid},
        {"RleTopDown", Patched(Rle(8, 2, 2, {EndOfBitmap()}), 22, static_cast<std::uint32_t>(-2)),
         Invalid},
        {"BitfieldsWith24Bits", Patched(Good, 30, cmBitfields), Invalid},
        {"BitfieldsWith8Bits", Patched(Indexed(40, 8), 30, cmBitfields), Invalid},
        {"Os2HuffmanCompression", Patched(Indexed(64, 1), 30, 3), Invalid},
        {"Os2Rle24", Patched(Indexed(64, 8), 30, 4), Invalid},
        {"WidthZero", Patched(Good, 18, 0), Invalid},
        {"HeightZero", Patched(Good, 22, 0), Invalid},
        {"WidthNegative", Patched(Good, 18, static_cast<std::uint32_t>(-2)), Invalid},
        {"HeightMinimum", Patched(Good, 22, 0x80000000u), Invalid},
        {"CoreWidthZero", Patched(Indexed(12, 8), 18, 0, 2), Invalid},
        {"DibOver4GiB", Patched(Patched(Good, 18, 70000), 22, 70000), Invalid},
        {"HeaderSize11", Patched(Good, 14, 11), Invalid},
        {"HeaderSize15", Patched(Good, 14, 15), Invalid},
        {"HeaderSize65", Patched(Good, 14, 65), Invalid},
        {"HeaderSize125", Patched(Good, 14, 125), Invalid},
        {"OffsetInsideHeader", Patched(Good, 10, 30), Invalid},
        {"OverlappingMasks", Direct(Masked(40, 16, {0x7C00, 0x07E0, 0x001F, 0}), {1, 2, 3, 4}),
         Invalid},
        {"SplitMask", Direct(Masked(40, 32, {0xF0F00000, 0xFF00, 0xFF, 0}), {1, 2, 3, 4}), Invalid},
        {"MaskOutside16Bits", Direct(Masked(40, 16, {0x1F0000, 0x03E0, 0x001F, 0}), {1, 2, 3, 4}),
         Invalid},
        {"AlphaOverlapsRed",
         Direct(Masked(40, 32, {0xFF0000, 0xFF00, 0xFF, 0xFF800000}, cmAlphaBitfields),
                {1, 2, 3, 4}),
         Invalid},
        {"PixelsOneByteShort", Good.substr(0, Good.size() - 1), ReadError},
        {"PixelOffsetBeyondEnd", Patched(Good, 10, 1000), ReadError},
        {"HugeClaimShortFile", EncodeFile(Huge, std::string(100, '\1')), ReadError},
        {"Rle8EndsMidImage", Rle(8, 2, 2, {Run(2, 1), EndOfLine()}), ReadError},
        {"Rle8NoCommands", Rle(8, 2, 2, {}), ReadError},
        // Found by the fuzzer: no byte at all after the pixel offset.
        {"Rle4NoBytesAfterPixelOffset", Rle(4, 7, 3, {}), ReadError},
        {"Rle8AbsoluteRunCut",
         Rle(8, 5, 2, {Absolute({1, 2, 3, 4, 5})}).substr(0, 14 + 40 + 64 + 5), ReadError},
        {"Rle4DeltaCut", Rle(4, 5, 2, {Delta(1, 0)}).substr(0, 14 + 40 + 64 + 3), ReadError},
    };
}

class BitmapDamageTest : public ::testing::TestWithParam<TDamage> {};

TEST_P(BitmapDamageTest, FailsWithMessage) {
    const TDamage &Damage = GetParam();
    try {
        DecodeBitmap(Damage.File.data(), Damage.File.size(), NoLimit);
        FAIL() << "no error";
    } catch (const std::exception &AError) {
        EXPECT_STREQ(AError.what(), Damage.Message);
    }
}

INSTANTIATE_TEST_SUITE_P(Damages, BitmapDamageTest, ::testing::ValuesIn(Damages()),
                         [](const auto &AInfo) { return std::string(AInfo.param.Name); });

// Every cut before the last pixel byte, at and around each boundary between the parts.
TEST(BitmapTruncationTest, EveryShortFileIsAReadError) {
    struct TCutFile {
        const char *Name;
        std::string File;
    };
    THeader WithMasks = Masked(40, 16, {0xF800, 0x07E0, 0x001F, 0});
    const std::vector<TCutFile> Files = {
        {"info header, palette", Indexed(40, 8)},
        {"core header, palette", Indexed(12, 4)},
        {"V5 header", Indexed(124, 8)},
        {"masks after header", Direct(WithMasks, {1, 2, 3, 4})},
    };
    for (const TCutFile &Whole : Files)
        for (std::size_t Length = 1; Length < Whole.File.size(); ++Length) {
            const std::string Cut = Whole.File.substr(0, Length);
            try {
                DecodeBitmap(Cut.data(), Cut.size(), NoLimit);
                ADD_FAILURE() << Whole.Name << " cut to " << Length << ": no error";
            } catch (const std::exception &AError) {
                EXPECT_STREQ(AError.what(), ReadError) << Whole.Name << " cut to " << Length;
            }
        }
}

TEST(BitmapMemoryTest, ImageLargerThanTheMachineHoldsIsASystemError) {
    // RLE data of two bytes may describe a large picture; it is refused before allocation.
    const std::string File = Rle(8, 1000, 1000, {bmp::EndOfBitmap()});
    try {
        DecodeBitmap(File.data(), File.size(), 999'999);
        FAIL() << "no error";
    } catch (const std::exception &AError) {
        EXPECT_STREQ(AError.what(), "System Error.  Code: 12.\nCannot allocate memory");
    }
    EXPECT_EQ(DecodeBitmap(File.data(), File.size(), 1'000'000).size(), QSize(1000, 1000));
}

std::string LoadError(const QString &AFileName) {
    try {
        LoadBitmapFile(AFileName);
    } catch (const std::exception &AError) {
        return AError.what();
    }
    return "no error";
}

class BitmapFileTest : public ::testing::Test {
protected:
    TTemporaryFolder Folder;
    QString Path(const char *AName) const { return QString::fromStdString(Folder.File(AName)); }
};

TEST_F(BitmapFileTest, ReadsTheFileWhateverItsName) {
    const std::string File = Indexed(40, 8);
    WriteBytes(Folder.File("board.png"), File);
    const QImage FromFile = LoadBitmapFile(Path("board.png"));
    EXPECT_EQ(FromFile, DecodeBitmap(File.data(), File.size(), NoLimit));
    EXPECT_EQ(FromFile.size(), QSize(5, 3));
}

TEST_F(BitmapFileTest, EmptyFileIsAnEmptyPicture) {
    WriteBytes(Folder.File("empty.bmp"), "");
    const QImage Image = LoadBitmapFile(Path("empty.bmp"));
    EXPECT_TRUE(Image.isNull());
    EXPECT_EQ(Image.size(), QSize(0, 0));
}

TEST_F(BitmapFileTest, ErrorsFromTheFile) {
    WriteBytes(Folder.File("short.bmp"), "BM\1\2");
    WriteBytes(Folder.File("text.bmp"), "This is not a bitmap at all");
    std::filesystem::create_directory(Folder.File("folder.bmp"));
    const std::string Full = Folder.File("");
    EXPECT_EQ(LoadError(Path("short.bmp")), ReadError);
    EXPECT_EQ(LoadError(Path("text.bmp")), Invalid);
    EXPECT_EQ(LoadError(Path("missing.bmp")),
              "Cannot open file \"" + Full + "missing.bmp\". No such file or directory");
    EXPECT_EQ(LoadError(Path("folder.bmp")),
              "Cannot open file \"" + Full + "folder.bmp\". Is a directory");
}

TEST_F(BitmapFileTest, RelativeNameIsReportedWithItsFullPath) {
    const QString Saved = QDir::currentPath();
    QDir::setCurrent(Path(""));
    const std::string Error = LoadError("missing.bmp");
    QDir::setCurrent(Saved);
    EXPECT_EQ(Error, "Cannot open file \"" + QDir(Path("")).canonicalPath().toStdString() +
                         "/missing.bmp\". No such file or directory");
}

} // namespace
