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

// The image at its own size nWidth × nHeight as premultiplied 32-bit rows, top-down, into pBits:
// the pixels GDI+'s drawing leaves on a cleared surface, in a fraction of its time, which counts
// for the large frame and panel images on every start. False, with nothing written, when the
// sizes differ or GDI+ cannot give the pixels.
bool CopyImagePixels(Gdiplus::Image* pImage, void* pBits, int nWidth, int nHeight);

// An image without alpha at its own size, copied to the DC's origin as it is; false, with nothing
// drawn, when it has alpha (it must blend with what lies beneath) or cannot be copied.
bool DrawOpaqueImage(HDC hDC, Gdiplus::Image* pImage, int nWidth, int nHeight);

// Draws text into rcClient as the alignment says; measured modes are first wrapped once to learn
// their height and then moved down (or up, when too tall) to sit in the middle.
void DrawAlignedText(HDC hDC, const std::wstring& text, const RECT& rcClient,
                     const LabelAlignment& alignment);
