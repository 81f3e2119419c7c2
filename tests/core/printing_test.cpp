#include "core/calibration.h"
#include "core/printing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TRectCase {
    std::int32_t Width, Height, PrinterDpi, BitmapDpi;
    TPrintRect Expected;
};

class CalcPrintRectTest : public testing::TestWithParam<TRectCase> {};

TEST_P(CalcPrintRectTest, GivesTheRectangle) {
    const TRectCase &Case = GetParam();
    const TPrintRect Rect = CalcPrintRect(Case.Width, Case.Height, Case.PrinterDpi, Case.BitmapDpi);
    EXPECT_EQ(Rect.Left, Case.Expected.Left);
    EXPECT_EQ(Rect.Top, Case.Expected.Top);
    EXPECT_EQ(Rect.Right, Case.Expected.Right);
    EXPECT_EQ(Rect.Bottom, Case.Expected.Bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcPrintRectTest,
    testing::Values(
        // 4 x 3 inches on the board, 4 x 3 inches on paper.
        TRectCase{1200, 900, 600, 300, {500, 500, 2900, 2300}},
        // Halves go to the even neighbour: 1801.5 -> 1802, 1804.5 -> 1804.
        TRectCase{1201, 1203, 600, 400, {500, 500, 2302, 2304}},
        // A quotient that does not terminate: 2364.57 and 1835.43.
        TRectCase{1001, 777, 600, 254, {500, 500, 2865, 2335}},
        TRectCase{1003, 1003, 1200, 1003, {500, 500, 1700, 1700}},
        TRectCase{1200, 900, 0, 300, {500, 500, 500, 500}},
        TRectCase{0, 0, 600, 300, {500, 500, 500, 500}},
        // A negative resolution turns the rectangle; it is not put in order.
        TRectCase{1200, 900, 600, -300, {500, 500, -1900, -1300}},
        TRectCase{1200, 900, -600, 300, {500, 500, -1900, -1300}},
        TRectCase{1200, 900, -600, -300, {500, 500, 2900, 2300}},
        // Negative halves go to the even neighbour too: -2.5 -> -2.
        TRectCase{5, 5, -1, 2, {500, 500, 498, 498}},
        // The product in double would round to the other neighbour: 37.4999999999999973
        // and 12.5000000000000009 (double gives 37.5 -> 38 and 12.5 -> 12).
        TRectCase{7, 7, 600, 112, {500, 500, 537, 537}},
        TRectCase{3, 3, 600, 144, {500, 500, 513, 513}},
        // Far beyond any page: the sum wraps in 32 bits like every integer of the program.
        TRectCase{2147483647, 1, 2, 1, {500, 500, 498, 502}}));

TEST(CalcPrintRectErrors, ZeroBitmapDpiIsADivisionError) {
    EXPECT_THROW(CalcPrintRect(1200, 900, 600, 0), EZeroDivide);
    EXPECT_THROW(CalcPrintRect(1200, 900, -600, 0), EZeroDivide);
    EXPECT_THROW(CalcPrintRect(0, 0, 600, 0), EZeroDivide);
    try {
        CalcPrintRect(1200, 900, 0, 0);
        FAIL() << "no error";
    } catch (const EInvalidOp &Error) {
        EXPECT_STREQ(Error.what(), "Invalid floating point operation");
    }
}

// Records the calls it gets; can be told to answer Cancel or to fail in one step.
class TRecordingFacility : public TPrintFacility {
public:
    std::vector<std::string> Calls;
    bool Confirm = true;
    std::string FailIn;
    TPrintRect Drawn{};
    std::int32_t JobDpi = 0;

    bool ShowSetupDialog() override {
        Record("dialog");
        return Confirm;
    }
    void BeginJob(std::int32_t APrinterDpi) override {
        Record("begin");
        JobDpi = APrinterDpi;
    }
    void DrawPictureStretched(const TPrintRect &ARect) override {
        Record("draw");
        Drawn = ARect;
    }
    void EndJob() override { Record("end"); }

private:
    void Record(const std::string &ACall) {
        Calls.push_back(ACall);
        if (ACall == FailIn)
            throw EPrinter("failed in " + ACall);
    }
};

using TCalls = std::vector<std::string>;

TEST(PrintBitmap, RunsDialogJobDrawingEndInOrder) {
    TRecordingFacility Facility;
    PrintBitmap(Facility, 1200, 900, 600, 300);
    EXPECT_EQ(Facility.Calls, (TCalls{"dialog", "begin", "draw", "end"}));
    EXPECT_EQ(Facility.JobDpi, 600);
    EXPECT_EQ(Facility.Drawn.Right, 2900);
    EXPECT_EQ(Facility.Drawn.Bottom, 2300);
}

TEST(PrintBitmap, ReversedRectangleGoesToTheDrawingAsComputed) {
    TRecordingFacility Facility;
    PrintBitmap(Facility, 1200, 900, 600, -300);
    EXPECT_EQ(Facility.Drawn.Right, -1900);
    EXPECT_EQ(Facility.Drawn.Bottom, -1300);
}

TEST(PrintBitmap, CancelPrintsNothing) {
    TRecordingFacility Facility;
    Facility.Confirm = false;
    PrintBitmap(Facility, 1200, 900, 600, 300);
    EXPECT_EQ(Facility.Calls, (TCalls{"dialog"}));
}

TEST(PrintBitmap, ZeroBitmapDpiFailsBeforeAnyJob) {
    TRecordingFacility Facility;
    EXPECT_THROW(PrintBitmap(Facility, 1200, 900, 600, 0), EZeroDivide);
    EXPECT_THROW(PrintBitmap(Facility, 1200, 900, 0, 0), EInvalidOp);
    EXPECT_EQ(Facility.Calls, (TCalls{"dialog", "dialog"}));
}

struct TNothingCase {
    std::int32_t Width, Height, PrinterDpi, BitmapDpi;
};

class NothingToPrintTest : public testing::TestWithParam<TNothingCase> {};

TEST_P(NothingToPrintTest, BeginsNoJob) {
    const TNothingCase &Case = GetParam();
    TRecordingFacility Facility;
    try {
        PrintBitmap(Facility, Case.Width, Case.Height, Case.PrinterDpi, Case.BitmapDpi);
        FAIL() << "no error";
    } catch (const EPrinter &Error) {
        EXPECT_STREQ(Error.what(),
                     "Nothing to print: the picture is empty or its printed size is zero");
    }
    EXPECT_EQ(Facility.Calls, (TCalls{"dialog"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, NothingToPrintTest,
                         testing::Values(TNothingCase{0, 0, 600, 300},    // no picture
                                         TNothingCase{1200, 900, 0, 300}, // printer dpi 0
                                         TNothingCase{1, 900, 600, 2000}, // 0.3 rounds to 0
                                         TNothingCase{1200, 1, 600, 2000}));

TEST(PrintBitmap, EndsTheJobAfterADrawingFailure) {
    TRecordingFacility Facility;
    Facility.FailIn = "draw";
    EXPECT_THROW(PrintBitmap(Facility, 1200, 900, 600, 300), EPrinter);
    EXPECT_EQ(Facility.Calls, (TCalls{"dialog", "begin", "draw", "end"}));
}

TEST(PrintBitmap, AFailedBeginIsNotEnded) {
    TRecordingFacility Facility;
    Facility.FailIn = "begin";
    EXPECT_THROW(PrintBitmap(Facility, 1200, 900, 600, 300), EPrinter);
    EXPECT_EQ(Facility.Calls, (TCalls{"dialog", "begin"}));
}

} // namespace
