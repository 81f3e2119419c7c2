#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// A text that is not an integer of the program's one integer syntax.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Division of a non-zero value by zero.
class EZeroDivide : public std::runtime_error {
public:
    EZeroDivide() : std::runtime_error("Floating point division by zero") {}
};

// Zero divided by zero.
class EInvalidOp : public std::runtime_error {
public:
    EInvalidOp() : std::runtime_error("Invalid floating point operation") {}
};

enum TMarkStep { msFirst, msSecond, msNone };

class TCalibration {
public:
    std::int32_t FX1 = 0, FX2 = 0, FBitmapDpi = 0, FPrinterDpi = 0, FButtonMils = 100;
    std::string StatusText;

    void ChooseReference(std::int32_t AMils);
    TMarkStep MarkColumn(std::int32_t AColumn);
    void NudgeX1(std::int32_t ADelta);
    void NudgeX2(std::int32_t ADelta);
    // Throws EZeroDivide or EInvalidOp when FButtonMils is 0, changing nothing.
    void Recompute();
    void ClearMarks();
};

std::int32_t ParseIntegerText(const std::string &AText);        // throws EConvertError
std::int32_t ReferenceFromCaption(const std::string &ACaption); // throws EConvertError
std::int32_t MarkerLeft(std::int32_t APictureLeft, std::int32_t AColumn);
std::int32_t MarkerTop(std::int32_t APictureTop, std::int32_t AClickRow,
                       std::int32_t AMarkerHeight);
