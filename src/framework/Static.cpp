#include "framework/Static.h"

void CStatic::DrawItem(DRAWITEMSTRUCT*) {}

BOOL CStatic::OnOwnerDraw(DRAWITEMSTRUCT* pDraw) {
    DrawItem(pDraw);
    return TRUE;
}
