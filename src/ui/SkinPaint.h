#pragma once

#include "ui/LabelLayout.h"

#include <windows.h>
// After <windows.h>: GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>

#include <gdiplus.h>

#include <string>

// Drawing steps the skinned controls share; they paint through framework/PaintBuffer.h.

// Stretches the rcSource patch of pImage (image pixels) over rcClient; nothing without an image.
void DrawImagePatch(HDC hDC, Gdiplus::Image* pImage, const RECT& rcSource, const RECT& rcClient);

// Draws text into rcClient as the alignment says; measured modes are first wrapped once to learn
// their height and then moved down (or up, when too tall) to sit in the middle.
void DrawAlignedText(HDC hDC, const std::wstring& text, const RECT& rcClient,
                     const LabelAlignment& alignment);
