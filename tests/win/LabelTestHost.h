#pragma once
// A parent window with the dialogs' font and template-style static children for the label tests,
// and pixel reads of what a label draws.

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace label_test {

// The client area of a window as 0x00RRGGBB values, row by row from the top.
struct Pixels {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::uint32_t> data;

    COLORREF At(int x, int y) const {
        const std::uint32_t v =
            data[static_cast<std::size_t>(y) * static_cast<std::size_t>(nWidth) +
                 static_cast<std::size_t>(x)];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    bool operator==(const Pixels&) const = default;
};

inline bool Near(COLORREF a, COLORREF b, int nTolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

// Where the drawing differs from the background colour.
struct Ink {
    int nFirstRow = -1;
    int nLastRow = -1;
    int nFirstColumn = -1;
    int nLastColumn = -1;
    int nCount = 0;
    bool Any() const { return nCount > 0; }
    int Width() const { return Any() ? nLastColumn - nFirstColumn + 1 : 0; }
};

inline Ink InkOf(const Pixels& pixels, COLORREF crBackground) {
    Ink ink;
    for (int y = 0; y < pixels.nHeight; ++y) {
        for (int x = 0; x < pixels.nWidth; ++x) {
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

// Pixels close to a colour: text is smoothed, so its full colour shows on part of its strokes.
inline int CountNear(const Pixels& pixels, COLORREF cr, int nTolerance = 60) {
    int n = 0;
    for (int y = 0; y < pixels.nHeight; ++y) {
        for (int x = 0; x < pixels.nWidth; ++x) {
            n += Near(pixels.At(x, y), cr, nTolerance) ? 1 : 0;
        }
    }
    return n;
}

// A 32-bit top-down DIB selected into a memory DC for the length of one read.
class DibTarget {
public:
    DibTarget(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = nWidth;
        info.bmiHeader.biHeight = -nHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        HDC hScreen = GetDC(nullptr);
        m_hDC = CreateCompatibleDC(hScreen);
        ReleaseDC(nullptr, hScreen);
        m_hBitmap = CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
        m_hOld = SelectObject(m_hDC, m_hBitmap);
    }
    ~DibTarget() {
        SelectObject(m_hDC, m_hOld);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hDC);
    }
    DibTarget(const DibTarget&) = delete;
    DibTarget& operator=(const DibTarget&) = delete;

    HDC DC() const { return m_hDC; }
    Pixels Read() const {
        GdiFlush();
        Pixels pixels{m_nWidth, m_nHeight, {}};
        const auto* pBits = static_cast<const std::uint32_t*>(m_pBits);
        pixels.data.assign(pBits, pBits + static_cast<std::size_t>(m_nWidth) *
                                              static_cast<std::size_t>(m_nHeight));
        for (auto& v : pixels.data) {
            v &= 0x00FFFFFF;
        }
        return pixels;
    }

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    void* m_pBits = nullptr;
};

inline SIZE ClientSize(HWND hWnd) {
    RECT rc{};
    GetClientRect(hWnd, &rc);
    return {rc.right, rc.bottom};
}

// What the window draws for WM_PRINTCLIENT, which the labels answer with their painting.
inline Pixels Printed(HWND hWnd) {
    const SIZE size = ClientSize(hWnd);
    DibTarget target(size.cx, size.cy);
    SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.DC()), PRF_CLIENT);
    return target.Read();
}

// What is on the screen in the window's client area after its pending paint has run.
inline Pixels OnScreen(HWND hWnd) {
    UpdateWindow(hWnd);
    const SIZE size = ClientSize(hWnd);
    DibTarget target(size.cx, size.cy);
    HDC hWindowDC = GetDC(hWnd);
    BitBlt(target.DC(), 0, 0, size.cx, size.cy, hWindowDC, 0, 0, SRCCOPY);
    ReleaseDC(hWnd, hWindowDC);
    return target.Read();
}

// Runs the thread's messages for a while.
inline void Pump(DWORD nMilliseconds) {
    const ULONGLONG nEnd = GetTickCount64() + nMilliseconds;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    } while (GetTickCount64() < nEnd);
}

inline bool HasPendingPaint(HWND hWnd) {
    return GetUpdateRect(hWnd, nullptr, FALSE) != FALSE;
}

// A top-level window that answers WM_GETFONT with the templates' font (宋体, 10 points at 96
// dots per inch) and holds static children made as the templates make them.
class Host {
public:
    Host() {
        m_hFont = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, L"宋体");
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Host::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        RegisterClassW(&wc); // a second registration fails harmlessly
        m_hWnd = CreateWindowExW(WS_EX_TOPMOST, kClass, L"labels", WS_POPUP | WS_VISIBLE, 40, 40,
                                 480, 320, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_hFont));
        Pump(50);
    }
    ~Host() {
        DestroyWindow(m_hWnd);
        DeleteObject(m_hFont);
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    HWND Window() const { return m_hWnd; }
    HFONT Font() const { return m_hFont; }

    // A static child as the dialog templates declare the labels' controls.
    HWND AddStatic(const std::wstring& text, int x, int y, int nWidth, int nHeight) {
        return CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | WS_GROUP, x, y,
                               nWidth, nHeight, m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(++m_nLastId)),
                               GetModuleHandleW(nullptr), nullptr);
    }

    // Height of one line of the font, as DrawText steps with DT_EXTERNALLEADING.
    int LineHeight() const {
        HDC hDC = GetDC(m_hWnd);
        HGDIOBJ hOld = SelectObject(hDC, m_hFont);
        TEXTMETRICW tm{};
        GetTextMetricsW(hDC, &tm);
        SelectObject(hDC, hOld);
        ReleaseDC(m_hWnd, hDC);
        return tm.tmHeight + tm.tmExternalLeading;
    }

private:
    static constexpr wchar_t kClass[] = L"KelvaneLabelTestHost";

    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_GETFONT) {
            return GetWindowLongPtrW(hWnd, GWLP_USERDATA);
        }
        return DefWindowProcW(hWnd, msg, wParam, lParam);
    }

    HFONT m_hFont = nullptr;
    HWND m_hWnd = nullptr;
    int m_nLastId = 1000;
};

// GDI+ for the length of a test that draws images.
class GdiplusSession {
public:
    GdiplusSession() {
        const Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
    }
    ~GdiplusSession() { Gdiplus::GdiplusShutdown(m_token); }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR m_token = 0;
};

// A 40×20 image: its left half one colour, its right half another.
inline std::unique_ptr<Gdiplus::Bitmap> TwoColourImage(COLORREF crLeft, COLORREF crRight) {
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

} // namespace label_test
