#include "app/PanelLayout.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const PixelRect& rc, std::ostream* os) {
    *os << "(" << rc.left << "," << rc.top << ")-(" << rc.right << "," << rc.bottom << ")";
}

namespace {

struct Case {
    float fScale;
    PixelRect client;
    int nAgreementWidth;
    int nFeedbackWidth;
    PanelLayout expected;
};

// At 1.0 and 1.25 the rectangles of the description's tables; the rows of check box and links
// from widths 280 (unit 20) and 64; 1.5 by hand from the formulas.
// clang-format off
// Each case: close, minimize, title; large, medium, small, their margin; more tools, its patch,
// its margin; check box, agreement, feedback.
const Case kCases[] = {
    {1.0f, {0, 0, 400, 600}, 280, 64,
     {{368, 0, 394, 34}, {340, 0, 366, 34}, {188, 16, 328, 31},
      {51, 280, 133, 327}, {159, 280, 241, 327}, {266, 280, 348, 327}, 0,
      {50, 545, 108, 563}, {50, 545, 108, 563}, 0,
      {8, 575, 66, 595}, {72, 575, 352, 595}, {318, 575, 394, 595}}},
    {1.25f, {0, 0, 499, 749}, 280, 64,
     {{460, 0, 492, 42}, {424, 0, 456, 42}, {235, 20, 410, 38},
      {64, 350, 166, 408}, {198, 350, 300, 408}, {333, 350, 435, 408}, 0,
      {62, 681, 134, 703}, {50, 545, 108, 563}, 0,
      {10, 717, 72, 742}, {78, 717, 358, 742}, {416, 717, 493, 742}}},
    {1.5f, {0, 0, 600, 899}, 280, 64,
     {{553, 0, 592, 51}, {510, 0, 549, 51}, {282, 24, 492, 46},
      {77, 420, 200, 490}, {238, 420, 361, 490}, {400, 420, 523, 490}, 0,
      {75, 817, 162, 844}, {50, 545, 108, 563}, 0,
      {12, 861, 78, 891}, {84, 861, 364, 891}, {516, 861, 594, 891}}},
    // Narrower than 400 at 1.25: the more-tools button takes the unscaled branch, its patch
    // the window's own numbers.
    {1.25f, {0, 0, 390, 749}, 280, 64,
     {{351, 0, 383, 42}, {315, 0, 347, 42}, {235, 20, 410, 38},
      {64, 350, 166, 408}, {198, 350, 300, 408}, {333, 350, 435, 408}, 0,
      {50, 694, 108, 712}, {50, 694, 108, 712}, 0,
      {10, 717, 72, 742}, {78, 717, 358, 742}, {307, 717, 384, 742}}},
    // Nothing could be measured: a check box of its box and 2 pixels, a zero-width link.
    {1.0f, {0, 0, 400, 600}, -1, -1,
     {{368, 0, 394, 34}, {340, 0, 366, 34}, {188, 16, 328, 31},
      {51, 280, 133, 327}, {159, 280, 241, 327}, {266, 280, 348, 327}, 0,
      {50, 545, 108, 563}, {50, 545, 108, 563}, 0,
      {8, 575, 26, 595}, {32, 575, 32, 595}, {383, 575, 394, 595}}},
};
// clang-format on

} // namespace

TEST(PanelLayout, EveryControlAtEachScale) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.fScale << " in " << c.client.Width() << "x"
                                        << c.client.Height() << ", widths " << c.nAgreementWidth);
        const PanelLayout l =
            PanelLayout::Compute(c.client, c.fScale, c.nAgreementWidth, c.nFeedbackWidth);
        const PanelLayout& e = c.expected;
        EXPECT_EQ(l.close, e.close);
        EXPECT_EQ(l.minimize, e.minimize);
        EXPECT_EQ(l.title, e.title);
        EXPECT_EQ(l.large, e.large);
        EXPECT_EQ(l.medium, e.medium);
        EXPECT_EQ(l.small, e.small);
        EXPECT_EQ(l.nSizeMargin, e.nSizeMargin);
        EXPECT_EQ(l.moreTools, e.moreTools);
        EXPECT_EQ(l.moreToolsPatch, e.moreToolsPatch);
        EXPECT_EQ(l.nMoreToolsMargin, e.nMoreToolsMargin);
        EXPECT_EQ(l.check, e.check);
        EXPECT_EQ(l.agreement, e.agreement);
        EXPECT_EQ(l.feedback, e.feedback);
    }
}
