#pragma once

#include "framework/Wnd.h"

// A push button bound to a dialog control; owner-drawn ones draw in DrawItem.
class CButton : public CWnd {
public:
    virtual void DrawItem(DRAWITEMSTRUCT* pDraw);
    BOOL OnOwnerDraw(DRAWITEMSTRUCT* pDraw) override;
};
