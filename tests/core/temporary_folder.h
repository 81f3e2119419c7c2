#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

// A fresh folder for one test, removed with everything in it afterwards.
class TTemporaryFolder {
public:
    TTemporaryFolder() {
        std::string Pattern =
            (std::filesystem::temp_directory_path() / "tavrel-test-XXXXXX").string();
        if (::mkdtemp(Pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        FPath = Pattern;
    }
    ~TTemporaryFolder() {
        std::error_code Ignored;
        std::filesystem::remove_all(FPath, Ignored);
    }
    TTemporaryFolder(const TTemporaryFolder &) = delete;
    TTemporaryFolder &operator=(const TTemporaryFolder &) = delete;

    std::string File(const std::string &AName) const { return (FPath / AName).string(); }
    const std::filesystem::path &Path() const { return FPath; }

    // The names of everything in the folder, sorted, separated by blanks.
    std::string Listing() const {
        std::set<std::string> Sorted;
        for (const auto &Entry : std::filesystem::directory_iterator(FPath))
            Sorted.insert(Entry.path().filename().string());
        std::string Names;
        for (const std::string &Name : Sorted)
            Names += (Names.empty() ? "" : " ") + Name;
        return Names;
    }

private:
    std::filesystem::path FPath;
};

inline void WriteBytes(const std::string &AFileName, const std::string &AContent) {
    std::ofstream(AFileName, std::ios::binary) << AContent;
}

inline std::string ReadBytes(const std::string &AFileName) {
    std::ifstream File(AFileName, std::ios::binary);
    std::ostringstream Content;
    Content << File.rdbuf();
    return Content.str();
}
