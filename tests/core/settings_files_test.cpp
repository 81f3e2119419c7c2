#include "core/settings_files.h"

#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <functional>

namespace {

TEST(SettingsFileNames, CalibrationFileReplacesTheLastThreeCharacters) {
    const std::pair<std::string, std::string> Cases[] = {
        {"C:\\pcb\\board.bmp", "C:\\pcb\\board.ini"},
        {"C:\\pcb\\Board.BMP", "C:\\pcb\\Board.ini"},
        {"C:\\pcb\\board.jpeg", "C:\\pcb\\board.jini"},
        {"C:\\pcb\\a.bm", "C:\\pcb\\aini"},
        {"/home/ann/PCB/Board.BMP", "/home/ann/PCB/Board.ini"},
        {"/home/ann/pcb/board", "/home/ann/pcb/boini"},
        {"abcd", "aini"},
        {"abc", "ini"},
        {"a", "ini"},
        {"", "ini"},
    };
    for (const auto &[BitmapPath, FileName] : Cases)
        EXPECT_EQ(CalibrationFileName(BitmapPath), FileName) << BitmapPath;
}

TEST(SettingsFileNames, ProgramSettingsLieInTheProgramsFolder) {
    const std::pair<std::string, std::string> Cases[] = {
        {"/usr/bin/tavrel", "/usr/bin/Tavrel.ini"},
        {"/opt/tools/Other.Name", "/opt/tools/Tavrel.ini"},
        {"/tavrel", "/Tavrel.ini"},
        {"tavrel", "Tavrel.ini"},
        {"C:\\Tools\\Tavrel.exe", "Tavrel.ini"}, // a backslash is no folder separator here
    };
    for (const auto &[ExePath, FileName] : Cases)
        EXPECT_EQ(ProgramSettingsFileName(ExePath), FileName) << ExePath;
}

struct TStoredCase {
    std::string Name, Content;
    std::int32_t X1, X2, ButtonMils;
};

class ReadCalibrationFile : public testing::TestWithParam<TStoredCase> {};

TEST_P(ReadCalibrationFile, ConvertsOrDefaultsEachKey) {
    const TTemporaryFolder Folder;
    WriteBytes(Folder.File("board.ini"), GetParam().Content);
    const TStoredCalibration Stored = ReadCalibration(Folder.File("board.bmp"));
    EXPECT_EQ(Stored.X1, GetParam().X1);
    EXPECT_EQ(Stored.X2, GetParam().X2);
    EXPECT_EQ(Stored.ButtonMils, GetParam().ButtonMils);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadCalibrationFile,
    testing::Values(
        TStoredCase{"Complete", "[settings]\r\nx1=412\r\nx2=1612\r\nbuttonmils=300\r\n", 412, 1612,
                    300},
        TStoredCase{"OtherCase", "[Settings]\r\nX1 = 412\r\n", 412, 0, 0},
        TStoredCase{"Hexadecimal", "[settings]\r\nx1=0x1F\r\nx2=$10\r\n", 31, 16, 0},
        TStoredCase{"StrayCharacters", "[settings]\r\nx1=412abc\r\nbuttonmils=300\r\n", 0, 0, 300},
        TStoredCase{"EmptyValue", "[settings]\r\nx1=\r\nx2=5\r\n", 0, 5, 0},
        TStoredCase{"BeyondInt32", "[settings]\r\nx1=2147483648\r\nx2=-2147483648\r\n", 0,
                    -2147483648, 0},
        TStoredCase{"Negative", "[settings]\r\nx1=-1\r\nbuttonmils=-300\r\n", -1, 0, -300},
        TStoredCase{"Quoted", "[settings]\r\nx1=\"412\"\r\n", 412, 0, 0},
        TStoredCase{"WrongSection", "[calibration]\r\nx1=412\r\n", 0, 0, 0}),
    [](const testing::TestParamInfo<TStoredCase> &AInfo) { return AInfo.param.Name; });

TEST(ReadCalibration, MissingFileReadsZerosAndCreatesNothing) {
    const TTemporaryFolder Folder;
    const TStoredCalibration Stored = ReadCalibration(Folder.File("board.bmp"));
    EXPECT_EQ(Stored.X1, 0);
    EXPECT_EQ(Stored.X2, 0);
    EXPECT_EQ(Stored.ButtonMils, 0);
    EXPECT_EQ(Folder.Listing(), "");
}

TEST(ReadPrinterDpi, ConvertsOrDefaultsTo600) {
    const std::pair<std::string, std::int32_t> Cases[] = {
        {"[settings]\r\nPrinterDPI=1200\r\n", 1200},
        {"[settings]\r\nprinterdpi=300\r\n", 300},
        {"[settings]\r\nPrinterDPI=0\r\n", 0},
        {"[settings]\r\nPrinterDPI=abc\r\n", 600},
        {"[settings]\r\nPrinterDPI=\r\n", 600},
        {"[settings]\r\nOther=1\r\n", 600},
        {"[settings]\r\nPrinterDPI=-5\r\n", -5},
        {"[settings]\r\nPrinterDPI=$258\r\n", 600},
        {"", 600},
    };
    const TTemporaryFolder Folder;
    const std::string FileName = Folder.File("Tavrel.ini");
    EXPECT_EQ(ReadPrinterDpi(FileName), 600);
    for (const auto &[Content, Dpi] : Cases) {
        WriteBytes(FileName, Content);
        EXPECT_EQ(ReadPrinterDpi(FileName), Dpi) << Content;
    }
}

TEST(WriteCalibration, CreatesTheFileWithItsFourLines) {
    const TTemporaryFolder Folder;
    WriteCalibration(Folder.File("board.bmp"), 412, 1612, 300);
    EXPECT_EQ(ReadBytes(Folder.File("board.ini")),
              "[settings]\r\nx1=412\r\nx2=1612\r\nbuttonmils=300\r\n");
    EXPECT_EQ(Folder.Listing(), "board.ini");
}

TEST(WriteCalibration, ChangesOnlyItsThreeValues) {
    const TTemporaryFolder Folder;
    WriteBytes(Folder.File("Board.ini"), "; written by hand\r\n"
                                         "[layers]\r\ntop=1\r\n\r\n"
                                         "[Settings]\r\nnote=\xe4\xf6\xfc\r\nX1 = 5\r\n"
                                         "buttonmils=100\r\n; end\r\n\r\n"
                                         "[print]\r\nx2=keep\r\n");
    WriteCalibration(Folder.File("Board.BMP"), -1, 2147483647, -300);
    EXPECT_EQ(ReadBytes(Folder.File("Board.ini")), "; written by hand\r\n"
                                                   "[layers]\r\ntop=1\r\n\r\n"
                                                   "[Settings]\r\nnote=\xe4\xf6\xfc\r\nX1=-1\r\n"
                                                   "buttonmils=-300\r\nx2=2147483647\r\n; end\r\n"
                                                   "\r\n[print]\r\nx2=keep\r\n");
    const TStoredCalibration Stored = ReadCalibration(Folder.File("Board.BMP"));
    EXPECT_EQ(Stored.X1, -1);
    EXPECT_EQ(Stored.X2, 2147483647);
    EXPECT_EQ(Stored.ButtonMils, -300);
}

TEST(WritePrinterDpi, EachKeyReleaseRewritesTheOneValue) {
    const TTemporaryFolder Folder;
    const std::string FileName = Folder.File("Tavrel.ini");
    WritePrinterDpi(FileName, 600);
    EXPECT_EQ(ReadBytes(FileName), "[settings]\r\nPrinterDPI=600\r\n");
    for (const std::int32_t Dpi : {1, 12, 120, 1200})
        WritePrinterDpi(FileName, Dpi);
    EXPECT_EQ(ReadBytes(FileName), "[settings]\r\nPrinterDPI=1200\r\n");
    EXPECT_EQ(ReadPrinterDpi(FileName), 1200);
}

// Sets an environment variable for the life of the object.
class TEnvironment {
public:
    TEnvironment(const char *AName, const std::string &AValue) : FName(AName) {
        if (const char *Old = std::getenv(AName))
            FOld = Old;
        ::setenv(AName, AValue.c_str(), 1);
    }
    ~TEnvironment() {
        if (FOld)
            ::setenv(FName, FOld->c_str(), 1);
        else
            ::unsetenv(FName);
    }

private:
    const char *FName;
    std::optional<std::string> FOld;
};

// A folder in which nothing can be created, even by root: the immutable attribute.
class TImmutableFolder {
public:
    explicit TImmutableFolder(const std::string &APath) : FPath(APath) { FSet = SetImmutable(true); }
    ~TImmutableFolder() {
        if (FSet)
            SetImmutable(false);
    }
    bool Set() const { return FSet; }

private:
    bool SetImmutable(bool AOn) {
        const int Descriptor = ::open(FPath.c_str(), O_RDONLY | O_DIRECTORY);
        if (Descriptor < 0)
            return false;
        int Flags = 0;
        bool Done = ::ioctl(Descriptor, FS_IOC_GETFLAGS, &Flags) == 0;
        Flags = AOn ? Flags | FS_IMMUTABLE_FL : Flags & ~FS_IMMUTABLE_FL;
        Done = Done && ::ioctl(Descriptor, FS_IOC_SETFLAGS, &Flags) == 0;
        ::close(Descriptor);
        return Done;
    }

    std::string FPath;
    bool FSet = false;
};

void ExpectUnableToWrite(const std::function<void()> &AWrite, const std::string &AFileName) {
    try {
        AWrite();
        ADD_FAILURE() << "write to " << AFileName << " succeeded";
    } catch (const EWriteError &Error) {
        EXPECT_STREQ(Error.what(), ("Unable to write to " + AFileName).c_str());
    }
}

TEST(FailedWrites, NameTheFileAndLeaveTheFolderAsItWas) {
    const TTemporaryFolder Folder;
    ExpectUnableToWrite([&] { WriteCalibration(Folder.File("gone/board.bmp"), 1, 2, 3); },
                        Folder.File("gone/board.ini"));
    // A program folder that cannot be written sends the write to the per-user copy, here
    // under a plain file where no folder can be made.
    WriteBytes(Folder.File("plain"), "");
    const TEnvironment ConfigHome("XDG_CONFIG_HOME", Folder.File("plain/config"));
    ExpectUnableToWrite([&] { WritePrinterDpi(Folder.File("gone/Tavrel.ini"), 700); },
                        Folder.File("plain/config/Tavrel/Tavrel.ini"));

    std::filesystem::create_directory(Folder.File("board.ini"));
    ExpectUnableToWrite([&] { WriteCalibration(Folder.File("board.bmp"), 1, 2, 3); },
                        Folder.File("board.ini"));
    std::filesystem::create_directory(Folder.File("Tavrel.ini"));
    ExpectUnableToWrite([&] { WritePrinterDpi(Folder.File("Tavrel.ini"), 700); },
                        Folder.File("Tavrel.ini"));
    EXPECT_EQ(Folder.Listing(), "Tavrel.ini board.ini plain");
    EXPECT_TRUE(std::filesystem::is_empty(Folder.File("board.ini")));
}

TEST(DeleteCalibration, RemovesTheFileAndPassesSilentlyOtherwise) {
    const TTemporaryFolder Folder;
    WriteBytes(Folder.File("board.ini"), "[settings]\r\nx1=1\r\n");
    WriteBytes(Folder.File("board.bmp"), "BM");
    DeleteCalibration(Folder.File("board.bmp"));
    EXPECT_EQ(Folder.Listing(), "board.bmp");
    DeleteCalibration(Folder.File("board.bmp"));
    DeleteCalibration(Folder.File("gone/board.bmp"));
    std::filesystem::create_directory(Folder.File("dir.ini"));
    DeleteCalibration(Folder.File("dir.bmp"));
    EXPECT_EQ(Folder.Listing(), "board.bmp dir.ini");
}

// With no bitmap chosen yet the name is "ini" alone: it lives in the program's folder and a
// file of that name in the current folder is never read, written or deleted.
TEST(EmptyBitmapPath, UsesTheProgramsFolderNeverTheCurrentOne) {
    const TTemporaryFolder Folder;
    const std::string ProgramIni =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "ini").string();
    std::filesystem::remove(ProgramIni);
    const std::string CurrentIni = "[settings]\r\nx1=5\r\nx2=6\r\nbuttonmils=7\r\n";
    WriteBytes(Folder.File("ini"), CurrentIni);
    const auto SavedFolder = std::filesystem::current_path();
    std::filesystem::current_path(Folder.Path());

    const TStoredCalibration Before = ReadCalibration("");
    EXPECT_EQ(Before.X1, 0);
    EXPECT_EQ(Before.X2, 0);
    EXPECT_EQ(Before.ButtonMils, 0);
    EXPECT_FALSE(std::filesystem::exists(ProgramIni));

    WriteCalibration("", 1, 2, 3);
    const TStoredCalibration After = ReadCalibration("");
    EXPECT_EQ(After.X1, 1);
    EXPECT_EQ(After.X2, 2);
    EXPECT_EQ(After.ButtonMils, 3);

    DeleteCalibration("");
    EXPECT_TRUE(std::filesystem::exists(ProgramIni));
    EXPECT_EQ(ReadBytes(Folder.File("ini")), CurrentIni);

    std::filesystem::current_path(SavedFolder);
    std::filesystem::remove(ProgramIni);
}

// An installed program cannot write beside itself: the printer resolution then lives in a
// per-user copy, read back at the next start; the file beside the program is the default
// until that copy exists, and calibration files are never redirected.
TEST(PerUserProgramSettings, TakeOverWhileTheProgramFolderCannotBeWritten) {
    const TTemporaryFolder Folder;
    const TEnvironment ConfigHome("XDG_CONFIG_HOME", Folder.File("config"));
    const std::string PerUser = Folder.File("config/Tavrel/Tavrel.ini");
    std::filesystem::create_directory(Folder.File("program"));
    const std::string Beside = Folder.File("program/Tavrel.ini");
    WriteBytes(Beside, "[settings]\r\nPrinterDPI=1200\r\n");
    WriteBytes(Folder.File("program/board.bmp"), "BM");

    const TImmutableFolder Program(Folder.File("program"));
    if (!Program.Set())
        GTEST_SKIP() << "this file system cannot make a folder immutable";
    EXPECT_EQ(ReadPrinterDpi(Beside), 1200) << "the administrator's default";
    WritePrinterDpi(Beside, 800);
    EXPECT_EQ(ReadBytes(PerUser), "[settings]\r\nPrinterDPI=800\r\n");
    EXPECT_EQ(ReadPrinterDpi(Beside), 800);
    EXPECT_EQ(ReadBytes(Beside), "[settings]\r\nPrinterDPI=1200\r\n");

    ExpectUnableToWrite([&] { WriteCalibration(Folder.File("program/board.bmp"), 1, 2, 3); },
                        Folder.File("program/board.ini"));
}

TEST(PerUserProgramSettings, ServeAMissingProgramFolder) {
    const TTemporaryFolder Folder;
    const TEnvironment ConfigHome("XDG_CONFIG_HOME", Folder.File("config"));
    const std::string Beside = Folder.File("gone/Tavrel.ini");
    EXPECT_EQ(ReadPrinterDpi(Beside), 600);
    WritePrinterDpi(Beside, 700);
    EXPECT_EQ(ReadBytes(Folder.File("config/Tavrel/Tavrel.ini")), "[settings]\r\nPrinterDPI=700\r\n");
    EXPECT_EQ(ReadPrinterDpi(Beside), 700);
}

TEST(PerUserProgramSettings, AreIgnoredWhileTheProgramFolderCanBeWritten) {
    const TTemporaryFolder Folder;
    const TEnvironment ConfigHome("XDG_CONFIG_HOME", Folder.File("config"));
    std::filesystem::create_directories(Folder.File("config/Tavrel"));
    WriteBytes(Folder.File("config/Tavrel/Tavrel.ini"), "[settings]\r\nPrinterDPI=900\r\n");
    const std::string Beside = Folder.File("Tavrel.ini");
    WriteBytes(Beside, "[settings]\r\nPrinterDPI=700\r\n");
    EXPECT_EQ(ReadPrinterDpi(Beside), 700);
    WritePrinterDpi(Beside, 300);
    EXPECT_EQ(ReadBytes(Beside), "[settings]\r\nPrinterDPI=300\r\n");
    EXPECT_EQ(ReadBytes(Folder.File("config/Tavrel/Tavrel.ini")), "[settings]\r\nPrinterDPI=900\r\n");
}

} // namespace
