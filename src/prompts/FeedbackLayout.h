#pragma once

#include "ui/FrameGeometry.h"

// Where the feedback dialog's controls go, as a pure function of its content's client rectangle
// and the scale.
struct FeedbackLayout {
    struct Answer {
        PixelRect rc;
        // The part of the background behind the button, in background pixels.
        PixelRect patch;
        int nMargin = 0;
    };

    PixelRect close;
    Answer solved;   // 1003
    Answer unsolved; // 1004
    Answer more;     // 1001

    static FeedbackLayout Compute(const PixelRect& client, float fScale);
};
