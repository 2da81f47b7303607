#pragma once

// States of the skinned push buttons. DISABLED is only ever set by CImageButton::EnableButton.
inline constexpr int BUTTON_STATE_NORMAL = 1;
inline constexpr int BUTTON_STATE_HOVER = 2;
inline constexpr int BUTTON_STATE_PRESSED = 3;
inline constexpr int BUTTON_STATE_DISABLED = 4;

// What the pointer did to a button.
enum class ButtonEvent { Hover, Release, Press, Leave };

// Which of a button's four images is drawn (the order SetImages takes them in).
enum class ButtonImage { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

// The pointer rules shared by both image buttons, without any window behind them.
class ButtonState {
public:
    // The state after an event; bInside says whether the point lies in the client rectangle
    // (always true for buttons that do not check it). A disabled button never changes.
    static int Next(int nState, ButtonEvent event, bool bEnabled, bool bInside = true);
    // The image for a state; a disabled window always shows the disabled image.
    static ButtonImage ImageFor(int nState, bool bEnabled);
};
