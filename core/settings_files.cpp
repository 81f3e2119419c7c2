#include "core/settings_files.h"

#include "core/calibration.h"
#include "core/ini_file.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace {

constexpr const char *Section = "settings";
constexpr const char *PrinterDpiKey = "PrinterDPI";
constexpr std::int32_t DefaultPrinterDpi = 600;
constexpr std::int32_t DefaultCalibrationValue = 0;

// A calibration file name without a folder (from an empty bitmap path) belongs to the
// program's own folder, never to whatever folder the process happens to be in. Nothing when
// that folder cannot be found.
std::optional<std::string> ResolvedFileName(const std::string &AFileName) {
    if (AFileName.find('/') != std::string::npos)
        return AFileName;
    std::error_code Error;
    const std::filesystem::path Executable = std::filesystem::read_symlink("/proc/self/exe", Error);
    if (Error)
        return std::nullopt;
    return (Executable.parent_path() / AFileName).string();
}

// Whether a file can be created in AFolder, tried for real: permission bits, read-only file
// systems and immutable folders all count.
bool FolderWritable(const std::filesystem::path &AFolder) {
    std::string Probe = (AFolder / ".tavrel-probe-XXXXXX").string();
    const int Descriptor = ::mkstemp(Probe.data());
    if (Descriptor < 0)
        return false;
    ::close(Descriptor);
    ::unlink(Probe.c_str());
    return true;
}

std::filesystem::path PerUserProgramSettings() {
    const char *ConfigHome = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path Folder;
    if (ConfigHome && ConfigHome[0] == '/')
        Folder = ConfigHome;
    else if (const char *Home = std::getenv("HOME"))
        Folder = std::filesystem::path(Home) / ".config";
    return Folder / "Tavrel" / "Tavrel.ini";
}

// As Windows does for programs under Program Files: while the program's folder cannot be
// written (an installed program), its settings file lives in a per-user copy, and until that
// copy exists reads fall back to the file beside the program, an administrator's default.
std::string ProgramSettingsPlace(const std::string &AFileName, bool AForWriting) {
    const std::filesystem::path FileName(AFileName);
    if (FolderWritable(FileName.parent_path().empty() ? "." : FileName.parent_path()))
        return AFileName;
    const std::filesystem::path PerUser = PerUserProgramSettings();
    if (AForWriting) {
        std::error_code Ignored; // a folder that cannot be made shows as the write's error
        std::filesystem::create_directories(PerUser.parent_path(), Ignored);
        return PerUser.string();
    }
    return std::filesystem::exists(PerUser) ? PerUser.string() : AFileName;
}

std::int32_t ReadInteger(const std::string &AFileName, const char *AKey, std::int32_t ADefault) {
    try {
        return ParseIntegerText(ReadIniString(AFileName, Section, AKey));
    } catch (const EConvertError &) {
        return ADefault;
    }
}

void WriteInteger(const std::string &AFileName, const char *AKey, std::int32_t AValue) {
    WriteIniString(AFileName, Section, AKey, std::to_string(AValue));
}

} // namespace

std::string ProgramSettingsFileName(const std::string &AExePath) {
    return AExePath.substr(0, AExePath.rfind('/') + 1) + "Tavrel.ini";
}

std::int32_t ReadPrinterDpi(const std::string &AFileName) {
    return ReadInteger(ProgramSettingsPlace(AFileName, false), PrinterDpiKey, DefaultPrinterDpi);
}

// Every key write puts the whole file on disk before it returns, so no separate flush is due.
void WritePrinterDpi(const std::string &AFileName, std::int32_t AValue) {
    WriteInteger(ProgramSettingsPlace(AFileName, true), PrinterDpiKey, AValue);
}

std::string CalibrationFileName(const std::string &ABitmapPath) {
    if (ABitmapPath.size() > 3)
        return ABitmapPath.substr(0, ABitmapPath.size() - 3) + "ini";
    return "ini";
}

TStoredCalibration ReadCalibration(const std::string &ABitmapPath) {
    const std::optional<std::string> FileName = ResolvedFileName(CalibrationFileName(ABitmapPath));
    if (!FileName)
        return {DefaultCalibrationValue, DefaultCalibrationValue, DefaultCalibrationValue};
    return {ReadInteger(*FileName, "x1", DefaultCalibrationValue),
            ReadInteger(*FileName, "x2", DefaultCalibrationValue),
            ReadInteger(*FileName, "buttonmils", DefaultCalibrationValue)};
}

void WriteCalibration(const std::string &ABitmapPath, std::int32_t AX1, std::int32_t AX2,
                      std::int32_t AButtonMils) {
    const std::string Name = CalibrationFileName(ABitmapPath);
    const std::optional<std::string> FileName = ResolvedFileName(Name);
    if (!FileName)
        throw EWriteError(Name);
    WriteInteger(*FileName, "x1", AX1);
    WriteInteger(*FileName, "x2", AX2);
    WriteInteger(*FileName, "buttonmils", AButtonMils);
}

void DeleteCalibration(const std::string &ABitmapPath) {
    if (ABitmapPath.empty())
        return;
    if (const auto FileName = ResolvedFileName(CalibrationFileName(ABitmapPath)))
        ::unlink(FileName->c_str());
}
