#pragma once

#include "ui/SkinButton.h"

// A small owner-drawn glyph button: the close and minimise glyphs and the prompt's answers.
class CPngButton : public CSkinButton {
public:
    void DrawItem(DRAWITEMSTRUCT* pDraw) override;

    // Above 1.0 the images are drawn from their width − 1 × height − 1, so that the scaling
    // filter never samples past their edge.
    float m_fScale = 1.0f;
};
