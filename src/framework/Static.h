#pragma once

#include "framework/Wnd.h"

// A static control bound to a dialog control; owner-drawn ones draw in DrawItem.
class CStatic : public CWnd {
public:
    virtual void DrawItem(DRAWITEMSTRUCT* pDraw);
    BOOL OnOwnerDraw(DRAWITEMSTRUCT* pDraw) override;
};
