// The text label drawn for real in a window, read back pixel by pixel.
#include "ui/DrawTextStatic.h"

#include "WindowKit.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Counts the paints that reach the label.
class CountingLabel : public CDrawTextStatic {
public:
    int nPaints = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_PAINT) {
            ++nPaints;
        }
        return CDrawTextStatic::WindowProc(msg, wParam, lParam);
    }
};

POINT CentreOf(const RECT& rc) {
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// A label in the given mode showing text on white, with the templates' font.
void Attach(CDrawTextStatic& label, HWND hWnd, int nAlign) {
    ASSERT_TRUE(label.SubclassWindow(hWnd));
    label.SetFontSize(0, 0);
    label.SetAlign(nAlign);
}

TEST(DrawTextStaticTest, HoverSwitchesColourAndRepaintsOnlyWhenItChanges) {
    TestHost host;
    CountingLabel label;
    Attach(label, host.AddStatic(L"反馈问题", 20, 20, 120, 24), 2);
    label.SetTextColors(kRed, kBlue);
    ASSERT_TRUE(label.m_font != nullptr);

    UpdateWindow(label.m_hWnd);
    Pixels normal = OnScreen(label.m_hWnd);
    EXPECT_GT(CountNear(normal, kRed), 0);
    EXPECT_EQ(CountNear(normal, kBlue), 0);

    const RECT rc = label.GetWindowRect();
    const int nPaintsBefore = label.nPaints;
    label.UpdateHover(CentreOf(rc));
    EXPECT_TRUE(label.m_bHover);
    EXPECT_TRUE(HasPendingPaint(label.m_hWnd));
    UpdateWindow(label.m_hWnd);
    EXPECT_EQ(label.nPaints, nPaintsBefore + 1);

    // Moving within the label changes nothing, so nothing is repainted.
    label.UpdateHover({rc.left, rc.top});
    label.UpdateHover({rc.right - 1, rc.bottom - 1});
    EXPECT_FALSE(HasPendingPaint(label.m_hWnd));
    UpdateWindow(label.m_hWnd);
    EXPECT_EQ(label.nPaints, nPaintsBefore + 1);

    Pixels hover = OnScreen(label.m_hWnd);
    EXPECT_GT(CountNear(hover, kBlue), 0);
    EXPECT_EQ(CountNear(hover, kRed), 0);

    // The right and bottom edges are outside, as for any window rectangle.
    label.UpdateHover({rc.right, rc.top});
    EXPECT_FALSE(label.m_bHover);
    EXPECT_TRUE(HasPendingPaint(label.m_hWnd));
    EXPECT_EQ(Printed(label.m_hWnd), normal);

    EXPECT_TRUE(label.HitTest({rc.left, rc.top}));
    EXPECT_TRUE(label.HitTest({rc.right - 1, rc.bottom - 1}));
    EXPECT_FALSE(label.HitTest({rc.left - 1, rc.top}));
    EXPECT_FALSE(label.HitTest({rc.left, rc.bottom}));
}

TEST(DrawTextStaticTest, FillColourIsFixedAtTheFirstPaint) {
    TestHost host;
    constexpr COLORREF kGreen = RGB(0, 160, 0);
    constexpr COLORREF kYellow = RGB(255, 255, 0);

    CDrawTextStatic painted;
    Attach(painted, host.AddStatic(L"", 20, 20, 60, 20), 1);
    painted.SetBkColor(kGreen);
    UpdateWindow(painted.m_hWnd);
    EXPECT_EQ(OnScreen(painted.m_hWnd).At(5, 5), kGreen);

    painted.SetBkColor(kYellow);
    painted.Invalidate(TRUE);
    EXPECT_EQ(OnScreen(painted.m_hWnd).At(5, 5), kGreen);
    EXPECT_EQ(Printed(painted.m_hWnd).At(30, 10), kGreen);

    // Before any paint the colour does take.
    CDrawTextStatic fresh;
    Attach(fresh, host.AddStatic(L"", 20, 60, 60, 20), 1);
    fresh.SetBkColor(kYellow);
    EXPECT_EQ(OnScreen(fresh.m_hWnd).At(5, 5), kYellow);
}

TEST(DrawTextStaticTest, TextChangedWhileShownKeepsTheLabelsLook) {
    TestHost host;
    constexpr COLORREF kGreen = RGB(0, 160, 0);
    CDrawTextStatic label;
    Attach(label, host.AddStatic(L"", 20, 20, 120, 24), 2);
    label.SetBkColor(kGreen);
    label.SetTextColors(kWhite, kWhite);
    UpdateWindow(label.m_hWnd);

    // The plain static would draw itself at once in its own colours and leave nothing to paint.
    label.SetWindowText(L"反馈问题");
    EXPECT_EQ(label.GetWindowText(), L"反馈问题");
    EXPECT_TRUE(HasPendingPaint(label.m_hWnd));
    const Pixels shown = OnScreen(label.m_hWnd);
    EXPECT_EQ(shown.At(2, 2), kGreen);
    EXPECT_GT(CountNear(shown, kWhite, 20), 0);

    label.EnableWindow(FALSE);
    EXPECT_EQ(OnScreen(label.m_hWnd), shown);
}

TEST(DrawTextStaticTest, ImagePatchIsStretchedUnderTheText) {
    GdiplusSession gdiplus;
    TestHost host;
    constexpr COLORREF kTeal = RGB(20, 120, 200);
    constexpr COLORREF kBrown = RGB(200, 80, 20);
    auto pImage = TwoColourImage(kTeal, kBrown);

    CDrawTextStatic label;
    Attach(label, host.AddStatic(L"", 20, 20, 80, 30), 1);
    label.SetBkImage(pImage.get());
    // The middle of the image: its halves cover the label's halves, twice as wide.
    label.SetBkRect(10, 0, 30, 20);
    label.SetBkColor(kWhite);
    Pixels patch = OnScreen(label.m_hWnd);
    EXPECT_TRUE(Near(patch.At(5, 5), kTeal, 12));
    EXPECT_TRUE(Near(patch.At(30, 25), kTeal, 12));
    EXPECT_TRUE(Near(patch.At(50, 5), kBrown, 12));
    EXPECT_TRUE(Near(patch.At(75, 25), kBrown, 12));

    // White text over the patch, as on the main panel's title.
    label.SetTextColors(kWhite, kWhite);
    label.SetWindowText(L"1.1.22.1017");
    Pixels titled = Printed(label.m_hWnd);
    EXPECT_GT(CountNear(titled, kWhite, 20), 0);
    EXPECT_TRUE(Near(titled.At(1, 1), kTeal, 12));

    // Without an image only the fill shows.
    label.SetBkImage(nullptr);
    label.SetWindowText(L"");
    EXPECT_EQ(InkOf(Printed(label.m_hWnd), kWhite).nCount, 0);
}

TEST(DrawTextStaticTest, MeasuredModesCentreTheWrappedTextVertically) {
    TestHost host;
    const int nLine = host.LineHeight();
    ASSERT_GT(nLine, 8);
    const int nWidth = 200;
    const int nHeight = 5 * nLine;

    const auto render = [&](const std::wstring& text, int nAlign) {
        CDrawTextStatic label;
        Attach(label, host.AddStatic(text, 20, 20, nWidth, nHeight), nAlign);
        label.SetTextColors(RGB(0, 0, 0), kBlue);
        Pixels pixels = Printed(label.m_hWnd);
        DestroyWindow(label.m_hWnd);
        return pixels;
    };

    // Mode 7: three lines in a label of five have one line of space above and below, which is
    // the top-aligned mode 6 with an empty line in front.
    const std::wstring threeLines = L"第一行文字\r\n第二行\r\n第三行文字较长";
    const Pixels centred = render(threeLines, 7);
    const Ink ink = InkOf(centred, kWhite);
    ASSERT_TRUE(ink.Any());
    EXPECT_GE(ink.nFirstRow, nLine);
    EXPECT_LT(ink.nLastRow, 4 * nLine);
    EXPECT_EQ(centred, render(L"\r\n" + threeLines, 6));

    // A text taller than the label starts above it: seven lines in five lose one at each end.
    const std::wstring sevenLines = L"一\r\n二\r\n三\r\n四\r\n五\r\n六\r\n七";
    EXPECT_EQ(render(sevenLines, 7), render(L"二\r\n三\r\n四\r\n五\r\n六", 6));

    // Mode 5 centres both ways: one line sits two lines down, and in the middle across.
    const Pixels middle = render(L"正在设置", 5);
    const Ink one = InkOf(middle, kWhite);
    const Ink top = InkOf(render(L"正在设置", 6), kWhite);
    ASSERT_TRUE(one.Any());
    EXPECT_EQ(one.nFirstRow, top.nFirstRow + 2 * nLine);
    EXPECT_LE(std::abs(one.nFirstColumn - (nWidth - 1 - one.nLastColumn)), 1);

    // Mode 0 (the default) is measured too and left-aligned; mode 1 is one centred line.
    const Ink left = InkOf(render(L"正在设置", 0), kWhite);
    EXPECT_EQ(left.nFirstRow, one.nFirstRow);
    EXPECT_LT(left.nFirstColumn, 3);
    const Ink single = InkOf(render(L"正在设置", 1), kWhite);
    EXPECT_LE(std::abs(single.nFirstRow - (nHeight - 1 - single.nLastRow)), nLine / 2);
}

TEST(DrawTextStaticTest, ReplacedFontsAreDeleted) {
    TestHost host;
    CDrawTextStatic label;
    Attach(label, host.AddStatic(L"同意", 20, 20, 100, 24), 1);
    const HFONT hFirst = label.m_font;
    label.SetFontSize(2, FW_BOLD);
    EXPECT_NE(label.m_font, nullptr);
    EXPECT_EQ(GetObjectType(hFirst), 0u) << "the replaced font was not deleted";

    const auto paintMany = [&] {
        for (int i = 0; i < 50; ++i) {
            label.SetFontSize(i % 3, FW_NORMAL);
            label.Invalidate(TRUE);
            UpdateWindow(label.m_hWnd);
            Printed(label.m_hWnd);
        }
    };
    paintMany();
    // Wine does not count GDI objects (always 0); Windows does.
    const DWORD nBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    paintMany();
    if (nBefore != 0) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), nBefore + 2);
    }
}

} // namespace
