#pragma once

// The skin's scale factor for the primary screen's vertical resolution (FrameGeometry's rule);
// 1.0 when no screen DC can be had.
float ScreenScaleFactor();
