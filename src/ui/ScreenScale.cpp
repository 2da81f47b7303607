#include "ui/ScreenScale.h"

#include "framework/GdiObject.h"
#include "ui/FrameGeometry.h"

float ScreenScaleFactor() {
    const CWindowDC screen(nullptr);
    if (screen == nullptr) {
        return 1.0f;
    }
    return FrameGeometry::ScaleForDpi(GetDeviceCaps(screen, LOGPIXELSY));
}
