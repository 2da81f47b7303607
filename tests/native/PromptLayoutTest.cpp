#include "prompts/PromptLayout.h"

#include <gtest/gtest.h>

#include <ostream>

// Beside the type, where the test macros look for it; internal, as other tests may print it too.
static void PrintTo(const PixelRect& rc, std::ostream* os) {
    *os << "(" << rc.left << "," << rc.top << ")-(" << rc.right << "," << rc.bottom << ")";
}

namespace {

// The content's client rectangles at 96 and 120 dpi (frame 336 × 156 less the insets).
constexpr PixelRect kClient100{0, 0, 326, 146};
constexpr PixelRect kClient125{0, 0, 407, 182};

} // namespace

TEST(PromptLayout, MessagePromptAtDesignSize) {
    EXPECT_EQ(PromptLayout::CloseButton(kClient100, 1.0f), (PixelRect{300, 8, 312, 20}));
    EXPECT_EQ(PromptLayout::FirstButton(kClient100, 1.0f), (PixelRect{96, 107, 151, 131}));
    EXPECT_EQ(PromptLayout::SecondButton(kClient100, 1.0f), (PixelRect{175, 107, 230, 131}));
    EXPECT_EQ(PromptLayout::CentredButton(kClient100, 1.0f), (PixelRect{135, 107, 190, 131}));
    EXPECT_EQ(PromptLayout::TextLabel(kClient100, 1.0f), (PixelRect{10, 30, 316, 106}));
    // The pair stands symmetric about the centre line, 24 pixels apart.
    const PixelRect first = PromptLayout::FirstButton(kClient100, 1.0f);
    const PixelRect second = PromptLayout::SecondButton(kClient100, 1.0f);
    EXPECT_EQ(second.left - first.right, 24);
    EXPECT_EQ(163 - first.right, second.left - 163);
}

TEST(PromptLayout, MessagePromptAtOneAndAQuarterTruncatesEachTerm) {
    // Half of 407 is 203 before any scaling: 203 − 68.75 − 15 = 119.25.
    EXPECT_EQ(PromptLayout::FirstButton(kClient125, 1.25f), (PixelRect{119, 133, 187, 163}));
    EXPECT_EQ(PromptLayout::SecondButton(kClient125, 1.25f), (PixelRect{218, 133, 286, 163}));
    // 203 − 34.375
    EXPECT_EQ(PromptLayout::CentredButton(kClient125, 1.25f), (PixelRect{168, 133, 236, 163}));
    // trunc(32.5) = 32 off the right edge, a 15 × 15 glyph
    EXPECT_EQ(PromptLayout::CloseButton(kClient125, 1.25f), (PixelRect{375, 10, 390, 25}));
    EXPECT_EQ(PromptLayout::TextLabel(kClient125, 1.25f), (PixelRect{12, 37, 395, 132}));
    // Half of an odd width is an integer before the float arithmetic: 203.5 would put the
    // centred button at 169 above. Negative results truncate toward zero, not down.
    const PixelRect narrow{0, 0, 201, 100};
    EXPECT_EQ(PromptLayout::CentredButton(narrow, 1.5f).left, 58); // 100 − 41.25
    EXPECT_EQ(PromptLayout::FirstButton(narrow, 1.5f).left, 0);    // 100 − 82.5 − 18 = −0.5
}

TEST(PromptLayout, ClientOffsetsReachEveryRectangleButTheCentredButtonsTop) {
    const PixelRect shifted{20, 40, 346, 186};
    EXPECT_EQ(PromptLayout::CloseButton(shifted, 1.0f), (PixelRect{320, 48, 332, 60}));
    // The buttons' x comes from the width alone, so a shifted client keeps them in place.
    EXPECT_EQ(PromptLayout::FirstButton(shifted, 1.0f), (PixelRect{96, 147, 151, 171}));
    EXPECT_EQ(PromptLayout::CentredButton(shifted, 1.0f), (PixelRect{135, 107, 190, 131}));
    EXPECT_EQ(PromptLayout::TextLabel(shifted, 1.0f), (PixelRect{30, 70, 336, 146}));
}

TEST(PromptLayout, TypesChooseTheButtonsAndTheirImages) {
    struct Case {
        int nType;
        bool bSecond;
        PromptButtonImages first, second;
    };
    const Case cases[] = {
        {PROMPT_TYPE_YES, false, {183, 184, 185, 185}, {177, 178, 179, 179}},
        {PROMPT_TYPE_YESNO, true, {183, 184, 185, 185}, {177, 178, 179, 179}},
        {PROMPT_TYPE_CONFIRM, false, {180, 181, 182, 182}, {171, 172, 173, 173}},
        {PROMPT_TYPE_CONFIRMCANCEL, true, {180, 181, 182, 182}, {171, 172, 173, 173}},
        // Undefined values get the one-button 是 prompt rather than invisible buttons.
        {0, false, {183, 184, 185, 185}, {177, 178, 179, 179}},
        {5, false, {183, 184, 185, 185}, {177, 178, 179, 179}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PromptLayout::HasSecondButton(c.nType), c.bSecond) << c.nType;
        EXPECT_EQ(PromptLayout::FirstButtonImages(c.nType), c.first) << c.nType;
        EXPECT_EQ(PromptLayout::SecondButtonImages(c.nType), c.second) << c.nType;
        EXPECT_EQ(PromptLayout::FirstButtonFor(c.nType, kClient100, 1.0f).left,
                  c.bSecond ? 96 : 135)
            << c.nType;
    }
}

TEST(PromptLayout, WorkingLabelCoversTheMiddleBand) {
    // At design size exactly the patch (10, 32)-(194, 72) of the 204 × 104 background.
    EXPECT_EQ(PromptLayout::WorkingLabel({0, 0, 204, 104}, 1.0f), (PixelRect{10, 32, 194, 72}));
    // 255 × 130: trunc(12.5), 65 − 25, trunc(242.5), 40 + 50
    EXPECT_EQ(PromptLayout::WorkingLabel({0, 0, 255, 130}, 1.25f), (PixelRect{12, 40, 242, 90}));
    // 306 × 156 at 1.5; an odd height halves before the scaled term: 105 / 2 = 52.
    EXPECT_EQ(PromptLayout::WorkingLabel({0, 0, 306, 156}, 1.5f), (PixelRect{15, 48, 291, 108}));
    EXPECT_EQ(PromptLayout::WorkingLabel({0, 0, 204, 105}, 1.0f).top, 32);
    EXPECT_EQ(PromptLayout::WorkingLabel({5, 7, 209, 111}, 1.0f), (PixelRect{15, 39, 199, 79}));
}

TEST(PromptLayout, WorkingTextFallsBackBelowTwoCharacters) {
    EXPECT_EQ(PromptLayout::WorkingText(L""), L"正在修复，请稍等");
    EXPECT_EQ(PromptLayout::WorkingText(L"x"), L"正在修复，请稍等");
    EXPECT_EQ(PromptLayout::WorkingText(L"设置"), L"设置");
    EXPECT_EQ(PromptLayout::WorkingText(L"正在设置，请稍等"), L"正在设置，请稍等");
}
