#pragma once

#include "ui/PngImageCache.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

// GDI+ for the length of a test, or of a test program's run.
class GdiplusSession {
public:
    GdiplusSession() {
        const Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&m_token, &input, nullptr) != Gdiplus::Ok) {
            m_token = 0;
        }
    }
    ~GdiplusSession() {
        if (m_token != 0) {
            CPngImageCache::ReleaseAll();
            Gdiplus::GdiplusShutdown(m_token);
        }
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool Started() const { return m_token != 0; }

private:
    ULONG_PTR m_token = 0;
};
