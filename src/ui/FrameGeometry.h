#pragma once

// Every length is a single-precision product truncated toward zero. x87 code would keep the
// products in extended precision, and some lengths would come out a pixel off.
#if defined(__i386__) && !defined(__SSE2_MATH__)
#error "geometry needs SSE2 floating point: build with -msse2 -mfpmath=sse"
#endif

// Pixel rectangles in screen or client coordinates; no platform types, so the arithmetic is
// tested natively.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PixelRect&) const = default;
};

// A platform rectangle (anything with left, top, right and bottom) as a PixelRect.
template <class TRect> PixelRect ToPixelRect(const TRect& rc) {
    return {static_cast<int>(rc.left), static_cast<int>(rc.top), static_cast<int>(rc.right),
            static_cast<int>(rc.bottom)};
}

// Distances from a frame's window rectangle to its content's, in design pixels.
struct FrameInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// What distinguishes the frame and content pairs of the skin.
struct FramePairMetrics {
    int nFrameWidth; // design pixels at 96 dpi
    int nFrameHeight;
    FrameInsets placement; // content placement, and the frame around a dragged content
    FrameInsets follow;    // the content following a moved frame
    int nCaptionHeight;    // 0: the content cannot be dragged
    int nCaptionExcluded;  // rightmost part of the band that does not drag
};

inline constexpr FramePairMetrics kShellPair{410, 611, {5, 4, 5, 7}, {5, 4, 5, 7}, 30, 86};
inline constexpr FramePairMetrics kPromptPair{336, 156, {5, 3, 5, 7}, {5, 3, 5, 7}, 30, 26};
inline constexpr FramePairMetrics kExecutePromptPair{232, 132, {14, 12, 14, 16}, {14, 12, 14, 16},
                                                     0,   0};
inline constexpr FramePairMetrics kFeedbackPair{410, 479, {5, 4, 5, 7}, {5, 3, 5, 7}, 30, 0};

// Every skin length is a design value at 96 dpi, scaled and truncated toward zero term by term.
class FrameGeometry {
public:
    // The factor for the screen's vertical dots per inch: exactly 1 up to 100 dpi.
    static float ScaleForDpi(int nLogPixelsY);
    // trunc(value × scale)
    static int Scale(int nValue, float fScale);
    // The frame's size when its top-left corner is at (left, top).
    static PixelRect FrameRect(const FramePairMetrics& pair, int left, int top, float fScale);
    // A frame centred on a screen of cxScreen × cyScreen: halves in integers, the frame's half
    // size truncated, the size truncated once more for the right and bottom edges.
    static PixelRect CentredFrameRect(const FramePairMetrics& pair, int cxScreen, int cyScreen,
                                      float fScale);
    // Where the content goes inside a frame window rectangle at initialisation.
    static PixelRect ContentRect(const FramePairMetrics& pair, const PixelRect& frame,
                                 float fScale);
    // Where the content goes when the frame has been moved.
    static PixelRect FollowRect(const FramePairMetrics& pair, const PixelRect& frame, float fScale);
    // Where the frame goes around a content that the user dragged.
    static PixelRect FrameAroundContent(const FramePairMetrics& pair, const PixelRect& content,
                                        float fScale);
    // The part of the content's client area (screen coordinates) that drags the window.
    static PixelRect CaptionBand(const FramePairMetrics& pair, const PixelRect& client,
                                 float fScale);
};
