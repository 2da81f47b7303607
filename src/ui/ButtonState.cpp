#include "ui/ButtonState.h"

int ButtonState::Next(int nState, ButtonEvent event, bool bEnabled, bool bInside) {
    if (!bEnabled) {
        return nState;
    }
    switch (event) {
    case ButtonEvent::Hover:
    case ButtonEvent::Release:
        // Releasing over the button goes back to hover; normal returns only on leaving.
        return bInside ? BUTTON_STATE_HOVER : nState;
    case ButtonEvent::Press:
        return bInside ? BUTTON_STATE_PRESSED : nState;
    case ButtonEvent::Leave:
        return BUTTON_STATE_NORMAL;
    }
    return nState;
}

ButtonImage ButtonState::ImageFor(int nState, bool bEnabled) {
    if (!bEnabled) {
        return ButtonImage::Disabled;
    }
    switch (nState) {
    case BUTTON_STATE_HOVER:
        return ButtonImage::Hover;
    case BUTTON_STATE_PRESSED:
        return ButtonImage::Pressed;
    default:
        // Also a window enabled behind EnableButton's back: it must still show something.
        return ButtonImage::Normal;
    }
}
