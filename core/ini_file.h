#pragma once

#include <stdexcept>
#include <string>

// A settings file could not be updated; the file is left as it was.
class EWriteError : public std::runtime_error {
public:
    explicit EWriteError(const std::string &AFileName)
        : std::runtime_error("Unable to write to " + AFileName) {}
};

// INI files with the private-profile rules: one "[section]" header per section, "key=value"
// lines, ";" comment lines, CRLF line ends. Section and key names are compared without regard
// to ASCII letter case. Every call opens the file anew; nothing is cached.

// The value of the key with blanks around it and one pair of matching quotes removed, cut at
// 2047 bytes; the empty text when the file, the section or the key is missing. Never fails and
// never creates a file.
std::string ReadIniString(const std::string &AFileName, const std::string &ASection,
                          const std::string &AKey);

// Replaces the key's value on its line, or adds the key at the end of its section, or the
// section at the end of the file, or creates the file; every other line keeps its bytes and
// its place. The new file replaces the old one only once it is completely on disk, so a
// failure leaves the old file as it was and throws EWriteError naming AFileName.
void WriteIniString(const std::string &AFileName, const std::string &ASection,
                    const std::string &AKey, const std::string &AValue);
