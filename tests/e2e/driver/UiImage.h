#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// What the screen showed in a rectangle at one moment, as a person would see it: copied from
// the screen, so whatever covers the window is in the picture too, and parts off the screen are
// black. Kept as plain pixels; no GDI object outlives the capture.
class UiImage {
public:
    // Copies the screen inside rc (screen coordinates). Throws UiDriverError on an empty
    // rectangle or if the copy fails.
    static UiImage CaptureScreen(const RECT& rc);
    // Copies the screen under hWnd's window rectangle (caption and frame included).
    static UiImage CaptureWindow(HWND hWnd);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // Where the picture was taken from, in screen coordinates.
    const RECT& ScreenRect() const { return m_rcScreen; }

    // The colour at (x, y), relative to the picture's top-left; throws outside the picture.
    COLORREF Pixel(int x, int y) const;
    // The colour at a screen point inside the picture.
    COLORREF PixelAtScreen(POINT pt) const {
        return Pixel(pt.x - m_rcScreen.left, pt.y - m_rcScreen.top);
    }

    // Same size and the same colour at every pixel.
    bool SamePixels(const UiImage& other) const {
        return m_nWidth == other.m_nWidth && m_nHeight == other.m_nHeight &&
               m_pixels == other.m_pixels;
    }

    // Writes the picture as a PNG file through GDI+, creating missing folders on the way.
    // Throws UiDriverError on failure.
    void SavePng(const std::wstring& path) const;

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    RECT m_rcScreen{};
    // Top-down rows of 0x00RRGGBB, as a 32-bit DIB section holds them.
    std::vector<std::uint32_t> m_pixels;
};
