#include "prompts/FeedbackLayout.h"

namespace {

int Trunc(float f) {
    return static_cast<int>(f);
}

// A client up to the design width centres the 266 × 60 buttons on its middle, each over its own
// rectangle of the background; a wider one places them on fixed fractions of the scaled design.
FeedbackLayout::Answer Unscaled(const PixelRect& c, int k) {
    const int left = c.left + c.Width() / 2 - 133;
    const int top = c.top + c.Height() / 2 + k;
    const PixelRect rc{left, top, left + 266, top + 60};
    return {rc, rc, 9};
}

FeedbackLayout::Answer Scaled(int left, int top, float s, int nPatchTop) {
    return {{left, top, left + Trunc(266.0f * s), top + Trunc(60.0f * s)},
            {67, nPatchTop, 333, nPatchTop + 60},
            Trunc(9.0f * s)};
}

} // namespace

FeedbackLayout FeedbackLayout::Compute(const PixelRect& c, float s) {
    FeedbackLayout l;
    const int nCloseLeft =
        static_cast<int>(static_cast<double>(c.right) - 18.0 * static_cast<double>(s));
    const int nCloseTop = Trunc(static_cast<float>(c.top) + 6.0f * s);
    l.close = {nCloseLeft, nCloseTop, Trunc(static_cast<float>(nCloseLeft) + 12.0f * s),
               Trunc(static_cast<float>(nCloseTop) + 12.0f * s)};
    if (c.Width() <= 400) {
        l.solved = Unscaled(c, -80);
        l.unsolved = Unscaled(c, 0);
        l.more = Unscaled(c, 80);
        return l;
    }
    const int nStep = Trunc(80.0f * s);
    const int nMiddle = Trunc(468.0f * s / 2.0f);
    const int nLeft = c.left + Trunc(400.0f * s / 2.0f) - Trunc(266.0f * s / 2.0f);
    l.solved = Scaled(c.left + Trunc(400.0f * s / 2.0f - 266.0f * s / 2.0f),
                      c.top + Trunc(468.0f * s / 2.0f - static_cast<float>(nStep)), s, 154);
    l.unsolved = Scaled(nLeft, c.top + nMiddle, s, 234);
    l.more = Scaled(nLeft, c.top + nMiddle + nStep, s, 314);
    return l;
}
