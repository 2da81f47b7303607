#include "framework/PaintBuffer.h"

void CPaintBuffer::Paint(HDC hTarget, const RECT& rcClient, const std::function<void(HDC)>& draw) {
    const int nWidth = rcClient.right;
    const int nHeight = rcClient.bottom;
    if (hTarget == nullptr || nWidth <= 0 || nHeight <= 0) {
        return;
    }
    if (!m_pSurface || m_pSurface->Width() != nWidth || m_pSurface->Height() != nHeight) {
        m_pSurface = std::make_unique<CMemDC>(hTarget, nWidth, nHeight);
    }
    if (!m_pSurface->IsValid()) {
        m_pSurface.reset();
        return;
    }
    draw(*m_pSurface);
    m_pSurface->CopyTo(hTarget);
}

void CPaintBuffer::Release() {
    m_pSurface.reset();
}

void PaintBuffered(HDC hTarget, const RECT& rcClient, const std::function<void(HDC)>& draw) {
    CPaintBuffer().Paint(hTarget, rcClient, draw);
}
