#pragma once

#include "ui/FrameGeometry.h"

#include <string>

// The message prompt's button sets.
inline constexpr int PROMPT_TYPE_YES = 1;
inline constexpr int PROMPT_TYPE_YESNO = 2;
inline constexpr int PROMPT_TYPE_CONFIRM = 3;
inline constexpr int PROMPT_TYPE_CONFIRMCANCEL = 4;

// Resource ids of one answer button's images: normal, hover, pressed, disabled.
struct PromptButtonImages {
    unsigned int nNormal;
    unsigned int nHover;
    unsigned int nPressed;
    unsigned int nDisabled;
    bool operator==(const PromptButtonImages&) const = default;
};

// Where the two prompts put their controls, as pure functions of the content's client
// rectangle and the scale. Lengths are design pixels scaled and truncated term by term; half
// the client width is an integer before any scaled term joins it.
class PromptLayout {
public:
    // The message prompt's close glyph at the band's right end.
    static PixelRect CloseButton(const PixelRect& client, float fScale);
    // The first answer of a pair (left of centre).
    static PixelRect FirstButton(const PixelRect& client, float fScale);
    // The second answer of a pair (right of centre).
    static PixelRect SecondButton(const PixelRect& client, float fScale);
    // The first answer alone, centred, for the one-button types.
    static PixelRect CentredButton(const PixelRect& client, float fScale);
    // Where the first answer ends up for this type.
    static PixelRect FirstButtonFor(int nType, const PixelRect& client, float fScale);
    // Types 2 and 4 ask a question with two answers; every other value shows one.
    static bool HasSecondButton(int nType);
    // Images of the first and second answers for a type; unknown types get those of type 1.
    static PromptButtonImages FirstButtonImages(int nType);
    static PromptButtonImages SecondButtonImages(int nType);
    // The message, between the band and the buttons.
    static PixelRect TextLabel(const PixelRect& client, float fScale);

    // The working prompt's status line, 40 design pixels high about the middle.
    static PixelRect WorkingLabel(const PixelRect& client, float fScale);
    // What the working prompt shows: the given text, or the stock one when it is too short.
    static std::wstring WorkingText(const std::wstring& text);
};
