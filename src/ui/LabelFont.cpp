#include "ui/LabelFont.h"

namespace {

HFONT FontOf(HWND hWnd) {
    auto hFont =
        hWnd != nullptr ? reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0)) : nullptr;
    if (hFont == nullptr) {
        hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    }
    if (hFont == nullptr) {
        hFont = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    }
    return hFont;
}

} // namespace

BOOL CreateDerivedFont(HWND hWnd, int nHeightChange, int nWeight, HFONT* phFont) {
    if (phFont == nullptr) {
        return FALSE;
    }
    if (*phFont != nullptr) {
        ::DeleteObject(*phFont);
        *phFont = nullptr;
    }
    LOGFONTW lf{};
    HFONT hBase = FontOf(hWnd);
    if (hBase == nullptr || ::GetObjectW(hBase, sizeof(lf), &lf) == 0) {
        return FALSE;
    }
    if (nHeightChange != 0) {
        if (nWeight > 0) {
            lf.lfWeight = nWeight;
        }
        lf.lfHeight -= nHeightChange;
    }
    *phFont = ::CreateFontIndirectW(&lf);
    return *phFont != nullptr;
}

int MeasureTextWidth(HWND hWnd, HDC hDC, const std::wstring& text, int nHeightChange, int nWeight) {
    if (hWnd == nullptr || hDC == nullptr) {
        return -1;
    }
    HFONT hFont = nullptr;
    CreateDerivedFont(hWnd, nHeightChange, nWeight, &hFont);
    // Without a font of its own the text is measured in whatever the DC holds.
    HGDIOBJ hOldFont = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
    RECT rc{10, 10, 400, 20};
    ::DrawTextW(hDC, text.c_str(), static_cast<int>(text.size()), &rc, DT_CALCRECT | DT_SINGLELINE);
    if (hOldFont != nullptr) {
        ::SelectObject(hDC, hOldFont);
    }
    if (hFont != nullptr) {
        ::DeleteObject(hFont);
    }
    return rc.right - rc.left;
}
