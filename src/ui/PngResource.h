#pragma once

#include <windows.h>
// After <windows.h>: GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>

#include <gdiplus.h>

#include <memory>

// A GDI+ image of the skin, shared by every window that shows it (CPngImageCache). Deleting one
// needs GDI+ running, so windows let theirs go in WM_DESTROY and the cache its own before GDI+
// stops.
using CImagePtr = std::shared_ptr<Gdiplus::Image>;

// Decodes the image resource nID of type "PNG" from the program's own module. On TRUE *ppImage
// holds a new image that the caller owns and deletes; on FALSE *ppImage is left untouched.
// The image carries its own copy of the PNG bytes, since GDI+ may read them again on drawing.
BOOL LoadPngResource(Gdiplus::Image** ppImage, UINT nID);
// Whether the program's own module holds the PNG resource nID, without decoding it.
bool HasPngResource(UINT nID);
// The same image for every caller, decoded on the first call of the process
// (CPngImageCache::Get), into a slot, which keeps what it held on FALSE.
BOOL LoadPngResource(CImagePtr* pImage, UINT nID);
