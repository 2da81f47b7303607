#include "ui/FrameGeometry.h"

float FrameGeometry::ScaleForDpi(int nLogPixelsY) {
    return nLogPixelsY > 100 ? static_cast<float>(nLogPixelsY / 96.0) : 1.0f;
}

int FrameGeometry::Scale(int nValue, float fScale) {
    return static_cast<int>(static_cast<float>(nValue) * fScale);
}

PixelRect FrameGeometry::FrameRect(const FramePairMetrics& pair, int left, int top, float fScale) {
    // Truncated as a coordinate, so the size depends on where the frame stands.
    const int nWidth =
        static_cast<int>(static_cast<float>(left) + static_cast<float>(pair.nFrameWidth) * fScale) -
        left;
    const int nHeight =
        static_cast<int>(static_cast<float>(top) + static_cast<float>(pair.nFrameHeight) * fScale) -
        top;
    return {left, top, left + nWidth, top + nHeight};
}

PixelRect FrameGeometry::CentredFrameRect(const FramePairMetrics& pair, int cxScreen, int cyScreen,
                                          float fScale) {
    const float w = static_cast<float>(pair.nFrameWidth) * fScale;
    const float h = static_cast<float>(pair.nFrameHeight) * fScale;
    const int left = cxScreen / 2 - static_cast<int>(w / 2.0f);
    const int top = cyScreen / 2 - static_cast<int>(h / 2.0f);
    return {left, top, static_cast<int>(w) + left, static_cast<int>(h) + top};
}

PixelRect FrameGeometry::ContentRect(const FramePairMetrics& pair, const PixelRect& frame,
                                     float fScale) {
    // Each coordinate from the integer rectangle in float, truncated once.
    const FrameInsets& in = pair.placement;
    const auto f = [](int n) { return static_cast<float>(n); };
    const int x = static_cast<int>(f(frame.left) + f(in.left) * fScale);
    const int y = static_cast<int>(f(frame.top) + f(in.top) * fScale);
    const int nWidth = static_cast<int>(f(frame.Width()) - f(in.left + in.right) * fScale);
    const int nHeight = static_cast<int>(f(frame.Height()) - f(in.top + in.bottom) * fScale);
    return {x, y, x + nWidth, y + nHeight};
}

PixelRect FrameGeometry::FollowRect(const FramePairMetrics& pair, const PixelRect& frame,
                                    float fScale) {
    const FrameInsets& in = pair.follow;
    return {frame.left + Scale(in.left, fScale), frame.top + Scale(in.top, fScale),
            frame.right - Scale(in.right, fScale), frame.bottom - Scale(in.bottom, fScale)};
}

PixelRect FrameGeometry::FrameAroundContent(const FramePairMetrics& pair, const PixelRect& content,
                                            float fScale) {
    const FrameInsets& in = pair.placement;
    return {content.left - Scale(in.left, fScale), content.top - Scale(in.top, fScale),
            content.right + Scale(in.right, fScale), content.bottom + Scale(in.bottom, fScale)};
}

PixelRect FrameGeometry::CaptionBand(const FramePairMetrics& pair, const PixelRect& client,
                                     float fScale) {
    if (pair.nCaptionHeight == 0) {
        return {};
    }
    return {client.left, client.top, client.right - Scale(pair.nCaptionExcluded, fScale),
            client.top + Scale(pair.nCaptionHeight, fScale)};
}
