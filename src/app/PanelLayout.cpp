#include "app/PanelLayout.h"

namespace {

int Trunc(float f) {
    return static_cast<int>(f);
}

float F(int n) {
    return static_cast<float>(n);
}

// A button of the band's right end: its left edge dLeftOffset·s before the client's right edge
// in double precision, 26 × 34 design pixels from there.
PixelRect BandButton(const PixelRect& client, float s, double dLeftOffset) {
    const int left =
        static_cast<int>(static_cast<double>(client.right) - dLeftOffset * static_cast<double>(s));
    const int top = client.top;
    return {left, top, Trunc(F(left) + 26.0f * s), Trunc(F(top) + 34.0f * s)};
}

PixelRect SizeButton(const PixelRect& client, float s, int nLeftFromClient) {
    const int left = nLeftFromClient + client.left;
    const int top = Trunc(600.0f * s / 2.0f - 20.0f * s) + client.top;
    return {left, top, Trunc(82.0f * s) + left, Trunc(47.0f * s) + top};
}

} // namespace

PanelLayout PanelLayout::Compute(const PixelRect& client, float s, int nAgreementWidth,
                                 int nFeedbackWidth) {
    PanelLayout l;
    l.close = BandButton(client, s, 31.2);
    l.minimize = BandButton(client, s, 59.8);

    const int nTitleLeft = FrameGeometry::Scale(188, s) + client.left;
    const int nTitleTop = FrameGeometry::Scale(16, s) + client.top;
    l.title = {nTitleLeft, nTitleTop, FrameGeometry::Scale(140, s) + nTitleLeft,
               FrameGeometry::Scale(15, s) + nTitleTop};

    // On fixed fractions of 400·s, whatever the client's width.
    l.large = SizeButton(client, s, Trunc(400.0f * s / 3.0f - 82.0f * s));
    l.medium = SizeButton(client, s, Trunc(400.0f * s / 2.0f - 82.0f * s / 2.0f));
    l.small = SizeButton(client, s, Trunc(400.0f * s / 3.0f * 2.0f));
    l.nSizeMargin = FrameGeometry::Scale(0, s);

    if (client.Width() <= 400) {
        const int left = client.left + 50;
        const int top = client.bottom - 55;
        l.moreTools = {left, top, left + 58, top + 18};
        // The window's own numbers, used as image coordinates.
        l.moreToolsPatch = l.moreTools;
        l.nMoreToolsMargin = 0;
    } else {
        const int left = FrameGeometry::Scale(50, s) + client.left;
        const int top = client.bottom - FrameGeometry::Scale(55, s);
        l.moreTools = {left, top, FrameGeometry::Scale(58, s) + left,
                       FrameGeometry::Scale(18, s) + top};
        l.moreToolsPatch = {50, 545, 108, 563};
        l.nMoreToolsMargin = FrameGeometry::Scale(0, s);
    }

    const int nUnit = nAgreementWidth / 14;
    const int nRowTop = Trunc(F(client.bottom) - 25.0f * s);
    const int nRowBottom = Trunc(F(nRowTop) + 20.0f * s);
    const int nCheckLeft = FrameGeometry::Scale(8, s);
    l.check = {nCheckLeft, nRowTop, Trunc(F(nCheckLeft) + 16.0f * s + F(2 * nUnit) + 2.0f),
               nRowBottom};
    const int nAgreementLeft = l.check.right + 6;
    l.agreement = {nAgreementLeft, nRowTop, 14 * nUnit + nAgreementLeft, nRowBottom};
    const int nFeedbackBox = Trunc(F(nFeedbackWidth) + 4.0f * s + 2.0f + 6.0f);
    const int nFeedbackLeft = client.right - nFeedbackBox - 6;
    l.feedback = {nFeedbackLeft, nRowTop, nFeedbackLeft + nFeedbackBox, nRowBottom};
    return l;
}
