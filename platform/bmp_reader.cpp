#include "platform/bmp_reader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

EOSError::EOSError(int AErrorCode)
    : std::runtime_error("System Error.  Code: " + std::to_string(AErrorCode) + ".\n" +
                         std::strerror(AErrorCode)) {}

namespace {

enum : std::uint32_t {
    biRgb = 0,
    biRle8 = 1,
    biRle4 = 2,
    biBitfields = 3,
    biAlphaBitfields = 6,
};

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t LargestHeaderSize = 124;
// Everything before the pixels: file header, largest info header, masks after a 40-byte header
// and a full 256-entry colour table.
constexpr std::size_t LargestHeadSize = FileHeaderSize + LargestHeaderSize + 16 + 256 * 4;

// Where the bytes of a bitmap come from: memory or an open file, read front to back.
class TByteSource {
public:
    virtual ~TByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Fills ADest or throws EReadError.
    virtual void Read(std::uint64_t AOffset, void *ADest, std::size_t ACount) = 0;
    // Fills each of ARows with ARowBytes consecutive bytes, in order, or throws EReadError.
    virtual void ReadRows(std::uint64_t AOffset, std::size_t ARowBytes,
                          const std::vector<std::uint8_t *> &ARows) {
        for (std::uint8_t *Row : ARows) {
            Read(AOffset, Row, ARowBytes);
            AOffset += ARowBytes;
        }
    }
};

class TMemorySource : public TByteSource {
public:
    TMemorySource(const char *AData, std::size_t ASize) : FData(AData), FSize(ASize) {}
    std::uint64_t Size() const override { return FSize; }
    void Read(std::uint64_t AOffset, void *ADest, std::size_t ACount) override {
        if (AOffset > FSize || ACount > FSize - AOffset)
            throw EReadError();
        if (ACount > 0) // an empty destination may be a null pointer
            std::memcpy(ADest, FData + AOffset, ACount);
    }

private:
    const char *FData;
    std::size_t FSize;
};

class TFileSource : public TByteSource {
public:
    TFileSource(int AHandle, std::uint64_t ASize) : FHandle(AHandle), FSize(ASize) {}
    std::uint64_t Size() const override { return FSize; }
    void Read(std::uint64_t AOffset, void *ADest, std::size_t ACount) override {
        auto *Dest = static_cast<char *>(ADest);
        while (ACount > 0) {
            const ssize_t Got = ::pread(FHandle, Dest, ACount, static_cast<off_t>(AOffset));
            if (Got < 0 && errno == EINTR)
                continue;
            if (Got <= 0)
                throw EReadError();
            Dest += Got;
            AOffset += static_cast<std::uint64_t>(Got);
            ACount -= static_cast<std::size_t>(Got);
        }
    }
    // One system call for many rows; a short read finishes row by row.
    void ReadRows(std::uint64_t AOffset, std::size_t ARowBytes,
                  const std::vector<std::uint8_t *> &ARows) override {
        std::vector<iovec> Parts;
        for (std::uint8_t *Row : ARows)
            Parts.push_back({Row, ARowBytes});
        const ssize_t Got = ::preadv(FHandle, Parts.data(), static_cast<int>(Parts.size()),
                                     static_cast<off_t>(AOffset));
        if (Got == static_cast<ssize_t>(ARowBytes * ARows.size()))
            return;
        TByteSource::ReadRows(AOffset, ARowBytes, ARows);
    }

private:
    int FHandle;
    std::uint64_t FSize;
};

class TFileHandle {
public:
    explicit TFileHandle(int AHandle) : FHandle(AHandle) {}
    ~TFileHandle() { ::close(FHandle); }
    TFileHandle(const TFileHandle &) = delete;
    TFileHandle &operator=(const TFileHandle &) = delete;

private:
    int FHandle;
};

std::uint16_t U16(const std::uint8_t *AAt) {
    return static_cast<std::uint16_t>(AAt[0] | AAt[1] << 8);
}
std::uint32_t U32(const std::uint8_t *AAt) {
    return static_cast<std::uint32_t>(AAt[0]) | static_cast<std::uint32_t>(AAt[1]) << 8 |
           static_cast<std::uint32_t>(AAt[2]) << 16 | static_cast<std::uint32_t>(AAt[3]) << 24;
}

// One colour channel of a bit-field pixel, scaled to 0..255 so that a full channel gives 255.
struct TChannel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    std::uint64_t Maximum = 0;

    explicit TChannel(std::uint32_t AMask) : Mask(AMask) {
        if (AMask == 0)
            return;
        Shift = std::countr_zero(AMask);
        Maximum = AMask >> Shift;
    }
    bool Contiguous() const { return ((Maximum + 1) & Maximum) == 0; }
    bool EightBitsWide() const { return Maximum == 0xFF; }
    std::uint32_t Value(std::uint32_t APixel) const {
        if (Maximum == 0)
            return 0;
        const std::uint64_t Raw = (APixel & Mask) >> Shift;
        return static_cast<std::uint32_t>((Raw * 255 + Maximum / 2) / Maximum);
    }
};

struct TBitFields {
    TChannel Red, Green, Blue;
    QRgb Colour(std::uint32_t APixel) const {
        return qRgb(static_cast<int>(Red.Value(APixel)), static_cast<int>(Green.Value(APixel)),
                    static_cast<int>(Blue.Value(APixel)));
    }
};

// Masks must each be one run of bits, lie inside the pixel and not share bits.
bool ValidMasks(const std::array<std::uint32_t, 4> &AMasks, int AMaskCount, int ABitCount) {
    const std::uint64_t PixelBits = (std::uint64_t{1} << ABitCount) - 1;
    std::uint32_t Seen = 0;
    for (int I = 0; I < AMaskCount; ++I) {
        if (!TChannel(AMasks[I]).Contiguous() || (AMasks[I] & ~PixelBits) != 0 ||
            (AMasks[I] & Seen) != 0)
            return false;
        Seen |= AMasks[I];
    }
    return true;
}

[[noreturn]] void OutOfMemory() {
    throw EOSError(ENOMEM);
}

// The parsed headers, checked; sizes in 64 bits so that nothing overflows.
struct TLayout {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int BitCount = 0;
    std::uint32_t Compression = biRgb;
    std::uint64_t PixelOffset = 0;
    std::uint64_t FileStride = 0;
    QList<QRgb> Palette;
    std::array<std::uint32_t, 4> Masks{};
};

TLayout ReadLayout(TByteSource &ASource) {
    std::array<std::uint8_t, LargestHeadSize> Head{};
    const std::size_t HeadSize =
        static_cast<std::size_t>(std::min<std::uint64_t>(ASource.Size(), Head.size()));
    ASource.Read(0, Head.data(), HeadSize);
    const auto Need = [&](std::uint64_t AEnd) {
        if (AEnd > HeadSize)
            throw EReadError();
    };
    Need(FileHeaderSize);
    if (Head[0] != 'B' || Head[1] != 'M')
        throw EInvalidGraphic();
    const std::uint32_t OffBits = U32(&Head[10]);
    Need(FileHeaderSize + 4);
    const std::uint32_t HeaderSize = U32(&Head[FileHeaderSize]);
    const bool Core = HeaderSize == CoreHeaderSize;
    if (!Core && !(HeaderSize >= 16 && HeaderSize <= 64) && HeaderSize != 108 &&
        HeaderSize != LargestHeaderSize)
        throw EInvalidGraphic();
    Need(FileHeaderSize + HeaderSize);
    // Fields a shorter header leaves out read as 0.
    std::array<std::uint8_t, LargestHeaderSize + 16> Info{};
    std::copy_n(&Head[FileHeaderSize], HeaderSize, Info.begin());
    const bool Os2 = !Core && HeaderSize != InfoHeaderSize && HeaderSize != 52 &&
                     HeaderSize != 56 && HeaderSize < 108;

    TLayout Layout;
    std::int64_t Width = 0, Height = 0;
    int Planes = 0;
    std::uint32_t ColoursUsed = 0;
    if (Core) {
        Width = U16(&Info[4]);
        Height = U16(&Info[6]);
        Planes = U16(&Info[8]);
        Layout.BitCount = U16(&Info[10]);
    } else {
        Width = static_cast<std::int32_t>(U32(&Info[4]));
        Height = static_cast<std::int32_t>(U32(&Info[8]));
        Planes = U16(&Info[12]);
        Layout.BitCount = U16(&Info[14]);
        Layout.Compression = U32(&Info[16]);
        ColoursUsed = U32(&Info[32]);
    }
    Layout.TopDown = Height < 0;
    Height = Height < 0 ? -Height : Height;
    const int BitCount = Layout.BitCount;
    const std::uint32_t Compression = Layout.Compression;
    const bool KnownDepth = BitCount == 1 || BitCount == 4 || BitCount == 8 || BitCount == 16 ||
                            BitCount == 24 || BitCount == 32;
    const bool Masked = Compression == biBitfields || Compression == biAlphaBitfields;
    const bool Rle = Compression == biRle8 || Compression == biRle4;
    const bool CompressionFits = Compression == biRgb || (Compression == biRle8 && BitCount == 8) ||
                                 (Compression == biRle4 && BitCount == 4) ||
                                 (Masked && !Os2 && (BitCount == 16 || BitCount == 32));
    if (Planes != 1 || !KnownDepth || !CompressionFits || Width <= 0 || Height <= 0 ||
        Width > std::numeric_limits<int>::max() || Height > std::numeric_limits<int>::max() ||
        (Rle && Layout.TopDown))
        throw EInvalidGraphic();
    Layout.Width = static_cast<int>(Width);
    Layout.Height = static_cast<int>(Height);
    Layout.FileStride = (static_cast<std::uint64_t>(Width) * BitCount + 31) / 32 * 4;
    // A DIB's size is a 32-bit number.
    if (Layout.FileStride * static_cast<std::uint64_t>(Height) >
        std::numeric_limits<std::uint32_t>::max())
        throw EInvalidGraphic();

    // Masks that the header does not hold follow it.
    std::uint64_t TableStart = FileHeaderSize + HeaderSize;
    if (Masked) {
        const std::uint32_t MasksEnd = Compression == biAlphaBitfields ? 56 : 52;
        if (HeaderSize < MasksEnd) {
            Need(FileHeaderSize + MasksEnd);
            std::copy_n(&Head[TableStart], MasksEnd - HeaderSize, &Info[HeaderSize]);
            TableStart = FileHeaderSize + MasksEnd;
        }
        for (int I = 0; I < 4; ++I)
            Layout.Masks[I] = U32(&Info[40 + 4 * I]);
        if (!ValidMasks(Layout.Masks, Compression == biAlphaBitfields ? 4 : 3, BitCount))
            throw EInvalidGraphic();
    } else if (BitCount == 16) {
        Layout.Masks = {0x7C00, 0x03E0, 0x001F, 0};
    } else if (BitCount == 32) {
        Layout.Masks = {0xFF0000, 0x00FF00, 0x0000FF, 0};
    }
    if (OffBits != 0 && OffBits < TableStart)
        throw EInvalidGraphic();

    const std::uint32_t EntrySize = Core ? 3 : 4;
    std::uint64_t Entries = 0;
    if (BitCount <= 8) {
        const std::uint32_t Full = 1u << BitCount;
        Entries = ColoursUsed == 0 ? Full : std::min(ColoursUsed, Full);
        if (OffBits != 0)
            Entries = std::min<std::uint64_t>(Entries, (OffBits - TableStart) / EntrySize);
        Need(TableStart + Entries * EntrySize);
        // Entries the table leaves out are black.
        Layout.Palette.fill(qRgb(0, 0, 0), Full);
        for (std::uint64_t I = 0; I < Entries; ++I) {
            const std::uint8_t *Entry = &Head[TableStart + I * EntrySize];
            Layout.Palette[static_cast<qsizetype>(I)] = qRgb(Entry[2], Entry[1], Entry[0]);
        }
    } else {
        Entries = ColoursUsed;
    }
    Layout.PixelOffset = OffBits != 0 ? OffBits : TableStart + Entries * EntrySize;
    return Layout;
}

QImage::Format ImageFormat(int ABitCount) {
    switch (ABitCount) {
    case 1:
        return QImage::Format_Mono;
    case 4:
    case 8:
        return QImage::Format_Indexed8;
    case 24:
        return QImage::Format_RGB888;
    default:
        return QImage::Format_RGB32;
    }
}

// A large image is written once from start to end; in 2 MiB pages that costs one page fault
// every 2 MiB instead of one every 4 KiB.
void AskForHugePages(std::uint8_t *AStart, std::size_t ASize) {
    constexpr std::uintptr_t HugePage = 2 << 20;
    const auto Start = reinterpret_cast<std::uintptr_t>(AStart);
    const std::uintptr_t First = (Start + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t End = (Start + ASize) & ~(HugePage - 1);
    if (End > First)
        ::madvise(reinterpret_cast<void *>(First), End - First, MADV_HUGEPAGE);
}

QImage CreateImage(const TLayout &ALayout, std::uint64_t AMemoryLimit) {
    const QImage::Format Format = ImageFormat(ALayout.BitCount);
    const int Depth = QImage::toPixelFormat(Format).bitsPerPixel();
    const std::uint64_t Stride = (static_cast<std::uint64_t>(ALayout.Width) * Depth + 31) / 32 * 4;
    if (Stride * static_cast<std::uint64_t>(ALayout.Height) > AMemoryLimit)
        OutOfMemory();
    QImage Image(ALayout.Width, ALayout.Height, Format);
    if (Image.isNull())
        OutOfMemory();
    if (!ALayout.Palette.isEmpty())
        Image.setColorTable(ALayout.Palette);
    AskForHugePages(Image.bits(), static_cast<std::size_t>(Image.sizeInBytes()));
    return Image;
}

// 24-bit rows: blue, green, red in the file, red, green, blue in the image; four pixels at a
// time as three 32-bit words.
void CopySwappingRedAndBlue(const std::uint8_t *ASource, std::uint8_t *ADest, int AWidth) {
    int X = 0;
    for (; X + 4 <= AWidth; X += 4, ASource += 12, ADest += 12) {
        std::uint32_t W0, W1, W2;
        std::memcpy(&W0, ASource, 4);
        std::memcpy(&W1, ASource + 4, 4);
        std::memcpy(&W2, ASource + 8, 4);
        const std::uint32_t O0 =
            (W0 >> 16 & 0xFF) | (W0 & 0xFF00) | (W0 & 0xFF) << 16 | (W1 >> 8 & 0xFF) << 24;
        const std::uint32_t O1 =
            (W1 & 0xFF) | (W0 >> 24) << 8 | (W2 & 0xFF) << 16 | (W1 & 0xFF000000u);
        const std::uint32_t O2 =
            (W1 >> 16 & 0xFF) | (W2 >> 24) << 8 | (W2 & 0xFF0000) | (W2 >> 8 & 0xFF) << 24;
        std::memcpy(ADest, &O0, 4);
        std::memcpy(ADest + 4, &O1, 4);
        std::memcpy(ADest + 8, &O2, 4);
    }
    for (; X < AWidth; ++X, ASource += 3, ADest += 3) {
        ADest[0] = ASource[2];
        ADest[1] = ASource[1];
        ADest[2] = ASource[0];
    }
}

// Uncompressed rows, read in file order a chunk of rows at a time (few system calls, little
// memory beside the image) and converted into the image's rows.
void ReadRows(TByteSource &ASource, const TLayout &ALayout, QImage &AImage) {
    const int Width = ALayout.Width, Height = ALayout.Height;
    const auto Stride = static_cast<std::size_t>(ALayout.FileStride);
    const TBitFields Fields{TChannel(ALayout.Masks[0]), TChannel(ALayout.Masks[1]),
                            TChannel(ALayout.Masks[2])};
    const bool Bytes =
        Fields.Red.EightBitsWide() && Fields.Green.EightBitsWide() && Fields.Blue.EightBitsWide();
    std::vector<QRgb> Colours16;
    if (ALayout.BitCount == 16) {
        Colours16.resize(65536);
        for (std::uint32_t Pixel = 0; Pixel < 65536; ++Pixel)
            Colours16[Pixel] = Fields.Colour(Pixel);
    }
    const auto ConvertRow = [&](const std::uint8_t *ASourceRow, std::uint8_t *ALine) {
        switch (ALayout.BitCount) {
        case 4:
            for (int X = 0; X + 1 < Width; X += 2) {
                ALine[X] = ASourceRow[X / 2] >> 4;
                ALine[X + 1] = ASourceRow[X / 2] & 0x0F;
            }
            if (Width % 2 != 0)
                ALine[Width - 1] = ASourceRow[Width / 2] >> 4;
            break;
        case 16: {
            auto *Out = reinterpret_cast<QRgb *>(ALine);
            for (int X = 0; X < Width; ++X)
                Out[X] = Colours16[U16(&ASourceRow[2 * X])];
            break;
        }
        case 24:
            CopySwappingRedAndBlue(ASourceRow, ALine, Width);
            break;
        case 32: {
            auto *Out = reinterpret_cast<QRgb *>(ALine);
            const int R = Fields.Red.Shift, G = Fields.Green.Shift, B = Fields.Blue.Shift;
            for (int X = 0; X < Width; ++X) {
                const std::uint32_t P = U32(&ASourceRow[4 * X]);
                Out[X] = Bytes ? 0xFF000000u | ((P >> R) & 0xFF) << 16 | ((P >> G) & 0xFF) << 8 |
                                     ((P >> B) & 0xFF)
                               : Fields.Colour(P);
            }
            break;
        }
        default:
            break;
        }
    };

    std::uint8_t *const Bits = AImage.bits();
    const auto LineBytes = static_cast<std::size_t>(AImage.bytesPerLine());
    const auto Line = [&](int ARow) {
        const int Y = ALayout.TopDown ? ARow : Height - 1 - ARow;
        return Bits + static_cast<std::size_t>(Y) * LineBytes;
    };
    if (ALayout.BitCount == 1 || ALayout.BitCount == 8) {
        // The image's rows are laid out as the file's: read straight into them.
        constexpr int RowsPerCall = 1024; // the most parts one system call takes
        std::vector<std::uint8_t *> Rows;
        for (int First = 0; First < Height; First += RowsPerCall) {
            Rows.clear();
            for (int Row = First; Row < std::min(Height, First + RowsPerCall); ++Row)
                Rows.push_back(Line(Row));
            ASource.ReadRows(ALayout.PixelOffset + static_cast<std::uint64_t>(First) * Stride,
                             Stride, Rows);
        }
        return;
    }
    const std::uint64_t ImageBytes = static_cast<std::uint64_t>(AImage.sizeInBytes());
    const std::uint64_t ChunkBytes = std::clamp<std::uint64_t>(ImageBytes / 32, 64 << 10, 1 << 20);
    const int ChunkRows =
        static_cast<int>(std::clamp<std::uint64_t>(ChunkBytes / Stride, 1, Height));
    std::vector<std::uint8_t> Chunk(static_cast<std::size_t>(ChunkRows) * Stride);
    for (int First = 0; First < Height; First += ChunkRows) {
        const int Rows = std::min(ChunkRows, Height - First);
        ASource.Read(ALayout.PixelOffset + static_cast<std::uint64_t>(First) * Stride, Chunk.data(),
                     static_cast<std::size_t>(Rows) * Stride);
        for (int Row = First; Row < First + Rows; ++Row)
            ConvertRow(Chunk.data() + static_cast<std::size_t>(Row - First) * Stride, Line(Row));
    }
}

// Run-length encoded rows, bottom-up. Pixels the runs skip or never reach keep entry 0; runs
// are cut at the image's edges.
void DecodeRunLengths(TByteSource &ASource, const TLayout &ALayout, QImage &AImage) {
    const std::uint64_t FileSize = ASource.Size();
    if (ALayout.PixelOffset > FileSize)
        throw EReadError();
    std::vector<std::uint8_t> Data(static_cast<std::size_t>(FileSize - ALayout.PixelOffset));
    ASource.Read(ALayout.PixelOffset, Data.data(), Data.size());
    AImage.fill(0);

    const bool Nibbles = ALayout.Compression == biRle4;
    const int Width = ALayout.Width, Height = ALayout.Height;
    std::size_t At = 0;
    int X = 0, Row = 0;
    std::uint8_t *const Bits = AImage.bits();
    const auto LineBytes = static_cast<std::size_t>(AImage.bytesPerLine());
    const auto Line = [&] { return Bits + static_cast<std::size_t>(Height - 1 - Row) * LineBytes; };
    while (Row < Height) {
        if (Data.size() - At < 2)
            throw EReadError();
        const std::uint8_t Count = Data[At], Code = Data[At + 1];
        At += 2;
        if (Count > 0) {
            const int End = std::min(Width, X + Count);
            if (Nibbles) {
                const std::uint8_t Pair[2] = {static_cast<std::uint8_t>(Code >> 4),
                                              static_cast<std::uint8_t>(Code & 0x0F)};
                std::uint8_t *Pixels = Line();
                for (int I = 0; X < End; ++X, ++I)
                    Pixels[X] = Pair[I % 2];
            } else if (End > X) {
                std::memset(Line() + X, Code, static_cast<std::size_t>(End - X));
                X = End;
            }
        } else if (Code == 0) {
            X = 0;
            ++Row;
        } else if (Code == 1) {
            break;
        } else if (Code == 2) {
            if (Data.size() - At < 2)
                throw EReadError();
            X = std::min(Width, X + Data[At]);
            Row += Data[At + 1];
            At += 2;
        } else {
            const std::size_t Size = Nibbles ? (Code + 1u) / 2 : Code;
            const std::size_t Padded = Size + Size % 2;
            if (Data.size() - At < Padded)
                throw EReadError();
            const int End = std::min(Width, X + Code);
            if (Nibbles) {
                std::uint8_t *Pixels = Line();
                for (int I = 0; X < End; ++X, ++I)
                    Pixels[X] = I % 2 == 0 ? Data[At + I / 2] >> 4 : Data[At + I / 2] & 0x0F;
            } else if (End > X) {
                std::memcpy(Line() + X, &Data[At], static_cast<std::size_t>(End - X));
                X = End;
            }
            At += Padded;
        }
    }
}

QImage Decode(TByteSource &ASource, std::uint64_t AImageMemoryLimit) {
    if (ASource.Size() == 0)
        return QImage();
    const TLayout Layout = ReadLayout(ASource);
    const bool Rle = Layout.Compression == biRle8 || Layout.Compression == biRle4;
    // A short file fails before the image it claims is allocated.
    if (!Rle && Layout.PixelOffset + Layout.FileStride * static_cast<std::uint64_t>(Layout.Height) >
                    ASource.Size())
        throw EReadError();
    QImage Image = CreateImage(Layout, AImageMemoryLimit);
    if (Rle)
        DecodeRunLengths(ASource, Layout, Image);
    else
        ReadRows(ASource, Layout, Image);
    return Image;
}

std::string WithoutTrailingStops(std::string AText) {
    while (!AText.empty() && (AText.back() == '.' || AText.back() == ' '))
        AText.pop_back();
    return AText;
}

[[noreturn]] void CannotOpen(const QString &AFileName, int AErrorCode) {
    const QString FullPath = QFileInfo(AFileName).absoluteFilePath();
    throw EFOpenError("Cannot open file \"" + FullPath.toStdString() + "\". " +
                      WithoutTrailingStops(std::strerror(AErrorCode)));
}

} // namespace

QImage DecodeBitmap(const char *AData, std::size_t ASize, std::uint64_t AImageMemoryLimit) {
    TMemorySource Source(AData, ASize);
    return Decode(Source, AImageMemoryLimit);
}

std::uint64_t ImageMemoryLimit() {
    const long Pages = ::sysconf(_SC_PHYS_PAGES), PageSize = ::sysconf(_SC_PAGESIZE);
    std::uint64_t Limit = Pages > 0 && PageSize > 0 ? static_cast<std::uint64_t>(Pages) *
                                                          static_cast<std::uint64_t>(PageSize)
                                                    : std::numeric_limits<std::uint64_t>::max();
    rlimit AddressSpace{};
    if (::getrlimit(RLIMIT_AS, &AddressSpace) == 0 && AddressSpace.rlim_cur != RLIM_INFINITY)
        Limit = std::min<std::uint64_t>(Limit, AddressSpace.rlim_cur);
    return Limit;
}

QImage LoadBitmapFile(const QString &AFileName) {
    // Non-blocking, so that a named pipe given as the file cannot hang the program.
    const int Handle =
        ::open(QFile::encodeName(AFileName).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (Handle < 0)
        CannotOpen(AFileName, errno);
    const TFileHandle File(Handle);
    struct stat Status {};
    if (::fstat(Handle, &Status) != 0)
        CannotOpen(AFileName, errno);
    if (S_ISDIR(Status.st_mode))
        CannotOpen(AFileName, EISDIR);
    if (!S_ISREG(Status.st_mode))
        CannotOpen(AFileName, ENOTSUP);
    ::posix_fadvise(Handle, 0, 0, POSIX_FADV_SEQUENTIAL);
    TFileSource Source(Handle, static_cast<std::uint64_t>(Status.st_size));
    return Decode(Source, ImageMemoryLimit());
}
