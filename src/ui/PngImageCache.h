#pragma once

#include "ui/PngResource.h"

#include <windows.h>

#include <span>

// Every PNG of the skin decoded once per process and shared by the windows that show it: a prompt
// run again, or the next size change's prompts, decode nothing. All are let go together while
// GDI+ still runs, by whoever stops it (the application before GdiplusShutdown).
class CPngImageCache {
public:
    // The image resource nID, decoded on first need; null when it cannot be (no such resource,
    // GDI+ not running), which is not remembered. Safe from any thread: a call for an image that
    // another thread is decoding waits for that decode.
    static CImagePtr Get(UINT nID);
    // Decodes the images on a thread of its own while the caller goes on, so that a window
    // finds them decoded when it needs them. Once per process; later calls do nothing. The ids
    // must outlive the decoding.
    static void Prefetch(std::span<const UINT> ids);
    // Waits for a prefetch still decoding, then lets go of every image; one a window still holds
    // goes when the window lets go of it.
    static void ReleaseAll();
};
