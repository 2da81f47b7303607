#pragma once

#include "ui/PngResource.h"

#include <windows.h>

// Every PNG of the skin decoded once per process and shared by the windows that show it: a prompt
// run again, or the next size change's prompts, decode nothing. All are let go together while
// GDI+ still runs, by whoever stops it (the application before GdiplusShutdown).
class CPngImageCache {
public:
    // The image resource nID, decoded on first need; null when it cannot be (no such resource,
    // GDI+ not running), which is not remembered.
    static CImagePtr Get(UINT nID);
    // Lets go of every image; one a window still holds goes when the window lets go of it.
    static void ReleaseAll();
};
