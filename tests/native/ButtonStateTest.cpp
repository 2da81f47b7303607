#include "ui/ButtonState.h"

#include <gtest/gtest.h>

namespace {

// Plays events on an enabled button, the pointer inside unless said otherwise.
int Play(std::initializer_list<ButtonEvent> events, int nState = BUTTON_STATE_NORMAL) {
    for (ButtonEvent event : events) {
        nState = ButtonState::Next(nState, event, true);
    }
    return nState;
}

} // namespace

TEST(ButtonState, APersonsClickGoesHoverPressedHoverAndNormalOnlyOnLeaving) {
    using E = ButtonEvent;
    EXPECT_EQ(Play({E::Hover}), BUTTON_STATE_HOVER);
    EXPECT_EQ(Play({E::Hover, E::Press}), BUTTON_STATE_PRESSED);
    EXPECT_EQ(Play({E::Hover, E::Press, E::Release}), BUTTON_STATE_HOVER);
    EXPECT_EQ(Play({E::Hover, E::Press, E::Release, E::Leave}), BUTTON_STATE_NORMAL);
    EXPECT_EQ(Play({E::Press, E::Leave}), BUTTON_STATE_NORMAL) << "leaving while pressed";
    // A press without a hover first (a click faster than the hover time).
    EXPECT_EQ(Play({E::Press}), BUTTON_STATE_PRESSED);
}

TEST(ButtonState, PointsOutsideTheClientAreaChangeNothingButLeaving) {
    EXPECT_EQ(ButtonState::Next(BUTTON_STATE_PRESSED, ButtonEvent::Release, true, false),
              BUTTON_STATE_PRESSED);
    EXPECT_EQ(ButtonState::Next(BUTTON_STATE_NORMAL, ButtonEvent::Press, true, false),
              BUTTON_STATE_NORMAL);
    EXPECT_EQ(ButtonState::Next(BUTTON_STATE_NORMAL, ButtonEvent::Hover, true, false),
              BUTTON_STATE_NORMAL);
    EXPECT_EQ(ButtonState::Next(BUTTON_STATE_PRESSED, ButtonEvent::Leave, true, false),
              BUTTON_STATE_NORMAL);
}

TEST(ButtonState, ADisabledButtonIgnoresThePointerAndShowsItsDisabledImage) {
    for (ButtonEvent event :
         {ButtonEvent::Hover, ButtonEvent::Release, ButtonEvent::Press, ButtonEvent::Leave}) {
        EXPECT_EQ(ButtonState::Next(BUTTON_STATE_DISABLED, event, false), BUTTON_STATE_DISABLED);
        EXPECT_EQ(ButtonState::Next(BUTTON_STATE_NORMAL, event, false), BUTTON_STATE_NORMAL);
    }
    for (int nState = BUTTON_STATE_NORMAL; nState <= BUTTON_STATE_DISABLED; ++nState) {
        EXPECT_EQ(ButtonState::ImageFor(nState, false), ButtonImage::Disabled);
    }
}

TEST(ButtonState, EachEnabledStateHasItsImage) {
    EXPECT_EQ(ButtonState::ImageFor(BUTTON_STATE_NORMAL, true), ButtonImage::Normal);
    EXPECT_EQ(ButtonState::ImageFor(BUTTON_STATE_HOVER, true), ButtonImage::Hover);
    EXPECT_EQ(ButtonState::ImageFor(BUTTON_STATE_PRESSED, true), ButtonImage::Pressed);
    // Enabled again by EnableWindow alone: still drawn, as normal.
    EXPECT_EQ(ButtonState::ImageFor(BUTTON_STATE_DISABLED, true), ButtonImage::Normal);
    // Hovering a button left in the disabled state by such an enable recovers it.
    EXPECT_EQ(ButtonState::Next(BUTTON_STATE_DISABLED, ButtonEvent::Hover, true),
              BUTTON_STATE_HOVER);
}
