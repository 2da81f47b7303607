// The status label drawn for real in a window: its dots, its modes, its image patch.
#include "ui/DrawStateInfoStatic.h"

#include "WindowKit.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr WPARAM kDotTimer = 36;

void Attach(CDrawStateInfoStatic& label, HWND hWnd, int nAlign) {
    ASSERT_TRUE(label.SubclassWindow(hWnd));
    label.SetFontSize(0, 0);
    label.SetAlign(nAlign);
}

TEST(DrawStateInfoStaticTest, EachTickAddsADotUntilThreeThenStartsAgain) {
    TestHost host;
    CDrawStateInfoStatic label;
    Attach(label, host.AddStatic(L"正在设置，请稍等", 20, 20, 220, 60), 5);
    label.SetInfoTextColor(RGB(0, 0, 0));
    UpdateWindow(label.m_hWnd);
    const int nPlainWidth = InkOf(OnScreen(label.m_hWnd), kWhite).Width();
    ASSERT_GT(nPlainWidth, 0);

    int nLastWidth = nPlainWidth;
    for (int nDots = 1; nDots <= 3; ++nDots) {
        SendMessageW(label.m_hWnd, WM_TIMER, kDotTimer, 0);
        EXPECT_EQ(label.m_nDotCount, nDots);
        EXPECT_TRUE(HasPendingPaint(label.m_hWnd));
        const int nWidth = InkOf(OnScreen(label.m_hWnd), kWhite).Width();
        EXPECT_GT(nWidth, nLastWidth) << nDots << " dots";
        nLastWidth = nWidth;
    }
    SendMessageW(label.m_hWnd, WM_TIMER, kDotTimer, 0);
    EXPECT_EQ(label.m_nDotCount, 0);
    EXPECT_EQ(InkOf(OnScreen(label.m_hWnd), kWhite).Width(), nPlainWidth);

    // Other timers leave the dots alone.
    SendMessageW(label.m_hWnd, WM_TIMER, kDotTimer + 1, 0);
    EXPECT_EQ(label.m_nDotCount, 0);
    EXPECT_FALSE(HasPendingPaint(label.m_hWnd));

    // Stopping clears the dots and repaints.
    SendMessageW(label.m_hWnd, WM_TIMER, kDotTimer, 0);
    SendMessageW(label.m_hWnd, WM_TIMER, kDotTimer, 0);
    UpdateWindow(label.m_hWnd);
    label.StopAnimation();
    EXPECT_EQ(label.m_nDotCount, 0);
    EXPECT_TRUE(HasPendingPaint(label.m_hWnd));
    EXPECT_EQ(InkOf(OnScreen(label.m_hWnd), kWhite).Width(), nPlainWidth);
}

TEST(DrawStateInfoStaticTest, RealTimerAnimatesUntilStopped) {
    TestHost host;
    CDrawStateInfoStatic label;
    Attach(label, host.AddStatic(L"正在设置，请稍等", 20, 20, 220, 60), 5);
    label.StartAnimation();
    EXPECT_TRUE(PumpUntil([&] { return label.m_nDotCount == 2; }, 15000));
    label.StopAnimation();
    EXPECT_EQ(label.m_nDotCount, 0);
    Pump(2500);
    EXPECT_EQ(label.m_nDotCount, 0) << "the timer still runs";
}

TEST(DrawStateInfoStaticTest, ModesAndColours) {
    TestHost host;
    const auto render = [&](int nAlign, COLORREF crText) {
        CDrawStateInfoStatic label;
        Attach(label, host.AddStatic(L"正在设置", 20, 20, 200, 60), nAlign);
        label.SetInfoTextColor(crText);
        Pixels pixels = Printed(label.m_hWnd);
        DestroyWindow(label.m_hWnd);
        return pixels;
    };
    const COLORREF kBlack = RGB(0, 0, 0);

    // Mode 0, like any mode outside 1 to 6, is mode 1: one line, left, in the middle.
    const Pixels left = render(1, kBlack);
    EXPECT_EQ(render(0, kBlack), left);
    EXPECT_EQ(render(9, kBlack), left);
    const Ink leftInk = InkOf(left, kWhite);
    ASSERT_TRUE(leftInk.Any());
    EXPECT_LT(leftInk.nFirstColumn, 3);
    EXPECT_LE(std::abs(leftInk.nFirstRow - (59 - leftInk.nLastRow)), 4);

    // Centred and right one-line modes, and the measured centred mode of the working prompt.
    const Ink centred = InkOf(render(2, kBlack), kWhite);
    EXPECT_LE(std::abs(centred.nFirstColumn - (199 - centred.nLastColumn)), 1);
    const Ink right = InkOf(render(3, kBlack), kWhite);
    EXPECT_GT(right.nLastColumn, 196);
    const Ink measured = InkOf(render(5, kBlack), kWhite);
    EXPECT_EQ(measured.nFirstColumn, centred.nFirstColumn);

    // The text colour is the one set, and setting it repaints.
    constexpr COLORREF kRed = RGB(220, 0, 0);
    EXPECT_GT(CountNear(render(1, kRed), kRed), 0);
    EXPECT_EQ(CountNear(left, kRed), 0);
    CDrawStateInfoStatic label;
    Attach(label, host.AddStatic(L"正在设置", 20, 100, 200, 30), 1);
    UpdateWindow(label.m_hWnd);
    label.SetInfoTextColor(kRed);
    EXPECT_TRUE(HasPendingPaint(label.m_hWnd));

    // A new text while shown is painted the label's way, on white.
    UpdateWindow(label.m_hWnd);
    label.SetWindowText(L"正在设置，请稍等");
    EXPECT_TRUE(HasPendingPaint(label.m_hWnd));
    const Pixels shown = OnScreen(label.m_hWnd);
    EXPECT_EQ(shown.At(1, 1), kWhite);
    EXPECT_GT(InkOf(shown, kWhite).Width(), leftInk.Width());
}

TEST(DrawStateInfoStaticTest, ImagePatchIsDrawnUnderTheText) {
    GdiplusSession gdiplus;
    TestHost host;
    constexpr COLORREF kTeal = RGB(20, 120, 200);
    constexpr COLORREF kBrown = RGB(200, 80, 20);
    auto pImage = TwoColourImage(kTeal, kBrown);

    CDrawStateInfoStatic label;
    Attach(label, host.AddStatic(L"正在设置", 20, 20, 120, 40), 5);
    label.SetBkImage(pImage.get());
    label.SetBkRect(0, 0, 40, 20);
    label.SetInfoTextColor(kWhite);
    const Pixels pixels = OnScreen(label.m_hWnd);
    EXPECT_TRUE(Near(pixels.At(2, 2), kTeal, 12));
    EXPECT_TRUE(Near(pixels.At(117, 37), kBrown, 12));
    EXPECT_GT(CountNear(pixels, kWhite, 20), 0);
}

TEST(DrawStateInfoStaticTest, CallsBeforeAttachingTouchNothing) {
    CDrawStateInfoStatic label;
    label.StartAnimation();
    label.m_nDotCount = 2;
    label.StopAnimation();
    EXPECT_EQ(label.m_nDotCount, 0);
    label.SetInfoTextColor(RGB(1, 2, 3));
    EXPECT_EQ(label.m_crText, RGB(1, 2, 3));
}

} // namespace
