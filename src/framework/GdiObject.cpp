#include "framework/GdiObject.h"

CMemDC::CMemDC(HDC hTarget, int nWidth, int nHeight, Surface surface)
    : m_nWidth(nWidth), m_nHeight(nHeight) {
    if (nWidth <= 0 || nHeight <= 0) {
        return;
    }
    m_hDC = ::CreateCompatibleDC(hTarget);
    if (m_hDC == nullptr) {
        return;
    }
    if (surface == Surface::Dib32) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = nWidth;
        info.bmiHeader.biHeight = -nHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
    } else {
        // Compatible with the target, not with the memory DC, which starts monochrome.
        m_hBitmap = ::CreateCompatibleBitmap(hTarget, nWidth, nHeight);
    }
    if (m_hBitmap == nullptr) {
        m_pBits = nullptr;
        return;
    }
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
}

CMemDC::~CMemDC() {
    if (m_hOldBitmap != nullptr) {
        ::SelectObject(m_hDC, m_hOldBitmap);
    }
    if (m_hBitmap != nullptr) {
        ::DeleteObject(m_hBitmap);
    }
    if (m_hDC != nullptr) {
        ::DeleteDC(m_hDC);
    }
}

void CMemDC::CopyTo(HDC hTarget) const {
    if (IsValid() && hTarget != nullptr) {
        ::BitBlt(hTarget, 0, 0, m_nWidth, m_nHeight, m_hDC, 0, 0, SRCCOPY);
    }
}
