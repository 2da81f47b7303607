#pragma once

#include "framework/GdiObject.h"

#include <windows.h>

#include <functional>
#include <memory>

// The one way the skin paints: a client area is composed in a memory bitmap and copied to the
// screen in one BitBlt, so a repaint never shows half a picture. A buffer kept as a member reuses
// its bitmap while the size stays the same; PaintBuffered uses a fresh one each time.
class CPaintBuffer {
public:
    // Calls draw with a memory DC of rcClient's size (origin at 0, 0), then copies it to hTarget.
    // Nothing happens for an empty rectangle, a null target or when no bitmap can be made.
    void Paint(HDC hTarget, const RECT& rcClient, const std::function<void(HDC)>& draw);
    // Gives the bitmap back now rather than with the object.
    void Release();

private:
    std::unique_ptr<CMemDC> m_pSurface;
};

void PaintBuffered(HDC hTarget, const RECT& rcClient, const std::function<void(HDC)>& draw);
