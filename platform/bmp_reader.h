#pragma once

#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// The file cannot be opened for reading.
class EFOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The data ends where the headers, the colour table or the pixels should be.
class EReadError : public std::runtime_error {
public:
    EReadError() : std::runtime_error("Stream read error") {}
};

// Not a bitmap, or headers that Windows rejects.
class EInvalidGraphic : public std::runtime_error {
public:
    EInvalidGraphic() : std::runtime_error("Bitmap image is not valid") {}
};

// The system cannot create the image.
class EOSError : public std::runtime_error {
public:
    explicit EOSError(int AErrorCode);
};

// Reads a Windows BMP file, whatever its name's extension. An empty file gives a null image.
// Throws the exceptions above, whose what() is the message the user sees.
QImage LoadBitmapFile(const QString &AFileName);

// Decodes a BMP file held in memory; an image of more than AImageMemoryLimit bytes fails with
// EOSError instead of being allocated.
QImage DecodeBitmap(const char *AData, std::size_t ASize, std::uint64_t AImageMemoryLimit);

// The most bytes a decoded image may take on this machine: its physical memory, or less under
// an address-space limit.
std::uint64_t ImageMemoryLimit();
