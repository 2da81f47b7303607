#pragma once

// What the end-to-end tests of the skinned windows share.
#include "UiDriver.h"

#include "ui/FrameGeometry.h"

#include <windows.h>

#include <ostream>
#include <string>

// Found by argument-dependent lookup, so beside the type.
void PrintTo(const PixelRect& rc, std::ostream* os);

PixelRect ToPixels(const RECT& rc);

// The skin's scale for the screen's dpi, as the programs under test compute it.
float ScreenScale();

// Where a test saves a picture: the folder KELVANE_E2E_ARTIFACTS names, else beside the test.
std::wstring Artifact(const std::wstring& name);

// A skinned window of the driven program: the frame that has no owner and the content popup it
// owns. Both stay null until both exist.
struct SkinWindow {
    HWND hFrame = nullptr;
    HWND hContent = nullptr;
};
SkinWindow FindSkinWindow(const UiDriver& ui);
// Waits up to timeoutMs for the program's skinned window; null handles on time-out.
SkinWindow WaitForSkinWindow(const UiDriver& ui, DWORD timeoutMs);
// The content has followed its frame to where the frame stands, is shown and the mouse reaches
// it (the frame shows its content once more right after it appears).
bool IsSettled(const SkinWindow& window, const FramePairMetrics& pair, float fScale);
