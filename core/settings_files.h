#pragma once

#include "core/ini_file.h"

#include <cstdint>
#include <string>

std::string ProgramSettingsFileName(const std::string &AExePath);
std::int32_t ReadPrinterDpi(const std::string &AFileName);
// Throws EWriteError, whose what() is "Unable to write to <file name>".
void WritePrinterDpi(const std::string &AFileName, std::int32_t AValue);

std::string CalibrationFileName(const std::string &ABitmapPath);

struct TStoredCalibration {
    std::int32_t X1, X2, ButtonMils;
};
TStoredCalibration ReadCalibration(const std::string &ABitmapPath);
// Throws EWriteError, whose what() is "Unable to write to <file name>".
void WriteCalibration(const std::string &ABitmapPath, std::int32_t AX1, std::int32_t AX2,
                      std::int32_t AButtonMils);
void DeleteCalibration(const std::string &ABitmapPath);
