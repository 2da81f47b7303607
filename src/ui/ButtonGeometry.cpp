#include "ui/ButtonGeometry.h"

#include <algorithm>

namespace {

constexpr int kGlyphSize = 16; // one cell of the check-box strip, design pixels
constexpr int kTextGap = 2;    // unscaled, as the artwork was measured

} // namespace

PixelRect ButtonGeometry::ImageSource(int nImageWidth, int nImageHeight, float fScale) {
    if (fScale > 1.0f) {
        // An image that failed to decode reads as 0 × 0; never hand GDI+ a negative size.
        return {0, 0, std::max(nImageWidth - 1, 0), std::max(nImageHeight - 1, 0)};
    }
    return {0, 0, nImageWidth, nImageHeight};
}

PixelRect ButtonGeometry::InsideMargins(const PixelRect& client, const ButtonMargins& margins) {
    return {client.left + margins.left, client.top + margins.top, client.right - margins.right,
            client.bottom - margins.bottom};
}

PixelRect ButtonGeometry::CheckGlyphRect(const PixelRect& client, float fScale) {
    const int nSize = FrameGeometry::Scale(kGlyphSize, fScale);
    const int top = client.Height() / 2 - FrameGeometry::Scale(kGlyphSize / 2, fScale);
    return {client.left, top, client.left + nSize, top + nSize};
}

int ButtonGeometry::CheckTextLeft(const PixelRect& client, float fScale) {
    return client.left + FrameGeometry::Scale(kGlyphSize, fScale) + kTextGap;
}

PixelRect ButtonGeometry::CheckGlyphCell(int nCheck) {
    // BST_CHECKED is 1; unchecked and indeterminate share the empty box.
    const int left = nCheck == 1 ? kGlyphSize : 0;
    return {left, 0, left + kGlyphSize, kGlyphSize};
}
