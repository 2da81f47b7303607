#include "ui/ButtonGeometry.h"

#include <gtest/gtest.h>

#include <ostream>

// Internal linkage: other test files may print rectangles their own way.
static void PrintTo(const PixelRect& rc, std::ostream* os) {
    *os << "(" << rc.left << "," << rc.top << ")-(" << rc.right << "," << rc.bottom << ")";
}

TEST(ButtonGeometry, StateImageSourceDropsTheLastRowAndColumnOnlyAboveScaleOne) {
    EXPECT_EQ(ButtonGeometry::ImageSource(12, 12, 1.0f), (PixelRect{0, 0, 12, 12}));
    EXPECT_EQ(ButtonGeometry::ImageSource(12, 12, 0.75f), (PixelRect{0, 0, 12, 12}));
    // The prompt's close glyph at 120 dpi: 12 × 12 stretched to 15 × 15 from 11 × 11.
    EXPECT_EQ(ButtonGeometry::ImageSource(12, 12, 1.25f), (PixelRect{0, 0, 11, 11}));
    EXPECT_EQ(ButtonGeometry::ImageSource(26, 34, 1.5f), (PixelRect{0, 0, 25, 33}));
    EXPECT_EQ(ButtonGeometry::ImageSource(82, 47, 1.0001f), (PixelRect{0, 0, 81, 46}));
    // An image that failed to decode reads 0 × 0 and must not turn into a mirrored source.
    EXPECT_EQ(ButtonGeometry::ImageSource(0, 0, 1.5f), (PixelRect{0, 0, 0, 0}));
}

TEST(ButtonGeometry, MarginsShrinkTheClickableArea) {
    const PixelRect client{0, 0, 82, 47};
    const PixelRect inner = ButtonGeometry::InsideMargins(client, {5, 4, 6, 7});
    EXPECT_EQ(inner, (PixelRect{5, 4, 76, 40}));
    EXPECT_FALSE(inner.Contains(4, 20));
    EXPECT_TRUE(inner.Contains(5, 4));
    EXPECT_TRUE(inner.Contains(75, 39));
    EXPECT_FALSE(inner.Contains(76, 20)) << "the right margin starts at right - 6";
    EXPECT_FALSE(inner.Contains(40, 40)) << "the bottom margin starts at bottom - 7";
    EXPECT_EQ(ButtonGeometry::InsideMargins(client, {}), client);
}

TEST(ButtonGeometry, CheckGlyphAndTextFollowTheScale) {
    struct Case {
        float scale;
        int height;
        PixelRect glyph;
        int textLeft;
    };
    const Case cases[] = {
        {1.0f, 20, {0, 2, 16, 18}, 18},
        {1.25f, 25, {0, 2, 20, 22}, 22}, // 25 / 2 = 12, trunc(8 × 1.25) = 10
        {1.5f, 30, {0, 3, 24, 27}, 26},  // 24 × 24, text 26 from the left
        {1.5f, 17, {0, -4, 24, 20}, 26}, // taller than the control: starts above it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        const PixelRect client{0, 0, 60, c.height};
        EXPECT_EQ(ButtonGeometry::CheckGlyphRect(client, c.scale), c.glyph);
        EXPECT_EQ(ButtonGeometry::CheckTextLeft(client, c.scale), c.textLeft);
    }
}

TEST(ButtonGeometry, OnlyTheCheckedStateShowsTheTick) {
    EXPECT_EQ(ButtonGeometry::CheckGlyphCell(0), (PixelRect{0, 0, 16, 16}));
    EXPECT_EQ(ButtonGeometry::CheckGlyphCell(1), (PixelRect{16, 0, 32, 16}));
    EXPECT_EQ(ButtonGeometry::CheckGlyphCell(2), (PixelRect{0, 0, 16, 16})) << "indeterminate";
}
