#pragma once
// What the in-process window tests share: running the thread's messages, a host window for
// controls, GDI+ for a test's length, and pictures read from windows, drawn off-screen or
// rendered from the artwork, with ways to compare them.

#include "GdiplusSession.h"

#include "framework/Wnd.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// ---- Messages ---------------------------------------------------------------------------

// Runs the thread's messages for a while.
void Pump(DWORD nMilliseconds = 60);
// Runs the thread's messages until condition holds (checked after each wake-up, also by a
// signalled hWait), or nMilliseconds have passed; false when it never held.
bool PumpUntil(const std::function<bool()>& condition, DWORD nMilliseconds, HANDLE hWait = nullptr);

inline bool HasPendingPaint(HWND hWnd) {
    return GetUpdateRect(hWnd, nullptr, FALSE) != FALSE;
}

// ---- Pictures ---------------------------------------------------------------------------

// A picture as 0x00RRGGBB values, row by row from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;

    std::uint32_t Rgb(int x, int y) const {
        return rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)];
    }
    COLORREF At(int x, int y) const {
        const std::uint32_t v = Rgb(x, y);
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    bool operator==(const Pixels&) const = default;
};

// Runs draw on a w × h 32-bit DIB in a memory DC and returns what it drew.
Pixels DrawnOffScreen(int w, int h, const std::function<void(HDC)>& draw);
// What is on the screen in the window's client area after its pending paint has run.
Pixels OnScreen(HWND hWnd);
// What the window draws for WM_PRINTCLIENT.
Pixels Printed(HWND hWnd);
// A PNG resource (its source rectangle, or all of it) stretched to w × h over white, optionally
// over a patch of another image first.
Pixels RenderPng(UINT nPng, int w, int h, const RECT* pSource = nullptr, UINT nUnder = 0,
                 const RECT* pUnderSource = nullptr);
Pixels Crop(const Pixels& pixels, int left, int top, int w, int h);

// Mean difference per channel, 0 for equal pictures, huge for different sizes.
double Distance(const Pixels& a, const Pixels& b);
// Index of the candidate closest to the picture.
int Closest(const Pixels& picture, const std::vector<Pixels>& candidates);
// Channel by channel within nTolerance.
bool Near(COLORREF a, COLORREF b, int nTolerance);
// Pixels close to a colour: text is smoothed, so its full colour shows on part of its strokes.
int CountNear(const Pixels& pixels, COLORREF cr, int nTolerance = 60);
bool IsColumnOf(const Pixels& pixels, int x, COLORREF cr);

// Where a picture differs from its background colour.
struct Ink {
    int nFirstRow = -1;
    int nLastRow = -1;
    int nFirstColumn = -1;
    int nLastColumn = -1;
    int nCount = 0;
    bool Any() const { return nCount > 0; }
    int Width() const { return Any() ? nLastColumn - nFirstColumn + 1 : 0; }
};
Ink InkOf(const Pixels& pixels, COLORREF crBackground);

// ---- A host for controls ------------------------------------------------------------------

// A topmost popup standing in for a dialog: it answers WM_GETFONT with the templates' font
// (宋体, 10 points at 96 dots per inch), paints and answers WM_CTLCOLORBTN in kHostColor, so a
// control drawing nothing is seen, routes owner-drawing to its children's objects and counts
// their clicks.
class TestHost : public CWnd {
public:
    static constexpr COLORREF kHostColor = RGB(255, 0, 255);

    TestHost();
    ~TestHost() override;
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    HWND Window() const { return m_hWnd; }
    HFONT Font() const { return m_hFont; }
    // Height of one line of the font, as DrawText steps with DT_EXTERNALLEADING.
    int LineHeight() const;

    // A static child as the dialog templates declare the labels' controls.
    HWND AddStatic(const std::wstring& text, int x, int y, int w, int h);
    // A button child of the given style, bound to control.
    HWND AddButton(CWnd& control, DWORD style, int x, int y, int w, int h,
                   const wchar_t* pText = L"");

    int nClicks = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    HFONT m_hFont = nullptr;
    HBRUSH m_hBrush = nullptr;
    int m_nLastId = 1000;
};

// A 40×20 image: its left half one colour, its right half another.
std::unique_ptr<Gdiplus::Bitmap> TwoColourImage(COLORREF crLeft, COLORREF crRight);
