// The image buttons and the check box in real windows, judged by the pixels they leave on the
// screen: each drawn picture is compared with the artwork rendered here on its own.
#include "ui/CheckBoxBtn.h"
#include "ui/ImageButton.h"
#include "ui/PngButton.h"
#include "ui/PngResource.h"

#include "WindowKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr UINT kCloseImages[] = {151, 152, 153, 154}; // 26 × 34, opaque
constexpr UINT kLargeImages[] = {206, 207, 208, 209}; // 82 × 47, opaque
constexpr UINT kOtherImages[] = {161, 162, 163, 164}; // 266 × 60, transparent edges
constexpr UINT kPanelBackground = 149;                // 400 × 600, opaque
constexpr UINT kCheckBoxStrip = 150;                  // 48 × 16
constexpr UINT kMissingPng = 192;                     // a gap in the resource range
constexpr COLORREF kHostColor = TestHost::kHostColor;
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Repaints a control now and returns what it shows.
Pixels Shown(CWnd& control) {
    control.Invalidate(TRUE);
    UpdateWindow(control.m_hWnd);
    Pump();
    return OnScreen(control.m_hWnd);
}

std::vector<Pixels> Renders(const UINT (&ids)[4], int w, int h, const RECT* pSource = nullptr) {
    std::vector<Pixels> out;
    for (UINT nId : ids) {
        out.push_back(RenderPng(nId, w, h, pSource));
    }
    return out;
}

class ButtonWindows : public testing::Test {
protected:
    GdiplusSession m_gdiplus;
    TestHost m_host;
};

// EnableButton from a thread of its own, the user-interface thread pumping meanwhile.
void EnableFromAnotherThread(CImageButton& button, BOOL bEnable) {
    std::atomic<bool> bDone{false};
    std::thread worker([&] {
        button.EnableButton(bEnable);
        bDone = true;
    });
    while (!bDone) {
        Pump(10);
    }
    worker.join();
}

} // namespace

// Tests that move the real cursor; ctest keeps them apart from the end-to-end tests.
class ButtonCursor : public ButtonWindows {};

TEST_F(ButtonWindows, PngButtonDrawsTheImageOfEachStateAndNothingWithoutImages) {
    CPngButton button;
    m_host.AddButton(button, BS_OWNERDRAW, 10, 10, 26, 34);
    const std::vector<Pixels> expected = Renders(kCloseImages, 26, 34);
    const Pixels host = DrawnOffScreen(26, 34, [](HDC hDC) {
        RECT rc{0, 0, 26, 34};
        HBRUSH hBrush = CreateSolidBrush(kHostColor);
        FillRect(hDC, &rc, hBrush);
        DeleteObject(hBrush);
    });
    EXPECT_LT(Distance(Shown(button), host), 1.0) << "no images: nothing drawn over the erase";

    button.SetImages(151, 152, 153, 154);
    EXPECT_EQ(button.m_pImages[1], nullptr) << "a state is decoded when it is first shown";
    for (int nState : {BUTTON_STATE_NORMAL, BUTTON_STATE_HOVER, BUTTON_STATE_PRESSED}) {
        SCOPED_TRACE(nState);
        button.m_nState = nState;
        const Pixels shown = Shown(button);
        EXPECT_EQ(Closest(shown, expected), nState - 1);
        EXPECT_LT(Distance(shown, expected[static_cast<std::size_t>(nState - 1)]), 2.0);
    }
    button.m_nState = BUTTON_STATE_HOVER;
    button.EnableWindow(FALSE);
    EXPECT_EQ(Closest(Shown(button), expected), 3) << "a disabled window shows image 4";
    button.EnableWindow(TRUE);

    // The pointer handlers, as the system delivers them.
    button.m_nState = BUTTON_STATE_NORMAL;
    button.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(button.m_nState, BUTTON_STATE_HOVER);
    EXPECT_EQ(Closest(OnScreen(button.m_hWnd), expected), 1);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(button.m_nState, BUTTON_STATE_PRESSED);
    EXPECT_EQ(Closest(OnScreen(button.m_hWnd), expected), 2);
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(button.m_nState, BUTTON_STATE_HOVER) << "released over the button: hover again";
    EXPECT_EQ(m_host.nClicks, 1);
    button.SendMessage(WM_MOUSELEAVE);
    Pump();
    EXPECT_EQ(button.m_nState, BUTTON_STATE_NORMAL);
    EXPECT_FALSE(button.m_bTracking);
    EXPECT_EQ(Closest(OnScreen(button.m_hWnd), expected), 0);

    button.EnableWindow(FALSE);
    button.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(button.m_nState, BUTTON_STATE_NORMAL) << "disabled: the pointer changes nothing";
    button.EnableWindow(TRUE);

    button.FreeImages();
    for (const CImagePtr& pImage : button.m_pImages) {
        EXPECT_EQ(pImage, nullptr);
    }
    EXPECT_LT(Distance(Shown(button), host), 1.0);
    button.FreeImages(); // twice is harmless
}

TEST_F(ButtonWindows, PngButtonAboveScaleOneLeavesTheImagesLastRowAndColumnOut) {
    CPngButton button;
    m_host.AddButton(button, BS_OWNERDRAW, 10, 10, 15, 15);
    button.SetImages(174, 175, 176, 176);
    button.m_fScale = 1.25f;
    const RECT inner{0, 0, 11, 11};
    const Pixels fromInner = RenderPng(174, 15, 15, &inner);
    const Pixels fromAll = RenderPng(174, 15, 15);
    ASSERT_GT(Distance(fromInner, fromAll), 0.5) << "the two ways must look different";
    const Pixels shown = Shown(button);
    EXPECT_LT(Distance(shown, fromInner), Distance(shown, fromAll));
    button.m_fScale = 1.0f;
    const Pixels unscaled = Shown(button);
    EXPECT_LT(Distance(unscaled, fromAll), Distance(unscaled, fromInner));
}

TEST_F(ButtonWindows, ImageButtonDrawsStatesOverTheBackgroundPatch) {
    CImageButton button;
    m_host.AddButton(button, BS_OWNERDRAW, 10, 10, 82, 47);
    button.SetImages(206, 207, 208, 209);
    const std::vector<Pixels> expected = Renders(kLargeImages, 82, 47);
    for (int nState : {BUTTON_STATE_NORMAL, BUTTON_STATE_HOVER, BUTTON_STATE_PRESSED}) {
        SCOPED_TRACE(nState);
        button.m_nState = nState;
        EXPECT_EQ(Closest(Shown(button), expected), nState - 1);
    }

    // From another thread: state 4, window disabled, repainted with the disabled image.
    button.m_nState = BUTTON_STATE_HOVER;
    EnableFromAnotherThread(button, FALSE);
    EXPECT_EQ(button.m_nState, BUTTON_STATE_DISABLED);
    EXPECT_FALSE(button.IsWindowEnabled());
    Pump(); // no explicit repaint: EnableButton asked for it
    const Pixels disabled = OnScreen(button.m_hWnd);
    EXPECT_EQ(Closest(disabled, expected), 3);
    EXPECT_LT(Distance(disabled, expected[3]), 2.0);
    button.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(button.m_nState, BUTTON_STATE_DISABLED);
    EnableFromAnotherThread(button, TRUE);
    EXPECT_EQ(button.m_nState, BUTTON_STATE_NORMAL);
    EXPECT_TRUE(button.IsWindowEnabled());
    Pump();
    EXPECT_EQ(Closest(OnScreen(button.m_hWnd), expected), 0);

    // Transparent artwork over the parent's background: the patch shows through its edges.
    CImageButton other;
    m_host.AddButton(other, BS_OWNERDRAW, 100, 10, 266, 60);
    other.SetImages(161, 162, 163, 164);
    CImagePtr pBackground;
    ASSERT_TRUE(LoadPngResource(&pBackground, kPanelBackground));
    const RECT patch{60, 300, 326, 360};
    other.SetBkImage(pBackground.get());
    other.SetBkRect(patch.left, patch.top, patch.right, patch.bottom);
    const Pixels overPatch = RenderPng(161, 266, 60, nullptr, kPanelBackground, &patch);
    const Pixels overWhite = RenderPng(161, 266, 60);
    ASSERT_GT(Distance(overPatch, overWhite), 0.5);
    const Pixels shown = Shown(other);
    EXPECT_LT(Distance(shown, overPatch), 2.0);

    // Without images the erase still lays the patch, and DrawItem adds nothing.
    other.FreeImages();
    for (const CImagePtr& pImage : other.m_pImages) {
        EXPECT_EQ(pImage, nullptr);
    }
    const Pixels patchOnly = RenderPng(kPanelBackground, 266, 60, &patch);
    EXPECT_LT(Distance(Shown(other), patchOnly), 2.0);
    other.SetBkImage(nullptr);
    EXPECT_EQ(Shown(other).At(130, 30), kWhite);
}

TEST_F(ButtonCursor, ImageButtonCursorInsideHonoursTheMargins) {
    CImageButton button;
    HWND hButton = m_host.AddButton(button, BS_OWNERDRAW, 10, 10, 82, 47);
    button.SetMargins(10, 8, 12, 6);
    RECT rc{};
    GetWindowRect(hButton, &rc);
    struct Case {
        int x, y;
        BOOL bInside;
    };
    const Case cases[] = {{41, 23, TRUE},  {9, 23, FALSE}, {10, 8, TRUE},   {69, 40, TRUE},
                          {70, 23, FALSE}, {41, 7, FALSE}, {41, 41, FALSE}, {-5, 23, FALSE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        SetCursorPos(rc.left + c.x, rc.top + c.y);
        POINT pt{};
        GetCursorPos(&pt);
        ASSERT_EQ(pt.x, rc.left + c.x) << "the display must move the cursor";
        EXPECT_EQ(button.IsCursorInside(), c.bInside);
    }
}

namespace {

// Hover arrives from the system's tracking once the cursor rests over the button.
template <typename Button> bool HoversAfterAMove(Button& button) {
    RECT rc{};
    GetWindowRect(button.m_hWnd, &rc);
    SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    for (int i = 0; i < 100 && button.m_nState != BUTTON_STATE_HOVER; ++i) {
        Pump(20);
    }
    return button.m_nState == BUTTON_STATE_HOVER;
}

} // namespace

TEST_F(ButtonCursor, ButtonsTrackAgainWhenATrackingRequestWasDropped) {
    CPngButton png;
    m_host.AddButton(png, BS_OWNERDRAW, 10, 10, 26, 34);
    CImageButton image;
    m_host.AddButton(image, BS_OWNERDRAW, 100, 10, 82, 47);
    // As after a request made while the pointer had already moved on: flagged, but nothing
    // is tracked, so neither hover nor leave would ever come.
    png.m_bTracking = TRUE;
    image.m_bTracking = TRUE;
    EXPECT_TRUE(HoversAfterAMove(png));
    EXPECT_TRUE(HoversAfterAMove(image));
    EXPECT_EQ(png.m_nState, BUTTON_STATE_NORMAL) << "left when the pointer went to the other";
    SetCursorPos(5, 5);
}

namespace {

// A check box whose glyph strip is missing from the resources.
class CheckBoxWithoutGlyph : public CCheckBoxBtn {
public:
    CheckBoxWithoutGlyph() { m_nGlyphPng = kMissingPng; }
};

bool IsWhiteColumn(const Pixels& p, int x) {
    return IsColumnOf(p, x, kWhite);
}

} // namespace

TEST_F(ButtonWindows, CheckBoxShowsTheCellOfItsStateAndTheText) {
    CCheckBoxBtn box;
    m_host.AddButton(box, BS_AUTO3STATE, 10, 10, 120, 20, L"同意");
    box.SetFontFromParent();
    const RECT unchecked{0, 0, 16, 16}, checked{16, 0, 32, 16};
    const std::vector<Pixels> cells = {RenderPng(kCheckBoxStrip, 16, 16, &unchecked),
                                       RenderPng(kCheckBoxStrip, 16, 16, &checked)};
    ASSERT_GT(Distance(cells[0], cells[1]), 1.0);
    struct Case {
        WPARAM nCheck;
        int nCell;
    };
    for (const Case c :
         {Case{BST_CHECKED, 1}, Case{BST_UNCHECKED, 0}, Case{BST_INDETERMINATE, 0}}) {
        SCOPED_TRACE(c.nCheck);
        box.SendMessage(BM_SETCHECK, c.nCheck);
        ASSERT_EQ(box.SendMessage(BM_GETCHECK), static_cast<LRESULT>(c.nCheck));
        Pump();
        // Glyph at (0, 20 / 2 − 8), no repaint asked for: setting the state is enough.
        const Pixels shown = OnScreen(box.m_hWnd);
        const Pixels glyph = Crop(shown, 0, 2, 16, 16);
        EXPECT_EQ(Closest(glyph, cells), c.nCell);
        EXPECT_LT(Distance(glyph, cells[static_cast<std::size_t>(c.nCell)]), 2.0);
        EXPECT_TRUE(IsWhiteColumn(shown, 16) && IsWhiteColumn(shown, 17)) << "text from 18";
        bool bText = false;
        for (int x = 18; x < shown.width && !bText; ++x) {
            bText = !IsWhiteColumn(shown, x);
        }
        EXPECT_TRUE(bText);
    }
}

TEST_F(ButtonWindows, CheckBoxAtOneAndAHalfHasA24PixelGlyphAndTextFrom26) {
    CCheckBoxBtn box;
    m_host.AddButton(box, BS_AUTOCHECKBOX, 10, 10, 140, 30, L"同意");
    box.m_fScale = 1.5f;
    box.SetFontFromParent();
    box.SendMessage(BM_SETCHECK, BST_CHECKED);
    const Pixels shown = Shown(box);
    // The glyph's ink fills the stretched 24 × 24 square at (0, 30 / 2 − 12) and no more.
    int left = shown.width, right = -1, top = shown.height, bottom = -1;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < 24; ++x) {
            if (shown.At(x, y) != kWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_GE(top, 3);
    EXPECT_LE(bottom, 26);
    EXPECT_GT(right - left + 1, 18) << "wider than an unscaled cell";
    EXPECT_TRUE(IsWhiteColumn(shown, 24) && IsWhiteColumn(shown, 25));
    EXPECT_FALSE(IsWhiteColumn(shown, 26) && IsWhiteColumn(shown, 27) && IsWhiteColumn(shown, 28))
        << "the text starts at 26";
}

TEST_F(ButtonWindows, CheckBoxClickTogglesNotifiesAndKeepsTheSkin) {
    CCheckBoxBtn box;
    m_host.AddButton(box, BS_AUTOCHECKBOX, 10, 10, 120, 20, L"同意");
    const RECT checked{16, 0, 32, 16}, unchecked{0, 0, 16, 16};
    const std::vector<Pixels> cells = {RenderPng(kCheckBoxStrip, 16, 16, &unchecked),
                                       RenderPng(kCheckBoxStrip, 16, 16, &checked)};
    for (int nClick = 1; nClick <= 2; ++nClick) {
        SCOPED_TRACE(nClick);
        box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 10));
        box.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
        Pump();
        EXPECT_EQ(m_host.nClicks, nClick);
        const int nCheck = static_cast<int>(box.SendMessage(BM_GETCHECK));
        EXPECT_EQ(nCheck, nClick % 2);
        // The system's own check box look must not stay on the screen.
        EXPECT_EQ(Closest(Crop(OnScreen(box.m_hWnd), 0, 2, 16, 16), cells), nCheck);
    }
}

TEST_F(ButtonWindows, CheckBoxWithoutItsGlyphImageShowsOnlyWhite) {
    CheckBoxWithoutGlyph box;
    m_host.AddButton(box, BS_AUTOCHECKBOX, 10, 10, 120, 20, L"同意");
    box.SendMessage(BM_SETCHECK, BST_CHECKED);
    const Pixels shown = Shown(box);
    for (int x = 0; x < shown.width; ++x) {
        ASSERT_TRUE(IsWhiteColumn(shown, x)) << x;
    }
}
