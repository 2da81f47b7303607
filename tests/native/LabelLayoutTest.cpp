#include "ui/LabelLayout.h"

#include <gtest/gtest.h>

// Beside the type, where gtest looks for it.
static void PrintTo(const LabelAlignment& a, std::ostream* os) {
    *os << (a.bMeasured ? "measured " : "unmeasured ") << std::hex << "0x" << a.nMeasureFlags
        << " / 0x" << a.nDrawFlags;
}

namespace {

TEST(LabelLayoutTest, TextLabelModes) {
    const LabelAlignment expected[] = {
        {true, 0x610, 0x214}, {false, 0, 0x224},    {false, 0, 0x225}, {true, 0x610, 0x216},
        {false, 0, 0x224},    {true, 0x610, 0x215}, {false, 0, 0x210}, {true, 0x2610, 0x2210},
    };
    for (int nMode = 0; nMode < 8; ++nMode) {
        EXPECT_EQ(TextLabelAlignment(nMode), expected[nMode]) << "mode " << nMode;
    }
    // Modes nobody sets fall back to the default mode rather than drawing nothing.
    EXPECT_EQ(TextLabelAlignment(8), expected[0]);
    EXPECT_EQ(TextLabelAlignment(-1), expected[0]);
}

TEST(LabelLayoutTest, StatusLabelModes) {
    const LabelAlignment expected[] = {
        {false, 0, 0x24},    {false, 0, 0x24},    {false, 0, 0x25},    {false, 0, 0x26},
        {true, 0x410, 0x14}, {true, 0x410, 0x15}, {true, 0x410, 0x16},
    };
    for (int nMode = 0; nMode < 7; ++nMode) {
        EXPECT_EQ(StatusLabelAlignment(nMode), expected[nMode]) << "mode " << nMode;
    }
    EXPECT_EQ(StatusLabelAlignment(7), expected[1]);
    EXPECT_EQ(StatusLabelAlignment(-3), expected[1]);
}

TEST(LabelLayoutTest, MeasuredTopOffset) {
    const int nLine = 14;
    // Three lines in a label of five: one line of space above and below.
    EXPECT_EQ(MeasuredTopOffset(5 * nLine, 3 * nLine), nLine);
    EXPECT_EQ(MeasuredTopOffset(40, 40), 0);
    // A taller text starts above the label.
    EXPECT_EQ(MeasuredTopOffset(20, 42), -11);
    // Odd differences truncate toward zero on both sides.
    EXPECT_EQ(MeasuredTopOffset(21, 10), 5);
    EXPECT_EQ(MeasuredTopOffset(10, 21), -5);
}

TEST(LabelLayoutTest, DotCycle) {
    EXPECT_EQ(NextDotCount(0), 1);
    EXPECT_EQ(NextDotCount(1), 2);
    EXPECT_EQ(NextDotCount(2), 3);
    EXPECT_EQ(NextDotCount(3), 0);
    EXPECT_EQ(NextDotCount(-5), 0);
    EXPECT_EQ(NextDotCount(2147483647), 0);

    EXPECT_EQ(DotSuffix(0), L"");
    EXPECT_EQ(DotSuffix(1), L".");
    EXPECT_EQ(DotSuffix(2), L"..");
    EXPECT_EQ(DotSuffix(3), L"...");
    EXPECT_EQ(DotSuffix(4), L"");
    EXPECT_EQ(DotSuffix(-1), L"");
}

} // namespace
