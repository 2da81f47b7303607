// The image buttons and the check box in real windows, judged by the pixels they leave on the
// screen: each drawn picture is compared with the artwork rendered here on its own.
#include "ui/CheckBoxBtn.h"
#include "ui/ImageButton.h"
#include "ui/PngButton.h"
#include "ui/PngResource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr UINT kCloseImages[] = {151, 152, 153, 154}; // 26 × 34, opaque
constexpr UINT kLargeImages[] = {206, 207, 208, 209}; // 82 × 47, opaque
constexpr UINT kOtherImages[] = {161, 162, 163, 164}; // 266 × 60, transparent edges
constexpr UINT kPanelBackground = 149;                // 400 × 600, opaque
constexpr UINT kCheckBoxStrip = 150;                  // 48 × 16
constexpr UINT kMissingPng = 192;                     // a gap in the resource range
constexpr COLORREF kHostColor = RGB(255, 0, 255);     // what the host paints behind
constexpr uint32_t kWhite = 0xFFFFFF;

// A picture as 0xRRGGBB values, row by row.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;

    uint32_t At(int x, int y) const {
        return rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)];
    }
};

// Mean difference per channel, 0 for equal pictures.
double Distance(const Pixels& a, const Pixels& b) {
    if (a.width != b.width || a.height != b.height || a.rgb.empty()) {
        return 1e9;
    }
    double sum = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i) {
        for (int shift : {0, 8, 16}) {
            sum += std::abs(static_cast<int>((a.rgb[i] >> shift) & 0xFF) -
                            static_cast<int>((b.rgb[i] >> shift) & 0xFF));
        }
    }
    return sum / static_cast<double>(a.rgb.size() * 3);
}

// Runs fn with a 32-bit top-down DIB of w × h selected into a memory DC, then reads it back.
template <typename Fn> Pixels WithSurface(int w, int h, Fn fn) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMemDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
    fn(hMemDC);
    GdiFlush();
    Pixels pixels{w, h, {}};
    const auto* pSource = static_cast<const uint32_t*>(pBits);
    pixels.rgb.assign(pSource, pSource + static_cast<std::ptrdiff_t>(w) * h);
    for (uint32_t& v : pixels.rgb) {
        v &= 0xFFFFFF;
    }
    SelectObject(hMemDC, hOld);
    DeleteDC(hMemDC);
    DeleteObject(hBitmap);
    return pixels;
}

// What a window shows now.
Pixels Grab(HWND hWnd) {
    RECT rc{};
    GetClientRect(hWnd, &rc);
    HDC hWindowDC = GetDC(hWnd);
    Pixels pixels = WithSurface(rc.right, rc.bottom, [&](HDC hDC) {
        BitBlt(hDC, 0, 0, rc.right, rc.bottom, hWindowDC, 0, 0, SRCCOPY);
    });
    ReleaseDC(hWnd, hWindowDC);
    return pixels;
}

// A resource image (source rectangle src, or all of it) over white, stretched to w × h.
Pixels Render(UINT nPng, int w, int h, const RECT* pSource = nullptr, UINT nUnder = 0,
              const RECT* pUnderSource = nullptr) {
    return WithSurface(w, h, [&](HDC hDC) {
        RECT all{0, 0, w, h};
        FillRect(hDC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        Gdiplus::Graphics graphics(hDC);
        auto draw = [&](UINT nId, const RECT* pSrc) {
            Gdiplus::Image* pImage = nullptr;
            if (!LoadPngResource(&pImage, nId)) {
                ADD_FAILURE() << "image " << nId;
                return;
            }
            const RECT src = pSrc != nullptr ? *pSrc
                                             : RECT{0, 0, static_cast<LONG>(pImage->GetWidth()),
                                                    static_cast<LONG>(pImage->GetHeight())};
            graphics.DrawImage(pImage, Gdiplus::Rect(0, 0, w, h), src.left, src.top,
                               src.right - src.left, src.bottom - src.top, Gdiplus::UnitPixel);
            delete pImage;
        };
        if (nUnder != 0) {
            draw(nUnder, pUnderSource);
        }
        draw(nPng, pSource);
    });
}

Pixels Crop(const Pixels& p, int left, int top, int w, int h) {
    Pixels out{w, h, {}};
    for (int y = top; y < top + h; ++y) {
        for (int x = left; x < left + w; ++x) {
            out.rgb.push_back(p.At(x, y));
        }
    }
    return out;
}

// Index of the candidate closest to the picture.
int Closest(const Pixels& picture, const std::vector<Pixels>& candidates) {
    int nBest = -1;
    double best = 1e18;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const double d = Distance(picture, candidates[i]);
        if (d < best) {
            best = d;
            nBest = static_cast<int>(i);
        }
    }
    return nBest;
}

void Pump(DWORD ms = 60) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

LRESULT CALLBACK HostProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

// A topmost popup whose owner-drawn children reach their objects, and which answers the
// buttons' colour question with magenta, so that a button drawing nothing is seen.
class Host : public CWnd {
public:
    Host() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KelvaneButtonTestHost";
        wc.hbrBackground = m_hBrush;
        RegisterClassW(&wc);
        HWND hWnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"",
                                    WS_POPUP | WS_VISIBLE, 40, 40, 420, 200, nullptr, nullptr,
                                    wc.hInstance, nullptr);
        SubclassWindow(hWnd);
    }
    ~Host() override {
        if (m_hWnd != nullptr) {
            DestroyWindow(m_hWnd);
        }
        DeleteObject(m_hBrush);
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // A child control of the given style, bound to pControl.
    HWND Add(CWnd& control, DWORD style, int x, int y, int w, int h, const wchar_t* pText = L"") {
        HWND hChild = CreateWindowExW(0, L"BUTTON", pText, WS_CHILD | WS_VISIBLE | style, x, y, w,
                                      h, m_hWnd, reinterpret_cast<HMENU>(++m_nNextId),
                                      GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(hChild, nullptr);
        EXPECT_TRUE(control.SubclassWindow(hChild));
        return hChild;
    }

    int nClicks = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_CTLCOLORBTN) {
            return reinterpret_cast<LRESULT>(m_hBrush);
        }
        if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            ++nClicks;
        }
        return CWnd::WindowProc(msg, wParam, lParam);
    }

private:
    HBRUSH m_hBrush = CreateSolidBrush(kHostColor);
    INT_PTR m_nNextId = 100;
};

// Repaints a control now and returns what it shows.
Pixels Shown(CWnd& control) {
    control.Invalidate(TRUE);
    UpdateWindow(control.m_hWnd);
    Pump();
    return Grab(control.m_hWnd);
}

std::vector<Pixels> Renders(const UINT (&ids)[4], int w, int h, const RECT* pSource = nullptr) {
    std::vector<Pixels> out;
    for (UINT nId : ids) {
        out.push_back(Render(nId, w, h, pSource));
    }
    return out;
}

class ButtonWindows : public testing::Test {
protected:
    void SetUp() override {
        const Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&m_token, &input, nullptr), Gdiplus::Ok);
        m_host = std::make_unique<Host>();
        ASSERT_NE(m_host->m_hWnd, nullptr);
        Pump();
    }
    void TearDown() override {
        m_host.reset();
        if (m_token != 0) {
            Gdiplus::GdiplusShutdown(m_token);
        }
    }

    ULONG_PTR m_token = 0;
    std::unique_ptr<Host> m_host;
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
    m_host->Add(button, BS_OWNERDRAW, 10, 10, 26, 34);
    const std::vector<Pixels> expected = Renders(kCloseImages, 26, 34);
    const Pixels host = WithSurface(26, 34, [](HDC hDC) {
        RECT rc{0, 0, 26, 34};
        HBRUSH hBrush = CreateSolidBrush(kHostColor);
        FillRect(hDC, &rc, hBrush);
        DeleteObject(hBrush);
    });
    EXPECT_LT(Distance(Shown(button), host), 1.0) << "no images: nothing drawn over the erase";

    button.SetImages(151, 152, 153, 154);
    for (Gdiplus::Image* pImage : button.m_pImages) {
        EXPECT_NE(pImage, nullptr);
    }
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
    EXPECT_EQ(Closest(Grab(button.m_hWnd), expected), 1);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(button.m_nState, BUTTON_STATE_PRESSED);
    EXPECT_EQ(Closest(Grab(button.m_hWnd), expected), 2);
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(button.m_nState, BUTTON_STATE_HOVER) << "released over the button: hover again";
    EXPECT_EQ(m_host->nClicks, 1);
    button.SendMessage(WM_MOUSELEAVE);
    Pump();
    EXPECT_EQ(button.m_nState, BUTTON_STATE_NORMAL);
    EXPECT_FALSE(button.m_bTracking);
    EXPECT_EQ(Closest(Grab(button.m_hWnd), expected), 0);

    button.EnableWindow(FALSE);
    button.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(button.m_nState, BUTTON_STATE_NORMAL) << "disabled: the pointer changes nothing";
    button.EnableWindow(TRUE);

    button.FreeImages();
    for (Gdiplus::Image* pImage : button.m_pImages) {
        EXPECT_EQ(pImage, nullptr);
    }
    EXPECT_LT(Distance(Shown(button), host), 1.0);
    button.FreeImages(); // twice is harmless
}

TEST_F(ButtonWindows, PngButtonAboveScaleOneLeavesTheImagesLastRowAndColumnOut) {
    CPngButton button;
    m_host->Add(button, BS_OWNERDRAW, 10, 10, 15, 15);
    button.SetImages(174, 175, 176, 176);
    button.m_fScale = 1.25f;
    const RECT inner{0, 0, 11, 11};
    const Pixels fromInner = Render(174, 15, 15, &inner);
    const Pixels fromAll = Render(174, 15, 15);
    ASSERT_GT(Distance(fromInner, fromAll), 0.5) << "the two ways must look different";
    const Pixels shown = Shown(button);
    EXPECT_LT(Distance(shown, fromInner), Distance(shown, fromAll));
    button.m_fScale = 1.0f;
    const Pixels unscaled = Shown(button);
    EXPECT_LT(Distance(unscaled, fromAll), Distance(unscaled, fromInner));
}

TEST_F(ButtonWindows, ImageButtonDrawsStatesOverTheBackgroundPatch) {
    CImageButton button;
    m_host->Add(button, BS_OWNERDRAW, 10, 10, 82, 47);
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
    const Pixels disabled = Grab(button.m_hWnd);
    EXPECT_EQ(Closest(disabled, expected), 3);
    EXPECT_LT(Distance(disabled, expected[3]), 2.0);
    button.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(button.m_nState, BUTTON_STATE_DISABLED);
    EnableFromAnotherThread(button, TRUE);
    EXPECT_EQ(button.m_nState, BUTTON_STATE_NORMAL);
    EXPECT_TRUE(button.IsWindowEnabled());
    Pump();
    EXPECT_EQ(Closest(Grab(button.m_hWnd), expected), 0);

    // Transparent artwork over the parent's background: the patch shows through its edges.
    CImageButton other;
    m_host->Add(other, BS_OWNERDRAW, 100, 10, 266, 60);
    other.SetImages(161, 162, 163, 164);
    Gdiplus::Image* pBackground = nullptr;
    ASSERT_TRUE(LoadPngResource(&pBackground, kPanelBackground));
    const RECT patch{60, 300, 326, 360};
    other.SetBkImage(pBackground);
    other.SetBkRect(patch.left, patch.top, patch.right, patch.bottom);
    const Pixels overPatch = Render(161, 266, 60, nullptr, kPanelBackground, &patch);
    const Pixels overWhite = Render(161, 266, 60);
    ASSERT_GT(Distance(overPatch, overWhite), 0.5);
    const Pixels shown = Shown(other);
    EXPECT_LT(Distance(shown, overPatch), 2.0);

    // Without images the erase still lays the patch, and DrawItem adds nothing.
    other.FreeImages();
    for (Gdiplus::Image* pImage : other.m_pImages) {
        EXPECT_EQ(pImage, nullptr);
    }
    const Pixels patchOnly = Render(kPanelBackground, 266, 60, &patch);
    EXPECT_LT(Distance(Shown(other), patchOnly), 2.0);
    other.SetBkImage(nullptr);
    EXPECT_EQ(Shown(other).At(130, 30), kWhite);
    delete pBackground;
}

TEST_F(ButtonCursor, ImageButtonCursorInsideHonoursTheMargins) {
    CImageButton button;
    HWND hButton = m_host->Add(button, BS_OWNERDRAW, 10, 10, 82, 47);
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
    m_host->Add(png, BS_OWNERDRAW, 10, 10, 26, 34);
    CImageButton image;
    m_host->Add(image, BS_OWNERDRAW, 100, 10, 82, 47);
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
    for (int y = 0; y < p.height; ++y) {
        if (p.At(x, y) != kWhite) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST_F(ButtonWindows, CheckBoxShowsTheCellOfItsStateAndTheText) {
    CCheckBoxBtn box;
    m_host->Add(box, BS_AUTO3STATE, 10, 10, 120, 20, L"同意");
    box.SetFontFromParent();
    const RECT unchecked{0, 0, 16, 16}, checked{16, 0, 32, 16};
    const std::vector<Pixels> cells = {Render(kCheckBoxStrip, 16, 16, &unchecked),
                                       Render(kCheckBoxStrip, 16, 16, &checked)};
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
        const Pixels shown = Grab(box.m_hWnd);
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
    m_host->Add(box, BS_AUTOCHECKBOX, 10, 10, 140, 30, L"同意");
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
    m_host->Add(box, BS_AUTOCHECKBOX, 10, 10, 120, 20, L"同意");
    const RECT checked{16, 0, 32, 16}, unchecked{0, 0, 16, 16};
    const std::vector<Pixels> cells = {Render(kCheckBoxStrip, 16, 16, &unchecked),
                                       Render(kCheckBoxStrip, 16, 16, &checked)};
    for (int nClick = 1; nClick <= 2; ++nClick) {
        SCOPED_TRACE(nClick);
        box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 10));
        box.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
        Pump();
        EXPECT_EQ(m_host->nClicks, nClick);
        const int nCheck = static_cast<int>(box.SendMessage(BM_GETCHECK));
        EXPECT_EQ(nCheck, nClick % 2);
        // The system's own check box look must not stay on the screen.
        EXPECT_EQ(Closest(Crop(Grab(box.m_hWnd), 0, 2, 16, 16), cells), nCheck);
    }
}

TEST_F(ButtonWindows, CheckBoxWithoutItsGlyphImageShowsOnlyWhite) {
    CheckBoxWithoutGlyph box;
    m_host->Add(box, BS_AUTOCHECKBOX, 10, 10, 120, 20, L"同意");
    box.SendMessage(BM_SETCHECK, BST_CHECKED);
    const Pixels shown = Shown(box);
    for (int x = 0; x < shown.width; ++x) {
        ASSERT_TRUE(IsWhiteColumn(shown, x)) << x;
    }
}
