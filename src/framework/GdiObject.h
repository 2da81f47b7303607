#pragma once

#include <windows.h>

// Owners of GDI resources: each gives back what it holds when it goes out of scope, the way
// that kind of handle must be given back, so no path through a paint or a window's life leaks.

// A brush, pen, font, bitmap or region, deleted with DeleteObject.
template <class T> class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(T hObject) : m_hObject(hObject) {}
    ~CGdiObject() { Reset(); }
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        if (this != &other) {
            Reset(other.Detach());
        }
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    operator T() const { return m_hObject; }
    T Get() const { return m_hObject; }
    // Deletes the object held and takes hObject in its place.
    void Reset(T hObject = nullptr) {
        if (m_hObject != nullptr && m_hObject != hObject) {
            ::DeleteObject(m_hObject);
        }
        m_hObject = hObject;
    }
    // Gives the object up without deleting it.
    T Detach() {
        T hObject = m_hObject;
        m_hObject = nullptr;
        return hObject;
    }

private:
    T m_hObject = nullptr;
};

// Keeps an object selected into a DC for the guard's life and puts the previous one back.
// A null object selects nothing.
class CSelectGuard {
public:
    CSelectGuard(HDC hDC, HGDIOBJ hObject)
        : m_hDC(hDC),
          m_hOld(hDC != nullptr && hObject != nullptr ? ::SelectObject(hDC, hObject) : nullptr) {}
    ~CSelectGuard() {
        if (m_hOld != nullptr) {
            ::SelectObject(m_hDC, m_hOld);
        }
    }
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// A window's DC from GetDC (the whole screen's for a null window), released with ReleaseDC.
class CWindowDC {
public:
    explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~CWindowDC() {
        if (m_hDC != nullptr) {
            ::ReleaseDC(m_hWnd, m_hDC);
        }
    }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;

    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A memory DC with a bitmap of its own selected for the object's life: compatible with a
// target DC, or a 32-bit top-down DIB section whose bits keep per-pixel alpha. On the way out
// the DC gets its original bitmap back before both are deleted.
class CMemDC {
public:
    enum class Surface { Compatible, Dib32 };

    CMemDC(HDC hTarget, int nWidth, int nHeight, Surface surface = Surface::Compatible);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // Both the DC and its bitmap exist; drawing into an invalid one goes nowhere.
    bool IsValid() const { return m_hBitmap != nullptr; }
    operator HDC() const { return m_hDC; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The DIB section's pixels, null for a compatible bitmap.
    void* Bits() const { return m_pBits; }
    // Copies the whole surface to hTarget's origin.
    void CopyTo(HDC hTarget) const;

private:
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    void* m_pBits = nullptr;
    int m_nWidth;
    int m_nHeight;
};
