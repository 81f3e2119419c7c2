#include "core/calibration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();

std::string NotAnIntegerMessage(const std::string &AText) {
    return "'" + AText + "' is not a valid integer value";
}

struct TValidText {
    std::string Text;
    std::int32_t Value;
};

class ParseIntegerTextValid : public testing::TestWithParam<TValidText> {};

TEST_P(ParseIntegerTextValid, GivesItsValue) {
    EXPECT_EQ(ParseIntegerText(GetParam().Text), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntegerTextValid,
    testing::Values(TValidText{"0", 0}, TValidText{"600", 600}, TValidText{"   42", 42},
                    TValidText{"+7", 7}, TValidText{"-7", -7}, TValidText{"  -0", 0},
                    TValidText{"007", 7}, TValidText{"2147483647", Int32Max},
                    TValidText{"-2147483648", Int32Min},
                    TValidText{"-000000000002147483648", Int32Min}, TValidText{"$258", 600},
                    TValidText{"x1F", 31}, TValidText{"X1f", 31}, TValidText{"0x1F", 31},
                    TValidText{"0XaB", 171}, TValidText{"-$10", -16}, TValidText{"  +0x10", 16},
                    TValidText{"$7FFFFFFF", Int32Max}, TValidText{"$FFFFFFFF", -1},
                    TValidText{"$80000000", Int32Min}, TValidText{"-$80000000", Int32Min},
                    TValidText{"-$FFFFFFFF", 1}, TValidText{"$0000000000000012345678", 0x12345678},
                    TValidText{"x0", 0}));

class ParseIntegerTextInvalid : public testing::TestWithParam<std::string> {};

TEST_P(ParseIntegerTextInvalid, FailsNamingTheWholeText) {
    try {
        ParseIntegerText(GetParam());
        FAIL() << "accepted '" << GetParam() << "'";
    } catch (const EConvertError &Error) {
        EXPECT_EQ(Error.what(), NotAnIntegerMessage(GetParam()));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseIntegerTextInvalid,
                         testing::Values("", " ", "   ", "+", "-", "$", "x", "X", "0x", "0X", "-$",
                                         " +0x", "12 ", "12a", "\t12", "1 2", "- 1", "--1", "+-1",
                                         "1.0", "1e3", "1,000", "00x1F", "0x-1", "$G", "$12345678 ",
                                         "$123456789", "0x100000000", "2147483648", "-2147483649",
                                         "+2147483648", "99999999999999999999999", "412abc",
                                         "\xef\xbc\x91"));

TEST(ReferenceFromCaption, RemovesEveryAmpersandBeforeParsing) {
    EXPECT_EQ(ReferenceFromCaption("1&200"), 1200);
    EXPECT_EQ(ReferenceFromCaption("&500"), 500);
    EXPECT_EQ(ReferenceFromCaption("2&0&0&0&"), 2000);
    EXPECT_EQ(ReferenceFromCaption("&&1&&"), 1);
}

TEST(ReferenceFromCaption, FailsWithTheMessageOfTheTextLeft) {
    for (const std::string Caption : {"&", "&&", "1&2 ", "&other"}) {
        std::string Left = Caption;
        std::erase(Left, '&');
        try {
            ReferenceFromCaption(Caption);
            ADD_FAILURE() << "accepted " << Caption;
        } catch (const EConvertError &Error) {
            EXPECT_EQ(Error.what(), NotAnIntegerMessage(Left));
        }
    }
}

TEST(Calibration, StartValues) {
    const TCalibration Calibration;
    EXPECT_EQ(Calibration.FX1, 0);
    EXPECT_EQ(Calibration.FX2, 0);
    EXPECT_EQ(Calibration.FBitmapDpi, 0);
    EXPECT_EQ(Calibration.FPrinterDpi, 0);
    EXPECT_EQ(Calibration.FButtonMils, 100);
    EXPECT_EQ(Calibration.StatusText, "");
}

struct TMarkCase {
    std::int32_t X1, X2, Column;
    TMarkStep Step;
    std::int32_t NewX1, NewX2;
    std::string Status;
};

class MarkColumnTable : public testing::TestWithParam<TMarkCase> {};

TEST_P(MarkColumnTable, FollowsTheMarkState) {
    const TMarkCase &Case = GetParam();
    TCalibration Calibration;
    Calibration.FX1 = Case.X1;
    Calibration.FX2 = Case.X2;
    Calibration.FBitmapDpi = 77;
    Calibration.FButtonMils = 300;
    Calibration.StatusText = "before";
    EXPECT_EQ(Calibration.MarkColumn(Case.Column), Case.Step);
    EXPECT_EQ(Calibration.FX1, Case.NewX1);
    EXPECT_EQ(Calibration.FX2, Case.NewX2);
    EXPECT_EQ(Calibration.StatusText, Case.Status);
    EXPECT_EQ(Calibration.FBitmapDpi, 77);
    EXPECT_EQ(Calibration.FButtonMils, 300);
}

INSTANTIATE_TEST_SUITE_P(
    States, MarkColumnTable,
    testing::Values(TMarkCase{0, 0, 100, msFirst, 100, 0, "X1 = 100 , mark x2"},
                    TMarkCase{0, 0, 0, msFirst, 0, 0, "X1 = 0 , mark x2"},
                    TMarkCase{0, 0, -12, msFirst, -12, 0, "X1 = -12 , mark x2"},
                    TMarkCase{0, 400, 250, msFirst, 250, 400, "X1 = 250 , mark x2"},
                    TMarkCase{100, 0, 400, msSecond, 100, 400, "before"},
                    TMarkCase{100, 0, 0, msSecond, 100, 0, "before"},
                    TMarkCase{-5, 0, 7, msSecond, -5, 7, "before"},
                    TMarkCase{100, 400, 500, msNone, 100, 400, "before"},
                    TMarkCase{-1, -1, 3, msNone, -1, -1, "before"}));

TEST(Calibration, ClickAtColumnZeroLeavesTheFirstMarkToBeSet) {
    TCalibration Calibration;
    EXPECT_EQ(Calibration.MarkColumn(0), msFirst);
    EXPECT_EQ(Calibration.MarkColumn(0), msFirst);
    EXPECT_EQ(Calibration.MarkColumn(5), msFirst);
    EXPECT_EQ(Calibration.MarkColumn(9), msSecond);
    EXPECT_EQ(Calibration.MarkColumn(11), msNone);
}

TEST(Calibration, SecondMarkAtColumnZeroRecomputesAndStaysUnset) {
    TCalibration Calibration;
    Calibration.ChooseReference(100);
    Calibration.MarkColumn(40);
    ASSERT_EQ(Calibration.MarkColumn(0), msSecond);
    Calibration.Recompute();
    EXPECT_EQ(Calibration.FBitmapDpi, -400);
    EXPECT_EQ(Calibration.MarkColumn(70), msSecond);
}

TEST(Calibration, FullCalibrationGivesTheStatusLine) {
    TCalibration Calibration;
    Calibration.ChooseReference(300);
    EXPECT_EQ(Calibration.StatusText, "Mark X1");
    Calibration.MarkColumn(100);
    Calibration.MarkColumn(400);
    Calibration.Recompute();
    EXPECT_EQ(Calibration.FBitmapDpi, 1000);
    EXPECT_EQ(Calibration.StatusText, "X1 = 100 , X2 = 400 , 300 mils = 300 points ,  dpi = 1000");

    Calibration.NudgeX2(+1);
    Calibration.Recompute();
    EXPECT_EQ(Calibration.FBitmapDpi, 1003);
    EXPECT_EQ(Calibration.StatusText, "X1 = 100 , X2 = 401 , 300 mils = 301 points ,  dpi = 1003");
}

TEST(Calibration, MarksInReverseOrderGiveNegativeResolution) {
    TCalibration Calibration;
    Calibration.ChooseReference(300);
    Calibration.MarkColumn(400);
    Calibration.MarkColumn(100);
    Calibration.Recompute();
    EXPECT_EQ(Calibration.FBitmapDpi, -1000);
    EXPECT_EQ(Calibration.StatusText,
              "X1 = 400 , X2 = 100 , 300 mils = -300 points ,  dpi = -1000");
}

TEST(Calibration, ChooseReferenceClearsMarksButKeepsTheResolution) {
    TCalibration Calibration;
    Calibration.FX1 = 100;
    Calibration.FX2 = 400;
    Calibration.FBitmapDpi = 1000;
    Calibration.FPrinterDpi = 600;
    Calibration.ChooseReference(300);
    EXPECT_EQ(Calibration.FX1, 0);
    EXPECT_EQ(Calibration.FX2, 0);
    EXPECT_EQ(Calibration.FButtonMils, 300);
    EXPECT_EQ(Calibration.FBitmapDpi, 1000);
    EXPECT_EQ(Calibration.FPrinterDpi, 600);
    EXPECT_EQ(Calibration.StatusText, "Mark X1");
}

TEST(Calibration, ClearMarksKeepsReferenceAndPrinterResolution) {
    TCalibration Calibration;
    Calibration.FX1 = 100;
    Calibration.FX2 = 400;
    Calibration.FBitmapDpi = 1000;
    Calibration.FPrinterDpi = 1200;
    Calibration.FButtonMils = 700;
    Calibration.StatusText = "X1 = 100";
    Calibration.ClearMarks();
    EXPECT_EQ(Calibration.FX1, 0);
    EXPECT_EQ(Calibration.FX2, 0);
    EXPECT_EQ(Calibration.FBitmapDpi, 0);
    EXPECT_EQ(Calibration.StatusText, "");
    EXPECT_EQ(Calibration.FButtonMils, 700);
    EXPECT_EQ(Calibration.FPrinterDpi, 1200);
}

TEST(Calibration, NudgesMoveOneMarkAndWrap) {
    TCalibration Calibration;
    Calibration.FX1 = 1;
    Calibration.FX2 = 50;
    Calibration.NudgeX1(-1);
    EXPECT_EQ(Calibration.FX1, 0);
    EXPECT_EQ(Calibration.MarkColumn(30), msFirst);
    Calibration.FX1 = 0;
    Calibration.NudgeX1(-1);
    EXPECT_EQ(Calibration.FX1, -1);
    EXPECT_EQ(Calibration.FX2, 50);

    Calibration.FX1 = Int32Min;
    Calibration.NudgeX1(-1);
    EXPECT_EQ(Calibration.FX1, Int32Max);
    Calibration.FX2 = Int32Max;
    Calibration.NudgeX2(+1);
    EXPECT_EQ(Calibration.FX2, Int32Min);
    EXPECT_EQ(Calibration.FX1, Int32Max);
}

struct TFailingRecompute {
    std::int32_t X1, X2;
    bool ZeroDivide;
};

class RecomputeWithoutReference : public testing::TestWithParam<TFailingRecompute> {};

TEST_P(RecomputeWithoutReference, FailsAndChangesNothing) {
    TCalibration Calibration;
    Calibration.FX1 = GetParam().X1;
    Calibration.FX2 = GetParam().X2;
    Calibration.FButtonMils = 0;
    Calibration.FBitmapDpi = 1234;
    Calibration.FPrinterDpi = 600;
    Calibration.StatusText = "old status";
    const std::string Expected = GetParam().ZeroDivide ? "Floating point division by zero"
                                                       : "Invalid floating point operation";
    try {
        Calibration.Recompute();
        FAIL() << "recompute with reference 0 succeeded";
    } catch (const EZeroDivide &Error) {
        EXPECT_TRUE(GetParam().ZeroDivide);
        EXPECT_EQ(Error.what(), Expected);
    } catch (const EInvalidOp &Error) {
        EXPECT_FALSE(GetParam().ZeroDivide);
        EXPECT_EQ(Error.what(), Expected);
    }
    EXPECT_EQ(Calibration.FX1, GetParam().X1);
    EXPECT_EQ(Calibration.FX2, GetParam().X2);
    EXPECT_EQ(Calibration.FBitmapDpi, 1234);
    EXPECT_EQ(Calibration.FButtonMils, 0);
    EXPECT_EQ(Calibration.FPrinterDpi, 600);
    EXPECT_EQ(Calibration.StatusText, "old status");
}

// 536870912 (2^29) points times 1000 wrap to exactly 0.
INSTANTIATE_TEST_SUITE_P(
    Marks, RecomputeWithoutReference,
    testing::Values(TFailingRecompute{100, 400, true}, TFailingRecompute{400, 100, true},
                    TFailingRecompute{0, 1, true}, TFailingRecompute{250, 250, false},
                    TFailingRecompute{0, 0, false}, TFailingRecompute{0, 536870912, false}));

struct TRoundingCase {
    std::int32_t X1, X2, Mils, Dpi;
};

class RecomputeRounding : public testing::TestWithParam<TRoundingCase> {};

TEST_P(RecomputeRounding, RoundsHalfToEvenAndWraps) {
    TCalibration Calibration;
    Calibration.FX1 = GetParam().X1;
    Calibration.FX2 = GetParam().X2;
    Calibration.FButtonMils = GetParam().Mils;
    Calibration.Recompute();
    EXPECT_EQ(Calibration.FBitmapDpi, GetParam().Dpi);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, RecomputeRounding,
    testing::Values(TRoundingCase{100, 400, 300, 1000}, TRoundingCase{0, 1, 300, 3},
                    TRoundingCase{0, 2, 300, 7},   // 6.67
                    TRoundingCase{0, 5, 2000, 2},  // 2.5
                    TRoundingCase{0, 7, 2000, 4},  // 3.5
                    TRoundingCase{0, 3, 2000, 2},  // 1.5
                    TRoundingCase{0, 1, 2000, 0},  // 0.5
                    TRoundingCase{1, 0, 2000, 0},  // -0.5
                    TRoundingCase{5, 0, 2000, -2}, // -2.5
                    TRoundingCase{7, 0, 2000, -4}, // -3.5
                    TRoundingCase{400, 100, 300, -1000}, TRoundingCase{100, 400, -300, -1000},
                    TRoundingCase{50, 50, 7, 0}, TRoundingCase{50, 50, -7, 0},
                    TRoundingCase{0, 1, Int32Max, 0},
                    // (2147484 x 1000) wraps to -2147483296.
                    TRoundingCase{0, 2147484, 1, -2147483296},
                    // The difference itself wraps: Int32Max - (-1) = Int32Min.
                    TRoundingCase{-1, Int32Max, 1, 0},
                    // 2^28 points x 1000 wrap to -2^31; -2^31 / -1 = 2^31 wraps to -2^31.
                    TRoundingCase{0, 268435456, -1, Int32Min},
                    TRoundingCase{0, 268435456, 1, Int32Min},
                    TRoundingCase{0, 268435456, 2, -1073741824}));

// The nearest integer of the double-precision quotient, ties to even, wrapped to 32 bits:
// an independent formulation that is exact for every pair of 32-bit inputs.
std::int32_t ReferenceDpi(std::int32_t AX1, std::int32_t AX2, std::int32_t AMils) {
    const auto Points = static_cast<std::int32_t>(static_cast<std::int64_t>(AX2) - AX1);
    const auto Product = static_cast<std::int32_t>(static_cast<std::int64_t>(Points) * 1000);
    const double Quotient = static_cast<double>(Product) / static_cast<double>(AMils);
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::int64_t>(std::nearbyint(Quotient))));
}

TEST(Recompute, AgreesWithTheDoubleQuotientOverTheWhole32BitRange) {
    std::mt19937 Random(20261210);
    std::uniform_int_distribution<std::int32_t> Any(Int32Min, Int32Max);
    std::uniform_int_distribution<std::int32_t> Small(-4000, 4000);
    TCalibration Calibration;
    for (int I = 0; I < 200000; ++I) {
        const bool Wide = I % 2 == 0;
        Calibration.FX1 = Wide ? Any(Random) : Small(Random);
        Calibration.FX2 = Wide ? Any(Random) : Small(Random);
        Calibration.FButtonMils = I % 3 == 0 ? Any(Random) : Small(Random);
        if (Calibration.FButtonMils == 0)
            continue;
        Calibration.Recompute();
        ASSERT_EQ(Calibration.FBitmapDpi,
                  ReferenceDpi(Calibration.FX1, Calibration.FX2, Calibration.FButtonMils))
            << Calibration.FX1 << " " << Calibration.FX2 << " " << Calibration.FButtonMils;
    }
}

TEST(MarkerGeometry, PlacesTheLineAtTheColumnAndAboveTheClick) {
    EXPECT_EQ(MarkerLeft(10, 100), 110);
    EXPECT_EQ(MarkerLeft(-250, 100), -150);
    EXPECT_EQ(MarkerLeft(Int32Max, 1), Int32Min);
    EXPECT_EQ(MarkerTop(0, 100, 65), 68);
    EXPECT_EQ(MarkerTop(-40, 100, 65), 28);
    EXPECT_EQ(MarkerTop(0, 0, 64), -32);
    EXPECT_EQ(MarkerTop(0, 0, -65), 32); // division truncates toward zero
    EXPECT_EQ(MarkerTop(0, 0, -3), 1);
    EXPECT_EQ(MarkerTop(Int32Min, 0, 2), Int32Max);
}

} // namespace
