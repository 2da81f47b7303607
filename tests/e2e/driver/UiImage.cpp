#include "UiImage.h"

#include "UiDriverError.h"

// GDI+ needs the COM declarations a lean windows.h leaves out.
#include <objidl.h>

#include <gdiplus.h>

namespace {

// Owns the GDI objects of one screen copy, whatever way the copy ends.
struct ScreenCopy {
    HDC hScreen = GetDC(nullptr);
    HDC hMemory = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = nullptr;
    HGDIOBJ hOld = nullptr;

    ScreenCopy() = default;
    ScreenCopy(const ScreenCopy&) = delete;
    ScreenCopy& operator=(const ScreenCopy&) = delete;
    ~ScreenCopy() {
        if (hOld != nullptr) {
            SelectObject(hMemory, hOld);
        }
        if (hBitmap != nullptr) {
            DeleteObject(hBitmap);
        }
        if (hMemory != nullptr) {
            DeleteDC(hMemory);
        }
        ReleaseDC(nullptr, hScreen);
    }
};

// GDI+ for the length of one save.
class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        m_bStarted = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (m_bStarted) {
            Gdiplus::GdiplusShutdown(m_token);
        }
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Started() const { return m_bStarted; }

private:
    ULONG_PTR m_token = 0;
    bool m_bStarted = false;
};

bool FindPngEncoder(CLSID* pClsid) {
    UINT nCount = 0;
    UINT nBytes = 0;
    if (Gdiplus::DllExports::GdipGetImageEncodersSize(&nCount, &nBytes) != Gdiplus::Ok ||
        nBytes == 0) {
        return false;
    }
    // The codec records are followed by their strings in the same block.
    std::vector<Gdiplus::ImageCodecInfo> codecs(nBytes / sizeof(Gdiplus::ImageCodecInfo) + 1);
    if (Gdiplus::DllExports::GdipGetImageEncoders(nCount, nBytes, codecs.data()) != Gdiplus::Ok) {
        return false;
    }
    for (UINT i = 0; i < nCount; ++i) {
        if (codecs[i].MimeType != nullptr && lstrcmpW(codecs[i].MimeType, L"image/png") == 0) {
            *pClsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

void CreateFoldersFor(const std::wstring& path) {
    // Every prefix that ends at a separator, past a drive ("Z:\") or share root.
    for (std::size_t i = 3; i < path.size(); ++i) {
        if (path[i] == L'\\' || path[i] == L'/') {
            CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
        }
    }
}

} // namespace

UiImage UiImage::CaptureScreen(const RECT& rc) {
    UiImage image;
    image.m_nWidth = rc.right - rc.left;
    image.m_nHeight = rc.bottom - rc.top;
    image.m_rcScreen = rc;
    if (image.m_nWidth <= 0 || image.m_nHeight <= 0) {
        throw UiDriverError(L"nothing to capture: empty rectangle");
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.m_nWidth;
    info.bmiHeader.biHeight = -image.m_nHeight; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    ScreenCopy copy;
    void* pBits = nullptr;
    copy.hBitmap = CreateDIBSection(copy.hScreen, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (copy.hScreen == nullptr || copy.hMemory == nullptr || copy.hBitmap == nullptr) {
        throw UiDriverError(L"cannot set up a screen capture");
    }
    copy.hOld = SelectObject(copy.hMemory, copy.hBitmap);
    if (!BitBlt(copy.hMemory, 0, 0, image.m_nWidth, image.m_nHeight, copy.hScreen, rc.left, rc.top,
                SRCCOPY | CAPTUREBLT)) {
        throw UiDriverError(L"BitBlt from the screen failed: error " +
                            std::to_wstring(GetLastError()));
    }
    GdiFlush();
    const auto* pFirst = static_cast<const std::uint32_t*>(pBits);
    const std::size_t nPixels =
        static_cast<std::size_t>(image.m_nWidth) * static_cast<std::size_t>(image.m_nHeight);
    image.m_pixels.assign(pFirst, pFirst + nPixels);
    for (std::uint32_t& pixel : image.m_pixels) {
        pixel &= 0x00FFFFFFu; // the screen has no alpha; BitBlt leaves the top byte undefined
    }
    return image;
}

UiImage UiImage::CaptureWindow(HWND hWnd) {
    RECT rc{};
    if (!IsWindow(hWnd) || !GetWindowRect(hWnd, &rc)) {
        throw UiDriverError(L"cannot capture: no such window");
    }
    return CaptureScreen(rc);
}

COLORREF UiImage::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) {
        throw UiDriverError(L"pixel (" + std::to_wstring(x) + L", " + std::to_wstring(y) +
                            L") lies outside the " + std::to_wstring(m_nWidth) + L"x" +
                            std::to_wstring(m_nHeight) + L" capture");
    }
    const std::uint32_t value =
        m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) +
                 static_cast<std::size_t>(x)];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

void UiImage::SavePng(const std::wstring& path) const {
    CreateFoldersFor(path);
    GdiplusSession session;
    CLSID png{};
    if (!session.Started() || !FindPngEncoder(&png)) {
        throw UiDriverError(L"GDI+ has no PNG encoder here");
    }
    // GDI+ reads the rows in place; it never writes through this pointer.
    auto* pBits = reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(m_pixels.data()));
    Gdiplus::GpBitmap* pBitmap = nullptr;
    Gdiplus::GpStatus status = Gdiplus::DllExports::GdipCreateBitmapFromScan0(
        m_nWidth, m_nHeight, m_nWidth * 4, PixelFormat32bppRGB, pBits, &pBitmap);
    if (status == Gdiplus::Ok) {
        status = Gdiplus::DllExports::GdipSaveImageToFile(pBitmap, path.c_str(), &png, nullptr);
        Gdiplus::DllExports::GdipDisposeImage(pBitmap);
    }
    if (status != Gdiplus::Ok) {
        throw UiDriverError(L"cannot save " + path + L": GDI+ status " +
                            std::to_wstring(static_cast<int>(status)));
    }
}
