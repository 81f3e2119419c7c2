#include "core/ini_file.h"

#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

struct TReadCase {
    std::string Name, Content, Section, Key, Value;
};

class IniRead : public testing::TestWithParam<TReadCase> {};

TEST_P(IniRead, FollowsTheReadingRules) {
    const TTemporaryFolder Folder;
    const std::string FileName = Folder.File("a.ini");
    WriteBytes(FileName, GetParam().Content);
    EXPECT_EQ(ReadIniString(FileName, GetParam().Section, GetParam().Key), GetParam().Value);
    EXPECT_EQ(ReadBytes(FileName), GetParam().Content);
}

const std::string Long(3000, '7');

INSTANTIATE_TEST_SUITE_P(
    Files, IniRead,
    testing::Values(
        TReadCase{"Plain", "[settings]\r\nx1=412\r\n", "settings", "x1", "412"},
        TReadCase{"OtherCaseAndBlanks", "[Settings]\r\nX1 = 412\r\n", "settings", "x1", "412"},
        TReadCase{"TabsAroundValue", "[SETTINGS]\r\nx1=\t 412 \t\r\n", "settings", "x1", "412"},
        TReadCase{"LineFeedsOnly", "[settings]\nx1=412\nx2=9\n", "settings", "x2", "9"},
        TReadCase{"NoFinalLineEnd", "  [ settings ]\r\nx1=412", "settings", "x1", "412"},
        TReadCase{"DoubleQuotes", "[settings]\r\nx1=\"412\"\r\n", "settings", "x1", "412"},
        TReadCase{"SingleQuotes", "[settings]\r\nx1=' a b '\r\n", "settings", "x1", " a b "},
        TReadCase{"UnmatchedQuotes", "[settings]\r\nx1=\"412'\r\n", "settings", "x1", "\"412'"},
        TReadCase{"LoneQuote", "[settings]\r\nx1=\"\r\n", "settings", "x1", "\""},
        TReadCase{"OnlyOnePairRemoved", "[settings]\r\nx1=\"\"5\"\"\r\n", "settings", "x1",
                  "\"5\""},
        TReadCase{"EmptyValue", "[settings]\r\nx1=\r\n", "settings", "x1", ""},
        TReadCase{"EqualsInValue", "[settings]\r\nx1=a=b\r\n", "settings", "x1", "a=b"},
        TReadCase{"MissingKey", "[settings]\r\nx2=1\r\n", "settings", "x1", ""},
        TReadCase{"MissingSection", "[other]\r\nx1=5\r\n", "settings", "x1", ""},
        TReadCase{"KeyBeforeAnySection", "x1=5\r\n[settings]\r\n", "settings", "x1", ""},
        TReadCase{"KeyOfAnotherSection", "[other]\r\nx1=1\r\n[settings]\r\nx1=2\r\n", "settings",
                  "x1", "2"},
        TReadCase{"FirstKeyWins", "[settings]\r\nx1=1\r\nX1=2\r\n", "settings", "x1", "1"},
        TReadCase{"RepeatedSection", "[settings]\r\nx2=1\r\n[b]\r\n[settings]\r\nx1=7\r\n",
                  "settings", "x1", "7"},
        TReadCase{"CommentIsNoKey", "[settings]\r\n;x1=5\r\n x1=6\r\n", "settings", "x1", "6"},
        TReadCase{"BytesOutsideAscii", "[\xe4\xf6]\r\n\xc4x=\xff\xfe\r\n", "\xe4\xf6", "\xc4x",
                  "\xff\xfe"},
        TReadCase{"CaseFoldingIsAsciiOnly", "[settings]\r\n\xc4x=1\r\n", "settings", "\xe4x", ""},
        TReadCase{"LongValueIsCut", "[settings]\r\nx1=" + Long + "\r\n", "settings", "x1",
                  Long.substr(0, 2047)},
        TReadCase{"LongQuotedValueIsCut", "[settings]\r\nx1=\"" + Long + "\"\r\n", "settings", "x1",
                  Long.substr(0, 2047)}),
    [](const testing::TestParamInfo<TReadCase> &AInfo) { return AInfo.param.Name; });

TEST(IniRead, MissingFileOrFolderReadsEmptyAndCreatesNothing) {
    const TTemporaryFolder Folder;
    EXPECT_EQ(ReadIniString(Folder.File("none.ini"), "settings", "x1"), "");
    EXPECT_EQ(ReadIniString(Folder.File("no/none.ini"), "settings", "x1"), "");
    std::filesystem::create_directory(Folder.File("folder.ini"));
    EXPECT_EQ(ReadIniString(Folder.File("folder.ini"), "settings", "x1"), "");
    EXPECT_EQ(Folder.Listing(), "folder.ini");
}

TEST(IniRead, SeesEveryChangeOfTheFile) {
    const TTemporaryFolder Folder;
    const std::string FileName = Folder.File("a.ini");
    WriteBytes(FileName, "[settings]\r\nx1=1\r\n");
    EXPECT_EQ(ReadIniString(FileName, "settings", "x1"), "1");
    WriteBytes(FileName, "[settings]\r\nx1=2\r\n");
    EXPECT_EQ(ReadIniString(FileName, "settings", "x1"), "2");
}

struct TWriteCase {
    std::string Name, Before, Key, Value, After;
};

class IniWrite : public testing::TestWithParam<TWriteCase> {};

TEST_P(IniWrite, ChangesOnlyTheKeyLine) {
    const TTemporaryFolder Folder;
    const std::string FileName = Folder.File("a.ini");
    WriteBytes(FileName, GetParam().Before);
    WriteIniString(FileName, "settings", GetParam().Key, GetParam().Value);
    EXPECT_EQ(ReadBytes(FileName), GetParam().After);
    EXPECT_EQ(ReadIniString(FileName, "settings", GetParam().Key), GetParam().Value);
    EXPECT_EQ(Folder.Listing(), "a.ini");
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniWrite,
    testing::Values(
        TWriteCase{"EmptyFile", "", "x1", "412", "[settings]\r\nx1=412\r\n"},
        TWriteCase{"ReplaceValue", "[settings]\r\nx1=1\r\nx2=2\r\n", "x1", "412",
                   "[settings]\r\nx1=412\r\nx2=2\r\n"},
        TWriteCase{"ReplaceKeepsTheFilesSpelling", "[Settings]\r\n  X1 = 1\r\n", "x1", "-1",
                   "[Settings]\r\nX1=-1\r\n"},
        TWriteCase{"ReplaceKeepsTheLineEnd", "[settings]\nx1=1\nx2=2", "x2", "5",
                   "[settings]\nx1=1\nx2=5"},
        TWriteCase{"AddAfterTheLastKeyOfTheSection",
                   "[settings]\r\nx2=2\r\n; about b\r\n\r\n[b]\r\nx1=b\r\n", "x1", "412",
                   "[settings]\r\nx2=2\r\nx1=412\r\n; about b\r\n\r\n[b]\r\nx1=b\r\n"},
        TWriteCase{"AddAfterTheHeader", "[settings]\r\n;x1=5\r\n", "x1", "412",
                   "[settings]\r\nx1=412\r\n;x1=5\r\n"},
        TWriteCase{"AddToHeaderWithoutLineEnd", "[settings]", "x1", "412",
                   "[settings]\r\nx1=412\r\n"},
        TWriteCase{"AddToTheFirstOfRepeatedSections",
                   "[settings]\r\nx2=2\r\n[settings]\r\nx3=3\r\n", "x1", "412",
                   "[settings]\r\nx2=2\r\nx1=412\r\n[settings]\r\nx3=3\r\n"},
        TWriteCase{"ReplaceInALaterRepeatedSection", "[settings]\r\nx2=2\r\n[settings]\r\nx1=3\r\n",
                   "x1", "412", "[settings]\r\nx2=2\r\n[settings]\r\nx1=412\r\n"},
        TWriteCase{"AddSectionAtTheEnd", "; top\r\n[other]\r\na=b", "x1", "412",
                   "; top\r\n[other]\r\na=b\r\n[settings]\r\nx1=412\r\n"},
        TWriteCase{"ForeignBytesKept",
                   "\xef\xbb\xbf; \xe4\r\n[\xe4\xf6]\r\nk=\xff\xfe\r\n[settings]\r\nx1=1\r\n"
                   "\xe9=\x80\r\n",
                   "x1", "7",
                   "\xef\xbb\xbf; \xe4\r\n[\xe4\xf6]\r\nk=\xff\xfe\r\n[settings]\r\nx1=7\r\n"
                   "\xe9=\x80\r\n"}),
    [](const testing::TestParamInfo<TWriteCase> &AInfo) { return AInfo.param.Name; });

TEST(IniWrite, CreatesAMissingFile) {
    const TTemporaryFolder Folder;
    const std::string FileName = Folder.File("new.ini");
    WriteIniString(FileName, "settings", "PrinterDPI", "600");
    EXPECT_EQ(ReadBytes(FileName), "[settings]\r\nPrinterDPI=600\r\n");
}

TEST(IniWrite, KeepsThePermissionsOfTheFile) {
    const TTemporaryFolder Folder;
    const std::string FileName = Folder.File("a.ini");
    WriteBytes(FileName, "[settings]\r\n");
    std::filesystem::permissions(FileName, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::owner_write |
                                               std::filesystem::perms::group_read);
    WriteIniString(FileName, "settings", "x1", "1");
    EXPECT_EQ(std::filesystem::status(FileName).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST(IniWrite, WritesThroughASymbolicLink) {
    const TTemporaryFolder Folder;
    WriteBytes(Folder.File("real.ini"), "[settings]\r\nx1=1\r\n");
    std::filesystem::create_symlink("real.ini", Folder.File("link.ini"));
    WriteIniString(Folder.File("link.ini"), "settings", "x1", "2");
    EXPECT_TRUE(std::filesystem::is_symlink(Folder.File("link.ini")));
    EXPECT_EQ(ReadBytes(Folder.File("real.ini")), "[settings]\r\nx1=2\r\n");
}

void ExpectWriteFails(const std::string &AFileName) {
    try {
        WriteIniString(AFileName, "settings", "x1", "412");
        ADD_FAILURE() << "write to " << AFileName << " succeeded";
    } catch (const EWriteError &Error) {
        EXPECT_STREQ(Error.what(), ("Unable to write to " + AFileName).c_str());
    }
}

TEST(IniWrite, FailsInAMissingFolder) {
    const TTemporaryFolder Folder;
    ExpectWriteFails(Folder.File("missing/a.ini"));
    EXPECT_EQ(Folder.Listing(), "");
}

TEST(IniWrite, FailsBelowAFile) {
    const TTemporaryFolder Folder;
    WriteBytes(Folder.File("plain"), "x");
    ExpectWriteFails(Folder.File("plain/a.ini"));
    EXPECT_EQ(Folder.Listing(), "plain");
}

TEST(IniWrite, FailsOnAFolderAndLeavesIt) {
    const TTemporaryFolder Folder;
    std::filesystem::create_directory(Folder.File("a.ini"));
    WriteBytes(Folder.File("a.ini/inside"), "kept");
    ExpectWriteFails(Folder.File("a.ini"));
    EXPECT_TRUE(std::filesystem::is_directory(Folder.File("a.ini")));
    EXPECT_EQ(ReadBytes(Folder.File("a.ini/inside")), "kept");
    EXPECT_EQ(Folder.Listing(), "a.ini");
}

// A file size limit makes the write of the new content fail halfway, also for root, the way a
// full disk would.
TEST(IniWrite, FailureHalfwayLeavesTheOldFileWhole) {
    const TTemporaryFolder Folder;
    const std::string FileName = Folder.File("a.ini");
    const std::string Old =
        "; keep\r\n[settings]\r\nx1=1\r\n[b]\r\nc=" + std::string(8192, 'c') + "\r\n";
    WriteBytes(FileName, Old);

    rlimit Saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &Saved), 0);
    rlimit Small = Saved;
    Small.rlim_cur = 4096;
    const auto SavedSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &Small), 0);
    ExpectWriteFails(FileName);
    ::setrlimit(RLIMIT_FSIZE, &Saved);
    std::signal(SIGXFSZ, SavedSignal);

    EXPECT_EQ(ReadBytes(FileName), Old);
    EXPECT_EQ(Folder.Listing(), "a.ini");
}

} // namespace
