#include "core/calibration.h"

#include <cstdlib>

namespace {

// Two's complement wrap-around without signed overflow: the sum is formed unsigned and
// converted back, which C++20 defines as modulo 2^32.
std::int32_t WrappingAdd(std::int32_t A, std::int32_t B) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(A) + static_cast<std::uint32_t>(B));
}

std::int32_t WrappingSub(std::int32_t A, std::int32_t B) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(A) - static_cast<std::uint32_t>(B));
}

std::int32_t WrappingMul(std::int32_t A, std::int32_t B) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(A) * static_cast<std::uint32_t>(B));
}

// The nearest integer to ANumerator / ADenominator, an exact half going to the even
// neighbour, in exact integer arithmetic. The one quotient outside 32 bits, -2^31 / -1,
// wraps like every other integer result.
std::int32_t DivideRoundingHalfToEven(std::int32_t ANumerator, std::int32_t ADenominator) {
    const std::int64_t Numerator = ANumerator;
    const std::int64_t Denominator = ADenominator;
    std::int64_t Quotient = Numerator / Denominator;
    const std::int64_t TwiceRemainder = 2 * std::llabs(Numerator % Denominator);
    const std::int64_t Magnitude = std::llabs(Denominator);
    if (TwiceRemainder > Magnitude || (TwiceRemainder == Magnitude && Quotient % 2 != 0))
        Quotient += (Numerator < 0) == (Denominator < 0) ? 1 : -1;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(Quotient));
}

int HexDigitValue(char AChar) {
    if (AChar >= '0' && AChar <= '9')
        return AChar - '0';
    if (AChar >= 'a' && AChar <= 'f')
        return AChar - 'a' + 10;
    if (AChar >= 'A' && AChar <= 'F')
        return AChar - 'A' + 10;
    return -1;
}

[[noreturn]] void ThrowNotAnInteger(const std::string &AText) {
    throw EConvertError("'" + AText + "' is not a valid integer value");
}

} // namespace

void TCalibration::ChooseReference(std::int32_t AMils) {
    FX1 = 0;
    FX2 = 0;
    FButtonMils = AMils;
    StatusText = "Mark X1";
}

TMarkStep TCalibration::MarkColumn(std::int32_t AColumn) {
    if (FX1 == 0) {
        FX1 = AColumn;
        StatusText = "X1 = " + std::to_string(AColumn) + " , mark x2";
        return msFirst;
    }
    if (FX2 == 0) {
        FX2 = AColumn;
        return msSecond;
    }
    return msNone;
}

void TCalibration::NudgeX1(std::int32_t ADelta) {
    FX1 = WrappingAdd(FX1, ADelta);
}

void TCalibration::NudgeX2(std::int32_t ADelta) {
    FX2 = WrappingAdd(FX2, ADelta);
}

void TCalibration::Recompute() {
    const std::int32_t Points = WrappingSub(FX2, FX1);
    const std::int32_t Product = WrappingMul(Points, 1000);
    if (FButtonMils == 0) {
        if (Product != 0)
            throw EZeroDivide();
        throw EInvalidOp();
    }
    FBitmapDpi = DivideRoundingHalfToEven(Product, FButtonMils);
    StatusText = "X1 = " + std::to_string(FX1) + " , X2 = " + std::to_string(FX2) + " , " +
                 std::to_string(FButtonMils) + " mils = " + std::to_string(Points) +
                 " points ,  dpi = " + std::to_string(FBitmapDpi);
}

void TCalibration::ClearMarks() {
    FX1 = 0;
    FX2 = 0;
    FBitmapDpi = 0;
    StatusText.clear();
}

std::int32_t ParseIntegerText(const std::string &AText) {
    std::size_t Pos = AText.find_first_not_of(' ');
    if (Pos == std::string::npos)
        ThrowNotAnInteger(AText);
    bool Negative = false;
    if (AText[Pos] == '+' || AText[Pos] == '-') {
        Negative = AText[Pos] == '-';
        ++Pos;
    }
    const auto HasAt = [&](std::size_t AIndex, char AChar) {
        return AIndex < AText.size() && AText[AIndex] == AChar;
    };

    std::uint32_t Pattern = 0;
    if (HasAt(Pos, '$') || HasAt(Pos, 'x') || HasAt(Pos, 'X') ||
        (HasAt(Pos, '0') && (HasAt(Pos + 1, 'x') || HasAt(Pos + 1, 'X')))) {
        Pos += AText[Pos] == '0' ? 2 : 1;
        if (Pos == AText.size())
            ThrowNotAnInteger(AText);
        int SignificantDigits = 0;
        for (; Pos < AText.size(); ++Pos) {
            const int Digit = HexDigitValue(AText[Pos]);
            if (Digit < 0)
                ThrowNotAnInteger(AText);
            if (Pattern != 0 || Digit != 0)
                ++SignificantDigits;
            if (SignificantDigits > 8)
                ThrowNotAnInteger(AText);
            Pattern = Pattern * 16 + static_cast<std::uint32_t>(Digit);
        }
    } else {
        if (Pos == AText.size())
            ThrowNotAnInteger(AText);
        const std::uint64_t Limit = Negative ? 2147483648u : 2147483647u;
        std::uint64_t Magnitude = 0;
        for (; Pos < AText.size(); ++Pos) {
            const char Digit = AText[Pos];
            if (Digit < '0' || Digit > '9')
                ThrowNotAnInteger(AText);
            Magnitude = Magnitude * 10 + static_cast<std::uint64_t>(Digit - '0');
            if (Magnitude > Limit)
                ThrowNotAnInteger(AText);
        }
        Pattern = static_cast<std::uint32_t>(Magnitude);
    }
    if (Negative)
        Pattern = 0u - Pattern;
    return static_cast<std::int32_t>(Pattern);
}

std::int32_t ReferenceFromCaption(const std::string &ACaption) {
    std::string Text = ACaption;
    std::erase(Text, '&');
    return ParseIntegerText(Text);
}

std::int32_t MarkerLeft(std::int32_t APictureLeft, std::int32_t AColumn) {
    return WrappingAdd(APictureLeft, AColumn);
}

std::int32_t MarkerTop(std::int32_t APictureTop, std::int32_t AClickRow,
                       std::int32_t AMarkerHeight) {
    return WrappingSub(WrappingAdd(APictureTop, AClickRow), AMarkerHeight / 2);
}
