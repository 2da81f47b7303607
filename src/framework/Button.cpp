#include "framework/Button.h"

void CButton::DrawItem(DRAWITEMSTRUCT*) {}

BOOL CButton::OnOwnerDraw(DRAWITEMSTRUCT* pDraw) {
    DrawItem(pDraw);
    return TRUE;
}
