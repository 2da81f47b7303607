#include "ui/PngButton.h"

#include "ui/ButtonGeometry.h"

namespace {

COLORREF CaptionColor(ButtonImage image) {
    switch (image) {
    case ButtonImage::Hover:
    case ButtonImage::Pressed:
        return RGB(255, 255, 255);
    case ButtonImage::Disabled:
        return RGB(192, 192, 192);
    case ButtonImage::Normal:
        break;
    }
    return RGB(0, 0, 0);
}

} // namespace

void CPngButton::DrawItem(DRAWITEMSTRUCT* pDraw) {
    if (pDraw == nullptr) {
        return;
    }
    if (!HasAllImages()) {
        return;
    }
    // An owner-drawn button's item rectangle is its client area.
    const RECT rc{0, 0, pDraw->rcItem.right - pDraw->rcItem.left,
                  pDraw->rcItem.bottom - pDraw->rcItem.top};
    ButtonImage image = ButtonImage::Normal;
    Gdiplus::Image* pImage = CurrentImage(&image);
    if (pImage == nullptr) {
        return;
    }
    Compose(pDraw->hDC, rc, pImage,
            ButtonGeometry::ImageSource(static_cast<int>(pImage->GetWidth()),
                                        static_cast<int>(pImage->GetHeight()), m_fScale),
            CaptionColor(image));
}
