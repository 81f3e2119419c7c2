#include "tools/bmp_writer.h"

#include <algorithm>

namespace bmp {

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t LargestHeaderSize = 124;
constexpr std::uint32_t SrgbColourSpace = 0x73524742; // 'sRGB'
constexpr std::uint32_t PixelsPerMetre = 2835;        // 72 dpi

void Append16(std::string &AData, std::uint16_t AValue) {
    AData += static_cast<char>(AValue & 0xFF);
    AData += static_cast<char>(AValue >> 8);
}

void Append32(std::string &AData, std::uint32_t AValue) {
    for (int Shift = 0; Shift < 32; Shift += 8)
        AData += static_cast<char>((AValue >> Shift) & 0xFF);
}

bool MasksAfterHeader(const THeader &AHeader) {
    return (AHeader.HeaderSize == 40 || AHeader.HeaderSize == 52) &&
           (AHeader.Compression == cmBitfields || AHeader.Compression == cmAlphaBitfields);
}

// The info header with every field, cut to the asked size; masks it cannot hold come after it.
std::string InfoHeaderAndMasks(const THeader &AHeader, std::uint32_t APixelBytes) {
    std::string Info;
    Append32(Info, AHeader.HeaderSize);
    if (AHeader.HeaderSize == CoreHeaderSize) {
        Append16(Info, static_cast<std::uint16_t>(AHeader.Width));
        Append16(Info, static_cast<std::uint16_t>(AHeader.Height));
        Append16(Info, AHeader.Planes);
        Append16(Info, AHeader.BitCount);
        return Info;
    }
    Append32(Info, static_cast<std::uint32_t>(AHeader.Width));
    Append32(Info, static_cast<std::uint32_t>(AHeader.Height));
    Append16(Info, AHeader.Planes);
    Append16(Info, AHeader.BitCount);
    Append32(Info, AHeader.Compression);
    Append32(Info, APixelBytes);
    Append32(Info, PixelsPerMetre);
    Append32(Info, PixelsPerMetre);
    Append32(Info,
             AHeader.ColoursUsed.value_or(static_cast<std::uint32_t>(AHeader.Palette.size())));
    Append32(Info, 0); // colours important
    for (std::uint32_t Mask : AHeader.Masks)
        Append32(Info, Mask);
    Append32(Info, SrgbColourSpace);
    Info.resize(LargestHeaderSize, '\0');
    std::string Masks;
    if (MasksAfterHeader(AHeader)) {
        const std::size_t MasksEnd = AHeader.Compression == cmAlphaBitfields ? 56 : 52;
        Masks = Info.substr(AHeader.HeaderSize, MasksEnd - AHeader.HeaderSize);
    }
    Info.resize(std::max(AHeader.HeaderSize, 4u), '\0');
    return Info + Masks;
}

} // namespace

std::string EncodeHeaders(const THeader &AHeader, std::uint32_t APixelBytes) {
    std::string Body = InfoHeaderAndMasks(AHeader, APixelBytes);
    for (std::uint32_t Colour : AHeader.Palette) {
        Body += static_cast<char>(Colour & 0xFF);
        Body += static_cast<char>((Colour >> 8) & 0xFF);
        Body += static_cast<char>((Colour >> 16) & 0xFF);
        if (AHeader.HeaderSize != CoreHeaderSize)
            Body += '\0';
    }
    const auto NaturalOffset = static_cast<std::uint32_t>(FileHeaderSize + Body.size());
    const std::uint32_t Offset = AHeader.PixelOffset.value_or(NaturalOffset);
    if (Offset > NaturalOffset)
        Body.resize(Offset - FileHeaderSize, '\0');
    std::string File = "BM";
    Append32(File, Offset + APixelBytes);
    Append32(File, 0); // reserved
    Append32(File, Offset);
    return File + Body;
}

std::string EncodeFile(const THeader &AHeader, const std::string &APixelData) {
    return EncodeHeaders(AHeader, static_cast<std::uint32_t>(APixelData.size())) + APixelData;
}

std::string PackRow(int ABitCount, const std::uint32_t *APixels, int AWidth) {
    const std::size_t Stride = (static_cast<std::size_t>(AWidth) * ABitCount + 31) / 32 * 4;
    std::string Row(Stride, '\0');
    for (int X = 0; X < AWidth; ++X) {
        const std::uint32_t Value = APixels[X];
        if (ABitCount < 8) {
            const int Bit = X * ABitCount;
            const int Shift = 8 - ABitCount - Bit % 8;
            Row[Bit / 8] = static_cast<char>(static_cast<std::uint8_t>(Row[Bit / 8]) |
                                             (Value & ((1u << ABitCount) - 1)) << Shift);
        } else {
            const int Bytes = ABitCount / 8;
            for (int I = 0; I < Bytes; ++I)
                Row[static_cast<std::size_t>(X) * Bytes + I] =
                    static_cast<char>((Value >> (8 * I)) & 0xFF);
        }
    }
    return Row;
}

std::string PackPixels(int ABitCount, int AWidth, const std::vector<std::uint32_t> &APixels,
                       bool ATopDown) {
    const int Height = AWidth == 0 ? 0 : static_cast<int>(APixels.size() / AWidth);
    std::string Data;
    for (int Row = 0; Row < Height; ++Row) {
        const int Y = ATopDown ? Row : Height - 1 - Row;
        Data += PackRow(ABitCount, APixels.data() + static_cast<std::size_t>(Y) * AWidth, AWidth);
    }
    return Data;
}

TRleCommand Run(std::uint8_t ACount, std::uint8_t AValue) {
    return {TRleCommand::rkRun, ACount, AValue, {}, 0, 0};
}
TRleCommand Absolute(std::vector<std::uint8_t> APixels) {
    return {TRleCommand::rkAbsolute, 0, 0, std::move(APixels), 0, 0};
}
TRleCommand EndOfLine() {
    return {TRleCommand::rkEndOfLine, 0, 0, {}, 0, 0};
}
TRleCommand EndOfBitmap() {
    return {TRleCommand::rkEndOfBitmap, 0, 0, {}, 0, 0};
}
TRleCommand Delta(std::uint8_t ADx, std::uint8_t ADy) {
    return {TRleCommand::rkDelta, 0, 0, {}, ADx, ADy};
}

std::string EncodeRle(int ABitCount, const std::vector<TRleCommand> &ACommands) {
    std::string Data;
    const auto Byte = [&Data](unsigned AValue) { Data += static_cast<char>(AValue & 0xFF); };
    for (const TRleCommand &Command : ACommands) {
        switch (Command.Kind) {
        case TRleCommand::rkRun:
            Byte(Command.Count);
            Byte(Command.Value);
            break;
        case TRleCommand::rkEndOfLine:
            Byte(0);
            Byte(0);
            break;
        case TRleCommand::rkEndOfBitmap:
            Byte(0);
            Byte(1);
            break;
        case TRleCommand::rkDelta:
            Byte(0);
            Byte(2);
            Byte(Command.Dx);
            Byte(Command.Dy);
            break;
        case TRleCommand::rkAbsolute: {
            const std::size_t Count = Command.Pixels.size();
            Byte(0);
            Byte(static_cast<unsigned>(Count));
            std::string Packed;
            if (ABitCount == 4) {
                for (std::size_t I = 0; I < Count; I += 2)
                    Packed += static_cast<char>((Command.Pixels[I] & 0x0F) << 4 |
                                                (I + 1 < Count ? Command.Pixels[I + 1] & 0x0F : 0));
            } else {
                Packed.assign(Command.Pixels.begin(), Command.Pixels.end());
            }
            Data += Packed;
            if (Packed.size() % 2 != 0)
                Byte(0); // absolute runs end on a 16-bit boundary
            break;
        }
        }
    }
    return Data;
}

std::string CompressRle(int ABitCount, int AWidth, const std::vector<std::uint32_t> &APixels) {
    const int Height = AWidth == 0 ? 0 : static_cast<int>(APixels.size() / AWidth);
    const unsigned Mask = ABitCount == 4 ? 0x0F : 0xFF;
    std::vector<TRleCommand> Commands;
    for (int Y = Height - 1; Y >= 0; --Y) {
        const std::uint32_t *Row = APixels.data() + static_cast<std::size_t>(Y) * AWidth;
        int X = 0;
        while (X < AWidth) {
            int Same = 1;
            while (X + Same < AWidth && Same < 255 && Row[X + Same] == Row[X])
                ++Same;
            if (Same >= 3 || AWidth - X < 3) {
                const auto Value = static_cast<std::uint8_t>(Row[X] & Mask);
                Commands.push_back(Run(static_cast<std::uint8_t>(Same),
                                       ABitCount == 4 ? Value << 4 | Value : Value));
                X += Same;
                continue;
            }
            // Pixels up to the next run of three or more go in one absolute run.
            int End = X;
            while (End < AWidth && End - X < 255 &&
                   !(End + 2 < AWidth && Row[End] == Row[End + 1] && Row[End] == Row[End + 2]))
                ++End;
            End = std::max(End, std::min(AWidth, X + 3));
            std::vector<std::uint8_t> Literal;
            for (int I = X; I < End; ++I)
                Literal.push_back(static_cast<std::uint8_t>(Row[I] & Mask));
            Commands.push_back(Absolute(std::move(Literal)));
            X = End;
        }
        Commands.push_back(Y == 0 ? EndOfBitmap() : EndOfLine());
    }
    return EncodeRle(ABitCount, Commands);
}

void Put16(std::string &AData, std::size_t AOffset, std::uint16_t AValue) {
    AData[AOffset] = static_cast<char>(AValue & 0xFF);
    AData[AOffset + 1] = static_cast<char>(AValue >> 8);
}

void Put32(std::string &AData, std::size_t AOffset, std::uint32_t AValue) {
    for (int I = 0; I < 4; ++I)
        AData[AOffset + I] = static_cast<char>((AValue >> (8 * I)) & 0xFF);
}

} // namespace bmp
