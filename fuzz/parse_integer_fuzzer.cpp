// ParseIntegerText against a reference built on std::from_chars.
#include "core/calibration.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::optional<std::int32_t> ReferenceValue(std::string_view AText) {
    while (!AText.empty() && AText.front() == ' ')
        AText.remove_prefix(1);
    bool Negative = false;
    if (!AText.empty() && (AText.front() == '+' || AText.front() == '-')) {
        Negative = AText.front() == '-';
        AText.remove_prefix(1);
    }
    int Base = 10;
    for (const std::string_view Prefix : {"0x", "0X", "$", "x", "X"}) {
        if (AText.starts_with(Prefix)) {
            AText.remove_prefix(Prefix.size());
            Base = 16;
            break;
        }
    }
    if (AText.empty())
        return std::nullopt;
    const std::size_t FirstSignificant = AText.find_first_not_of('0');
    const std::string_view Significant =
        FirstSignificant == std::string_view::npos ? "0" : AText.substr(FirstSignificant);
    // from_chars into an unsigned type takes no sign, prefix or blank: any left stops it early.
    std::uint64_t Magnitude = 0;
    const auto [End, Error] = std::from_chars(
        Significant.data(), Significant.data() + Significant.size(), Magnitude, Base);
    if (Error != std::errc() || End != Significant.data() + Significant.size())
        return std::nullopt;
    if (Base == 16) {
        if (Significant.size() > 8)
            return std::nullopt;
        const auto Pattern = static_cast<std::uint32_t>(Magnitude);
        return static_cast<std::int32_t>(Negative ? 0u - Pattern : Pattern);
    }
    if (Magnitude > (Negative ? 2147483648u : 2147483647u))
        return std::nullopt;
    return static_cast<std::int32_t>(Negative ? -static_cast<std::int64_t>(Magnitude)
                                              : static_cast<std::int64_t>(Magnitude));
}

void Check(bool ACondition) {
    if (!ACondition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *AData, std::size_t ASize) {
    const std::string Text(reinterpret_cast<const char *>(AData), ASize);
    const std::optional<std::int32_t> Expected = ReferenceValue(Text);
    try {
        const std::int32_t Value = ParseIntegerText(Text);
        Check(Expected && *Expected == Value);
        Check(ParseIntegerText(std::to_string(Value)) == Value);
    } catch (const EConvertError &Error) {
        Check(!Expected);
        Check(Error.what() == "'" + Text + "' is not a valid integer value" ||
              Text.find('\0') != std::string::npos);
    }
    return 0;
}
