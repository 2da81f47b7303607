// Fonts derived from a window's font, and text widths measured with them.
#include "ui/LabelFont.h"

#include "WindowKit.h"

#include <gtest/gtest.h>

namespace {

LOGFONTW LogFontOf(HFONT hFont) {
    LOGFONTW lf{};
    GetObjectW(hFont, sizeof(lf), &lf);
    return lf;
}

TEST(LabelFontTest, DerivedFontChangesHeightAndWeightOnlyWithAHeightChange) {
    TestHost host;
    const LOGFONTW base = LogFontOf(host.Font());
    ASSERT_EQ(base.lfHeight, -13);

    HFONT hFont = nullptr;
    ASSERT_TRUE(CreateDerivedFont(host.Window(), 0, FW_BOLD, &hFont));
    LOGFONTW lf = LogFontOf(hFont);
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfWeight, base.lfWeight);
    EXPECT_STREQ(lf.lfFaceName, base.lfFaceName);
    EXPECT_NE(hFont, host.Font());

    const HFONT hPrevious = hFont;
    ASSERT_TRUE(CreateDerivedFont(host.Window(), 3, FW_BOLD, &hFont));
    EXPECT_EQ(GetObjectType(hPrevious), 0u) << "the font it replaced was not deleted";
    lf = LogFontOf(hFont);
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);

    ASSERT_TRUE(CreateDerivedFont(host.Window(), -2, 0, &hFont));
    lf = LogFontOf(hFont);
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfWeight, base.lfWeight);

    // A window without a font, or none at all, gives the stock GUI font.
    const LOGFONTW stock = LogFontOf(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    HWND hPlain = host.AddStatic(L"", 0, 0, 10, 10);
    ASSERT_TRUE(CreateDerivedFont(hPlain, 0, 0, &hFont));
    EXPECT_EQ(LogFontOf(hFont).lfHeight, stock.lfHeight);
    EXPECT_STREQ(LogFontOf(hFont).lfFaceName, stock.lfFaceName);
    ASSERT_TRUE(CreateDerivedFont(nullptr, 0, 0, &hFont));
    EXPECT_STREQ(LogFontOf(hFont).lfFaceName, stock.lfFaceName);
    DeleteObject(hFont);

    EXPECT_FALSE(CreateDerivedFont(host.Window(), 0, 0, nullptr));
}

TEST(LabelFontTest, MeasuredWidths) {
    TestHost host;
    HDC hDC = GetDC(host.Window());
    const HGDIOBJ hFontBefore = GetCurrentObject(hDC, OBJ_FONT);

    EXPECT_EQ(MeasureTextWidth(host.Window(), hDC, L"", 0, 0), 0);
    EXPECT_EQ(MeasureTextWidth(nullptr, hDC, L"反馈问题", 0, 0), -1);
    EXPECT_EQ(MeasureTextWidth(host.Window(), nullptr, L"反馈问题", 0, 0), -1);

    const int nShort = MeasureTextWidth(host.Window(), hDC, L"反馈问题", 0, 0);
    const int nLong = MeasureTextWidth(host.Window(), hDC, L"反馈问题反馈问题", 0, 0);
    EXPECT_GT(nShort, 0);
    EXPECT_GT(nLong, nShort);
    // Wider than the measuring rectangle's 390 pixels: one line is never cut.
    const std::wstring agreement(40, L'协');
    EXPECT_GT(MeasureTextWidth(host.Window(), hDC, agreement, 0, 0), 390);
    EXPECT_GT(MeasureTextWidth(host.Window(), hDC, L"反馈问题", 6, FW_BOLD), nShort);

    EXPECT_EQ(GetCurrentObject(hDC, OBJ_FONT), hFontBefore);
    ReleaseDC(host.Window(), hDC);
}

} // namespace
