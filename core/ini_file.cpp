#include "core/ini_file.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t MaxValueLength = 2047;
constexpr std::string_view LineEnd = "\r\n";

struct TLine {
    std::size_t Start;  // first byte of the line
    std::size_t Length; // without its line end
    std::size_t Next;   // first byte of the following line
};

std::vector<TLine> SplitLines(std::string_view AContent) {
    std::vector<TLine> Lines;
    std::size_t Start = 0;
    while (Start < AContent.size()) {
        const std::size_t Feed = AContent.find('\n', Start);
        if (Feed == std::string_view::npos) {
            Lines.push_back({Start, AContent.size() - Start, AContent.size()});
            break;
        }
        const std::size_t End = Feed > Start && AContent[Feed - 1] == '\r' ? Feed - 1 : Feed;
        Lines.push_back({Start, End - Start, Feed + 1});
        Start = Feed + 1;
    }
    return Lines;
}

std::string_view TrimBlanks(std::string_view AText) {
    const std::size_t First = AText.find_first_not_of(" \t\r");
    if (First == std::string_view::npos)
        return {};
    return AText.substr(First, AText.find_last_not_of(" \t\r") - First + 1);
}

char AsciiLower(char AChar) {
    return AChar >= 'A' && AChar <= 'Z' ? AChar - 'A' + 'a' : AChar;
}

bool SameName(std::string_view A, std::string_view B) {
    if (A.size() != B.size())
        return false;
    for (std::size_t I = 0; I < A.size(); ++I)
        if (AsciiLower(A[I]) != AsciiLower(B[I]))
            return false;
    return true;
}

std::optional<std::string_view> SectionName(std::string_view ALine) {
    const std::string_view Text = TrimBlanks(ALine);
    if (Text.empty() || Text.front() != '[')
        return std::nullopt;
    const std::size_t Close = Text.find(']');
    if (Close == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(Text.substr(1, Close - 1));
}

struct TKeyLine {
    std::string_view Key, Value;
};

std::optional<TKeyLine> KeyLine(std::string_view ALine) {
    const std::string_view Text = TrimBlanks(ALine);
    if (Text.empty() || Text.front() == ';')
        return std::nullopt;
    const std::size_t Equals = Text.find('=');
    if (Equals == std::string_view::npos)
        return std::nullopt;
    return TKeyLine{TrimBlanks(Text.substr(0, Equals)), TrimBlanks(Text.substr(Equals + 1))};
}

// Where a key is, or where it would go. The key counts in every section of the name, the
// first one found wins; a missing key goes after the last key line (or the header) of the
// first such section.
struct TKeyPlace {
    std::optional<std::size_t> KeyLineIndex;
    std::optional<std::size_t> InsertBeforeIndex; // set when the section exists
};

TKeyPlace FindKey(std::string_view AContent, const std::vector<TLine> &ALines,
                  std::string_view ASection, std::string_view AKey) {
    TKeyPlace Place;
    bool InSection = false, InFirstSection = false;
    for (std::size_t I = 0; I < ALines.size(); ++I) {
        const std::string_view Line = AContent.substr(ALines[I].Start, ALines[I].Length);
        if (const auto Name = SectionName(Line)) {
            InSection = SameName(*Name, ASection);
            InFirstSection = InSection && !Place.InsertBeforeIndex;
            if (InFirstSection)
                Place.InsertBeforeIndex = I + 1;
            continue;
        }
        if (!InSection)
            continue;
        if (const auto Key = KeyLine(Line)) {
            if (SameName(Key->Key, AKey)) {
                Place.KeyLineIndex = I;
                return Place;
            }
            if (InFirstSection)
                Place.InsertBeforeIndex = I + 1;
        }
    }
    return Place;
}

std::string_view Unquoted(std::string_view AValue) {
    if (AValue.size() >= 2 && (AValue.front() == '"' || AValue.front() == '\'') &&
        AValue.back() == AValue.front())
        return AValue.substr(1, AValue.size() - 2);
    return AValue;
}

// The whole file; an empty text when it does not exist, nothing when it exists but cannot
// be read.
std::optional<std::string> ReadWholeFile(const std::string &AFileName) {
    const int Fd = ::open(AFileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (Fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? std::optional<std::string>("") : std::nullopt;
    std::string Content;
    char Buffer[65536];
    for (;;) {
        const ssize_t Count = ::read(Fd, Buffer, sizeof Buffer);
        if (Count < 0 && errno == EINTR)
            continue;
        if (Count < 0) {
            ::close(Fd);
            return std::nullopt;
        }
        if (Count == 0)
            break;
        Content.append(Buffer, static_cast<std::size_t>(Count));
    }
    ::close(Fd);
    return Content;
}

bool WriteAll(int AFd, std::string_view AData) {
    while (!AData.empty()) {
        const ssize_t Count = ::write(AFd, AData.data(), AData.size());
        if (Count < 0 && errno == EINTR)
            continue;
        if (Count <= 0)
            return false;
        AData.remove_prefix(static_cast<std::size_t>(Count));
    }
    return true;
}

std::string TemporaryName(const std::filesystem::path &AFolder) {
    static std::atomic<unsigned> Counter = 0;
    return (AFolder /
            (".tavrel-" + std::to_string(::getpid()) + "-" + std::to_string(Counter++) + ".tmp"))
        .string();
}

// Writes the new content beside the file, puts it on disk and renames it over the file, so
// that the file is always either wholly old or wholly new. A symbolic link is followed, so
// that the link itself stays in place.
void ReplaceFile(const std::string &AFileName, const std::string &AContent) {
    std::filesystem::path Target = AFileName;
    std::error_code Error;
    if (std::filesystem::is_symlink(Target, Error)) {
        Target = std::filesystem::canonical(Target, Error);
        if (Error)
            throw EWriteError(AFileName);
    }
    // Replacing the file needs only the folder's permission; a file marked read-only stays so.
    if (::access(Target.c_str(), F_OK) == 0 && ::access(Target.c_str(), W_OK) != 0)
        throw EWriteError(AFileName);
    const std::filesystem::path Folder =
        Target.has_parent_path() ? Target.parent_path() : std::filesystem::path(".");

    std::string Temporary;
    int Fd = -1;
    for (int Attempt = 0; Attempt < 100 && Fd < 0; ++Attempt) {
        Temporary = TemporaryName(Folder);
        Fd = ::open(Temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Fd < 0 && errno != EEXIST)
            break;
    }
    if (Fd < 0)
        throw EWriteError(AFileName);

    struct stat Old {};
    bool Written = (::stat(Target.c_str(), &Old) != 0 || ::fchmod(Fd, Old.st_mode & 07777) == 0) &&
                   WriteAll(Fd, AContent) && ::fsync(Fd) == 0;
    Written = ::close(Fd) == 0 && Written;
    if (!Written || ::rename(Temporary.c_str(), Target.c_str()) != 0) {
        ::unlink(Temporary.c_str());
        throw EWriteError(AFileName);
    }
    // The rename itself reaches the disk with the folder; a file system that cannot sync a
    // folder still holds a complete file.
    const int FolderFd = ::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (FolderFd >= 0) {
        ::fsync(FolderFd);
        ::close(FolderFd);
    }
}

} // namespace

std::string ReadIniString(const std::string &AFileName, const std::string &ASection,
                          const std::string &AKey) {
    const std::optional<std::string> Content = ReadWholeFile(AFileName);
    if (!Content)
        return {};
    const std::vector<TLine> Lines = SplitLines(*Content);
    const TKeyPlace Place = FindKey(*Content, Lines, ASection, AKey);
    if (!Place.KeyLineIndex)
        return {};
    const TLine &Line = Lines[*Place.KeyLineIndex];
    const std::string_view Value =
        Unquoted(KeyLine(std::string_view(*Content).substr(Line.Start, Line.Length))->Value);
    return std::string(Value.substr(0, MaxValueLength));
}

void WriteIniString(const std::string &AFileName, const std::string &ASection,
                    const std::string &AKey, const std::string &AValue) {
    const std::optional<std::string> Old = ReadWholeFile(AFileName);
    if (!Old)
        throw EWriteError(AFileName);
    const std::vector<TLine> Lines = SplitLines(*Old);
    const TKeyPlace Place = FindKey(*Old, Lines, ASection, AKey);

    std::string New;
    if (Place.KeyLineIndex) {
        const TLine &Line = Lines[*Place.KeyLineIndex];
        const std::string_view OldLine = std::string_view(*Old).substr(Line.Start, Line.Length);
        New.append(*Old, 0, Line.Start);
        New.append(KeyLine(OldLine)->Key).append("=").append(AValue);
        New.append(*Old, Line.Start + Line.Length);
    } else {
        std::size_t InsertAt = Old->size();
        if (Place.InsertBeforeIndex && *Place.InsertBeforeIndex < Lines.size())
            InsertAt = Lines[*Place.InsertBeforeIndex].Start;
        New.append(*Old, 0, InsertAt);
        if (!New.empty() && New.back() != '\n')
            New.append(LineEnd);
        if (!Place.InsertBeforeIndex)
            New.append("[").append(ASection).append("]").append(LineEnd);
        New.append(AKey).append("=").append(AValue).append(LineEnd);
        New.append(*Old, InsertAt);
    }
    ReplaceFile(AFileName, New);
}
