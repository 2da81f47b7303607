#pragma once

#include "ui/FrameGeometry.h"

// Where the main panel's controls go, as a pure function of its client rectangle, the scale and
// the two measured text widths. Products with the scale are single precision and truncated as
// each term is formed; the two buttons of the band's right end start from a double product.
struct PanelLayout {
    PixelRect close;
    PixelRect minimize;
    PixelRect title;
    PixelRect large;
    PixelRect medium;
    PixelRect small;
    int nSizeMargin = 0;
    PixelRect moreTools;
    // The part of the background behind the more-tools button, in background pixels.
    PixelRect moreToolsPatch;
    int nMoreToolsMargin = 0;
    PixelRect check;
    PixelRect agreement;
    PixelRect feedback;

    // nAgreementWidth: the width of "同意《Ostrel服务工具使用许可协议》" in the panel's font;
    // nFeedbackWidth: that of "反馈问题". A failed measure (−1) gives zero-width links.
    static PanelLayout Compute(const PixelRect& client, float fScale, int nAgreementWidth,
                               int nFeedbackWidth);
};

// The background patches behind the controls that keep to their design place.
inline constexpr PixelRect kTitlePatch{188, 16, 328, 31};
inline constexpr PixelRect kLargePatch{51, 280, 133, 327};
inline constexpr PixelRect kMediumPatch{159, 280, 241, 327};
inline constexpr PixelRect kSmallPatch{266, 280, 348, 327};
