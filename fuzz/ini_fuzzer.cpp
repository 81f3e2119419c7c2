// Any bytes as an INI file: writing one key must read back what was written, leave every
// other key's value as it was, and keep every other line in its place.
#include "core/ini_file.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char *const Keys[] = {"x1", "X2", "buttonmils", "PrinterDPI"};
const char *const Sections[] = {"settings", "SETTINGS"};

// Lines without their line ends; a line end is a line feed with an optional carriage return
// before it.
std::vector<std::string> Lines(const std::string &AContent) {
    std::vector<std::string> Result;
    std::size_t Start = 0;
    while (Start < AContent.size()) {
        std::size_t Feed = AContent.find('\n', Start);
        if (Feed == std::string::npos) {
            Result.push_back(AContent.substr(Start));
            break;
        }
        std::size_t End = Feed > Start && AContent[Feed - 1] == '\r' ? Feed - 1 : Feed;
        Result.push_back(AContent.substr(Start, End - Start));
        Start = Feed + 1;
    }
    return Result;
}

bool EndsWith(const std::string &AText, const std::string &AEnd) {
    return AText.size() >= AEnd.size() &&
           AText.compare(AText.size() - AEnd.size(), AEnd.size(), AEnd) == 0;
}

// The new file is the old one with one line changed to the key's new line, or with the key's
// line inserted somewhere, or with the section and the key's line appended.
bool OnlyTheKeyLineChanged(const std::vector<std::string> &AOld,
                           const std::vector<std::string> &ANew, const std::string &ASection,
                           const std::string &AKeyLine, const std::string &AValue) {
    std::size_t Same = 0;
    while (Same < AOld.size() && Same < ANew.size() && AOld[Same] == ANew[Same])
        ++Same;
    if (ANew.size() == AOld.size()) {
        if (Same == AOld.size())
            return true;
        return EndsWith(ANew[Same], "=" + AValue) &&
               std::equal(AOld.begin() + Same + 1, AOld.end(), ANew.begin() + Same + 1);
    }
    if (ANew.size() == AOld.size() + 1)
        return ANew[Same] == AKeyLine &&
               std::equal(AOld.begin() + Same, AOld.end(), ANew.begin() + Same + 1);
    return ANew.size() == AOld.size() + 2 && Same == AOld.size() &&
           ANew[Same] == "[" + ASection + "]" && ANew[Same + 1] == AKeyLine;
}

std::string ReadAll(const std::string &AFileName) {
    std::ifstream File(AFileName, std::ios::binary);
    std::ostringstream Content;
    Content << File.rdbuf();
    return Content.str();
}

// One file in a private folder, on a memory file system where there is one, removed at exit.
class TFuzzFile {
public:
    TFuzzFile() {
        const std::filesystem::path Base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string Pattern = (Base / "tavrel-ini-fuzz-XXXXXX").string();
        if (::mkdtemp(Pattern.data()) == nullptr)
            std::abort();
        FFolder = Pattern;
        FName = (FFolder / "fuzz.ini").string();
    }
    ~TFuzzFile() {
        std::error_code Ignored;
        std::filesystem::remove_all(FFolder, Ignored);
    }
    const std::string &Name() const { return FName; }

private:
    std::filesystem::path FFolder;
    std::string FName;
};

const std::string &FileName() {
    static const TFuzzFile File;
    return File.Name();
}

void Check(bool ACondition) {
    if (!ACondition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *AData, std::size_t ASize) {
    if (ASize < 5)
        return 0;
    const std::string Key = Keys[AData[0] % 4];
    const std::string OtherKey = Keys[(AData[0] + 1) % 4];
    const std::string Section = Sections[(AData[0] >> 2) % 2];
    std::int32_t Number;
    std::memcpy(&Number, AData + 1, sizeof Number);
    const std::string Value = std::to_string(Number);
    const std::string Old(reinterpret_cast<const char *>(AData + 5), ASize - 5);

    { std::ofstream(FileName(), std::ios::binary | std::ios::trunc) << Old; }
    const std::string OtherValue = ReadIniString(FileName(), Section, OtherKey);
    WriteIniString(FileName(), Section, Key, Value);

    Check(ReadIniString(FileName(), Section, Key) == Value);
    Check(ReadIniString(FileName(), Section, OtherKey) == OtherValue);
    Check(OnlyTheKeyLineChanged(Lines(Old), Lines(ReadAll(FileName())), Section, Key + "=" + Value,
                                Value));
    return 0;
}
