#pragma once

#include <windows.h>

#include <string>

// Makes *phFont a copy of hWnd's font (its WM_GETFONT answer, else a stock GUI font) whose
// lfHeight is lowered by nHeightChange, and whose weight becomes nWeight when nWeight > 0;
// with nHeightChange 0 the copy is unchanged, weight included. A font already in *phFont is
// deleted first, so repeated calls do not leak; the caller owns the new one. FALSE, with
// *phFont null, when no font could be made.
BOOL CreateDerivedFont(HWND hWnd, int nHeightChange, int nWeight, HFONT* phFont);

// Width in pixels of text on one line in hDC with the font CreateDerivedFont would make;
// -1 without a window or a DC. The DC is left with the font it had.
int MeasureTextWidth(HWND hWnd, HDC hDC, const std::wstring& text, int nHeightChange, int nWeight);
