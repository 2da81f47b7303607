#include "ui/FrameGeometry.h"

#include <gtest/gtest.h>

namespace {

struct Size {
    int width, height;
    bool operator==(const Size&) const = default;
};

Size SizeOf(const PixelRect& rc) {
    return {rc.Width(), rc.Height()};
}

void PrintTo(const Size& size, std::ostream* os) {
    *os << size.width << "x" << size.height;
}

} // namespace

TEST(FrameGeometry, ScaleFollowsTheVerticalDpiAboveOneHundred) {
    EXPECT_EQ(FrameGeometry::ScaleForDpi(96), 1.0f);
    EXPECT_EQ(FrameGeometry::ScaleForDpi(100), 1.0f);
    EXPECT_EQ(FrameGeometry::ScaleForDpi(72), 1.0f);
    EXPECT_EQ(FrameGeometry::ScaleForDpi(101), static_cast<float>(101 / 96.0));
    EXPECT_EQ(FrameGeometry::ScaleForDpi(120), 1.25f);
    EXPECT_EQ(FrameGeometry::ScaleForDpi(144), 1.5f);
}

TEST(FrameGeometry, InexactScalesTruncateTheSinglePrecisionProduct) {
    // 112 dpi: s is 7/6 rounded down to a float, and 6 × s rounds up to exactly 7 in single
    // precision; kept in extended precision (x87) it would truncate to 6.
    const float s = FrameGeometry::ScaleForDpi(112);
    EXPECT_EQ(FrameGeometry::Scale(6, s), 7);
    EXPECT_EQ(FrameGeometry::Scale(410, s), 478);
    EXPECT_EQ(FrameGeometry::FollowRect(kShellPair, {0, 0, 478, 712}, s),
              (PixelRect{5, 4, 473, 704}));
}

TEST(FrameGeometry, FramesAndContentsOfAllFourPairs) {
    struct Case {
        const FramePairMetrics& pair;
        float scale;
        Size frame, content;
    };
    const Case cases[] = {
        {kShellPair, 1.0f, {410, 611}, {400, 600}},
        {kShellPair, 1.25f, {512, 763}, {499, 749}},
        {kShellPair, 1.5f, {615, 916}, {600, 899}}, // 916 - 16.5
        {kPromptPair, 1.0f, {336, 156}, {326, 146}},
        {kPromptPair, 1.25f, {420, 195}, {407, 182}},
        {kPromptPair, 1.5f, {504, 234}, {489, 219}},
        {kExecutePromptPair, 1.0f, {232, 132}, {204, 104}},
        {kExecutePromptPair, 1.25f, {290, 165}, {255, 130}},
        {kExecutePromptPair, 1.5f, {348, 198}, {306, 156}},
        {kFeedbackPair, 1.0f, {410, 479}, {400, 468}},
        {kFeedbackPair, 1.25f, {512, 598}, {499, 584}},
        {kFeedbackPair, 1.5f, {615, 718}, {600, 701}},
    };
    for (const Case& c : cases) {
        const PixelRect frame = FrameGeometry::FrameRect(c.pair, 0, 0, c.scale);
        EXPECT_EQ(SizeOf(frame), c.frame) << c.pair.nFrameWidth << " at " << c.scale;
        const PixelRect content = FrameGeometry::ContentRect(c.pair, frame, c.scale);
        EXPECT_EQ(SizeOf(content), c.content) << c.pair.nFrameWidth << " at " << c.scale;
    }
}

TEST(FrameGeometry, ContentSitsAtItsInsetsTruncatedFromTheFramePosition) {
    const PixelRect frame = FrameGeometry::FrameRect(kShellPair, 101, 51, 1.25f);
    EXPECT_EQ(SizeOf(frame), (Size{512, 763})); // trunc(101 + 512.5) - 101
    const PixelRect content = FrameGeometry::ContentRect(kShellPair, frame, 1.25f);
    EXPECT_EQ(content.left, 107); // trunc(101 + 6.25)
    EXPECT_EQ(content.top, 56);   // trunc(51 + 5)
    // A frame at an odd position can come out one pixel wider than at zero.
    EXPECT_EQ(FrameGeometry::FrameRect(kPromptPair, 1, 0, 1.25f).Width(), 420);
    EXPECT_EQ(FrameGeometry::FrameRect(kExecutePromptPair, 3, 0, 1.25f).Width(), 290);
}

TEST(FrameGeometry, DraggedContentCarriesItsFrameWithTruncatedInsets) {
    // The panel placed by its shell at 1.25, then dragged: the frame wraps it anew.
    const PixelRect shell = FrameGeometry::FrameRect(kShellPair, 0, 0, 1.25f);
    PixelRect panel = FrameGeometry::ContentRect(kShellPair, shell, 1.25f);
    ASSERT_EQ(SizeOf(panel), (Size{499, 749}));
    panel = {panel.left + 40, panel.top + 30, panel.right + 40, panel.bottom + 30};
    const PixelRect around = FrameGeometry::FrameAroundContent(kShellPair, panel, 1.25f);
    EXPECT_EQ(SizeOf(around), (Size{511, 762}));
    EXPECT_EQ(around.left, panel.left - 6);
    EXPECT_EQ(around.top, panel.top - 5);
}

TEST(FrameGeometry, MovedFrameTakesItsContentAlong) {
    const PixelRect frame{100, 200, 100 + 410, 200 + 479};
    // The feedback pair follows with a top inset of 3, though it was placed with 4.
    EXPECT_EQ(FrameGeometry::FollowRect(kFeedbackPair, frame, 1.0f),
              (PixelRect{105, 203, 505, 672}));
    EXPECT_EQ(FrameGeometry::ContentRect(kFeedbackPair, frame, 1.0f).top, 204);
    EXPECT_EQ(FrameGeometry::FollowRect(kPromptPair, {0, 0, 420, 195}, 1.25f),
              (PixelRect{6, 3, 414, 187}));
}

TEST(FrameGeometry, CaptionBandLeavesTheButtonCornerAlone) {
    const PixelRect client{1000, 500, 1400, 1100};
    EXPECT_EQ(FrameGeometry::CaptionBand(kShellPair, client, 1.0f),
              (PixelRect{1000, 500, 1314, 530}));
    EXPECT_EQ(FrameGeometry::CaptionBand(kPromptPair, client, 1.25f),
              (PixelRect{1000, 500, 1368, 537}));
    EXPECT_EQ(FrameGeometry::CaptionBand(kFeedbackPair, client, 1.5f),
              (PixelRect{1000, 500, 1400, 545}));
    const PixelRect none = FrameGeometry::CaptionBand(kExecutePromptPair, client, 1.0f);
    EXPECT_FALSE(none.Contains(1000, 500)) << "the working prompt has no band";
    const PixelRect band = FrameGeometry::CaptionBand(kPromptPair, client, 1.0f);
    EXPECT_TRUE(band.Contains(1000 + 400 - 27, 510));
    EXPECT_FALSE(band.Contains(1000 + 400 - 26, 510)) << "the close glyph's corner";
    EXPECT_FALSE(band.Contains(1100, 530)) << "below the band";
}

TEST(FrameGeometry, TheShellIsCentredFromItsTruncatedHalfSize) {
    EXPECT_EQ(FrameGeometry::CentredFrameRect(kShellPair, 1920, 1200, 1.0f),
              (PixelRect{755, 295, 1165, 906}));
    EXPECT_EQ(FrameGeometry::CentredFrameRect(kShellPair, 1920, 1200, 1.25f),
              (PixelRect{704, 219, 1216, 982}));
    EXPECT_EQ(FrameGeometry::CentredFrameRect(kShellPair, 1023, 767, 1.5f),
              (PixelRect{204, -75, 819, 841}));
}
