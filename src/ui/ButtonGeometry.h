#pragma once

#include "ui/FrameGeometry.h"

// Inner margins of a CImageButton's clickable area, in client pixels.
struct ButtonMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where the buttons and the check box draw, as pure functions of their client rectangle and
// the scale factor.
class ButtonGeometry {
public:
    // Source rectangle of a state image: above scale 1 the last row and column are left out,
    // so the stretching filter never samples past the image's edge.
    static PixelRect ImageSource(int nImageWidth, int nImageHeight, float fScale);
    // The part of the client rectangle that counts as a click on the visible image.
    static PixelRect InsideMargins(const PixelRect& client, const ButtonMargins& margins);

    // The check-box glyph: trunc(16 × s) square at the left edge, centred on h / 2.
    static PixelRect CheckGlyphRect(const PixelRect& client, float fScale);
    // Left edge of the check box's text: trunc(16 × s) + 2 right of the client's left.
    static int CheckTextLeft(const PixelRect& client, float fScale);
    // The cell of the 48 × 16 glyph strip for a BM_GETCHECK answer: only checked shows the tick.
    static PixelRect CheckGlyphCell(int nCheck);
};
