// Any bytes as a bitmap file: the reader either gives an image of the size the headers claim or
// fails with one of its loading messages; it never reads or writes outside its buffers.
#include "platform/bmp_reader.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace {

// Small enough that the fuzzer never waits on a huge allocation that a short input can ask for
// through run-length data.
constexpr std::uint64_t ImageMemoryLimitBytes = 8u << 20;

bool IsLoadingMessage(const char *AMessage) {
    return std::strcmp(AMessage, "Stream read error") == 0 ||
           std::strcmp(AMessage, "Bitmap image is not valid") == 0 ||
           std::strcmp(AMessage, "System Error.  Code: 12.\nCannot allocate memory") == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *AData, std::size_t ASize) {
    try {
        const QImage Image =
            DecodeBitmap(reinterpret_cast<const char *>(AData), ASize, ImageMemoryLimitBytes);
        if (ASize == 0 ? !Image.isNull()
                       : Image.isNull() || Image.width() <= 0 || Image.height() <= 0)
            std::abort();
        // Touch every row so that a row the reader left unwritten shows up under the sanitizers.
        std::uint32_t Sum = 0;
        for (int Y = 0; Y < Image.height(); ++Y)
            Sum += Image.constScanLine(Y)[0];
        if (Sum == 0xFFFFFFFFu)
            std::abort();
    } catch (const std::exception &AError) {
        if (!IsLoadingMessage(AError.what()))
            std::abort();
    }
    return 0;
}
