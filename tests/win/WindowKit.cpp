#include "WindowKit.h"

#include "ui/PngResource.h"

#include <algorithm>
#include <cstdlib>

void Pump(DWORD nMilliseconds) {
    const ULONGLONG nEnd = GetTickCount64() + nMilliseconds;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount64() < nEnd);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD nMilliseconds, HANDLE hWait) {
    const ULONGLONG nEnd = GetTickCount64() + nMilliseconds;
    while (!condition()) {
        if (GetTickCount64() >= nEnd) {
            return false;
        }
        MsgWaitForMultipleObjects(hWait != nullptr ? 1 : 0, &hWait, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return true;
}

Pixels DrawnOffScreen(int w, int h, const std::function<void(HDC)>& draw) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMemDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
    Pixels pixels{w, h, {}};
    if (pBits != nullptr) {
        draw(hMemDC);
        GdiFlush();
        const auto* pSource = static_cast<const std::uint32_t*>(pBits);
        pixels.rgb.assign(pSource, pSource + static_cast<std::ptrdiff_t>(w) * h);
        for (std::uint32_t& v : pixels.rgb) {
            v &= 0xFFFFFF;
        }
    }
    SelectObject(hMemDC, hOld);
    DeleteDC(hMemDC);
    DeleteObject(hBitmap);
    return pixels;
}

namespace {

SIZE ClientSize(HWND hWnd) {
    RECT rc{};
    GetClientRect(hWnd, &rc);
    return {rc.right, rc.bottom};
}

} // namespace

Pixels OnScreen(HWND hWnd) {
    UpdateWindow(hWnd);
    const SIZE size = ClientSize(hWnd);
    HDC hWindowDC = GetDC(hWnd);
    Pixels pixels = DrawnOffScreen(size.cx, size.cy, [&](HDC hDC) {
        BitBlt(hDC, 0, 0, size.cx, size.cy, hWindowDC, 0, 0, SRCCOPY);
    });
    ReleaseDC(hWnd, hWindowDC);
    return pixels;
}

Pixels Printed(HWND hWnd) {
    const SIZE size = ClientSize(hWnd);
    return DrawnOffScreen(size.cx, size.cy, [&](HDC hDC) {
        SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT);
    });
}

Pixels RenderPng(UINT nPng, int w, int h, const RECT* pSource, UINT nUnder,
                 const RECT* pUnderSource) {
    return DrawnOffScreen(w, h, [&](HDC hDC) {
        RECT all{0, 0, w, h};
        FillRect(hDC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        Gdiplus::Graphics graphics(hDC);
        const auto draw = [&](UINT nId, const RECT* pSrc) {
            CImagePtr pImage;
            if (!LoadPngResource(&pImage, nId)) {
                ADD_FAILURE() << "image " << nId;
                return;
            }
            const RECT src = pSrc != nullptr ? *pSrc
                                             : RECT{0, 0, static_cast<LONG>(pImage->GetWidth()),
                                                    static_cast<LONG>(pImage->GetHeight())};
            graphics.DrawImage(pImage.get(), Gdiplus::Rect(0, 0, w, h), src.left, src.top,
                               src.right - src.left, src.bottom - src.top, Gdiplus::UnitPixel);
        };
        if (nUnder != 0) {
            draw(nUnder, pUnderSource);
        }
        draw(nPng, pSource);
    });
}

Pixels Crop(const Pixels& pixels, int left, int top, int w, int h) {
    Pixels out{w, h, {}};
    for (int y = top; y < top + h; ++y) {
        for (int x = left; x < left + w; ++x) {
            out.rgb.push_back(pixels.Rgb(x, y));
        }
    }
    return out;
}

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

bool Near(COLORREF a, COLORREF b, int nTolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

int CountNear(const Pixels& pixels, COLORREF cr, int nTolerance) {
    int n = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            n += Near(pixels.At(x, y), cr, nTolerance) ? 1 : 0;
        }
    }
    return n;
}

bool IsColumnOf(const Pixels& pixels, int x, COLORREF cr) {
    for (int y = 0; y < pixels.height; ++y) {
        if (pixels.At(x, y) != cr) {
            return false;
        }
    }
    return true;
}

Ink InkOf(const Pixels& pixels, COLORREF crBackground) {
    Ink ink;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            if (Near(pixels.At(x, y), crBackground, 40)) {
                continue;
            }
            if (!ink.Any()) {
                ink.nFirstRow = y;
                ink.nFirstColumn = x;
                ink.nLastColumn = x;
            }
            ink.nLastRow = y;
            ink.nFirstColumn = std::min(ink.nFirstColumn, x);
            ink.nLastColumn = std::max(ink.nLastColumn, x);
            ++ink.nCount;
        }
    }
    return ink;
}

namespace {

constexpr wchar_t kHostClass[] = L"KelvaneTestHost";

LRESULT CALLBACK HostProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

} // namespace

TestHost::TestHost()
    : m_hFont(CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                          L"宋体")),
      m_hBrush(CreateSolidBrush(kHostColor)) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kHostClass;
    RegisterClassW(&wc); // a second registration fails harmlessly
    HWND hWnd =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kHostClass, L"", WS_POPUP | WS_VISIBLE,
                        40, 40, 480, 320, nullptr, nullptr, wc.hInstance, nullptr);
    EXPECT_NE(hWnd, nullptr);
    SubclassWindow(hWnd);
    Pump();
}

TestHost::~TestHost() {
    if (m_hWnd != nullptr) {
        DestroyWindow(m_hWnd);
    }
    DeleteObject(m_hBrush);
    DeleteObject(m_hFont);
}

int TestHost::LineHeight() const {
    HDC hDC = GetDC(m_hWnd);
    HGDIOBJ hOld = SelectObject(hDC, m_hFont);
    TEXTMETRICW tm{};
    GetTextMetricsW(hDC, &tm);
    SelectObject(hDC, hOld);
    ReleaseDC(m_hWnd, hDC);
    return tm.tmHeight + tm.tmExternalLeading;
}

HWND TestHost::AddStatic(const std::wstring& text, int x, int y, int w, int h) {
    return CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | WS_GROUP, x, y, w, h,
                           m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(++m_nLastId)),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND TestHost::AddButton(CWnd& control, DWORD style, int x, int y, int w, int h,
                         const wchar_t* pText) {
    HWND hChild =
        CreateWindowExW(0, L"BUTTON", pText, WS_CHILD | WS_VISIBLE | style, x, y, w, h, m_hWnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(++m_nLastId)),
                        GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(hChild, nullptr);
    EXPECT_TRUE(control.SubclassWindow(hChild));
    return hChild;
}

LRESULT TestHost::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_hFont);
    case WM_ERASEBKGND: {
        RECT rc = GetClientRect();
        FillRect(reinterpret_cast<HDC>(wParam), &rc, m_hBrush);
        return TRUE;
    }
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(m_hBrush);
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            ++nClicks;
        }
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

std::unique_ptr<Gdiplus::Bitmap> TwoColourImage(COLORREF crLeft, COLORREF crRight) {
    auto pImage = std::make_unique<Gdiplus::Bitmap>(40, 20, PixelFormat32bppARGB);
    Gdiplus::Graphics graphics(pImage.get());
    const Gdiplus::SolidBrush left(
        Gdiplus::Color(255, GetRValue(crLeft), GetGValue(crLeft), GetBValue(crLeft)));
    const Gdiplus::SolidBrush right(
        Gdiplus::Color(255, GetRValue(crRight), GetGValue(crRight), GetBValue(crRight)));
    graphics.FillRectangle(&left, 0, 0, 20, 20);
    graphics.FillRectangle(&right, 20, 0, 20, 20);
    return pImage;
}
