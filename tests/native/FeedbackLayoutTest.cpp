#include "prompts/FeedbackLayout.h"

#include <gtest/gtest.h>

TEST(FeedbackLayout, AnswersAndTheHiddenCloseAtEachScale) {
    struct Case {
        float fScale;
        PixelRect client;
        FeedbackLayout expected;
    };
    // At 1.0 each answer lies over its own rectangle of the background (the description's
    // table); wider contents take the scaled design, 1003 a pixel left of the others at 1.25.
    const Case cases[] = {
        {1.0f,
         {0, 0, 400, 468},
         {{382, 6, 394, 18},
          {{67, 154, 333, 214}, {67, 154, 333, 214}, 9},
          {{67, 234, 333, 294}, {67, 234, 333, 294}, 9},
          {{67, 314, 333, 374}, {67, 314, 333, 374}, 9}}},
        {1.25f,
         {0, 0, 499, 584},
         {{476, 7, 491, 22},
          {{83, 192, 415, 267}, {67, 154, 333, 214}, 11},
          {{84, 292, 416, 367}, {67, 234, 333, 294}, 11},
          {{84, 392, 416, 467}, {67, 314, 333, 374}, 11}}},
        {1.5f,
         {0, 0, 600, 701},
         {{573, 9, 591, 27},
          {{100, 231, 499, 321}, {67, 154, 333, 214}, 13},
          {{101, 351, 500, 441}, {67, 234, 333, 294}, 13},
          {{101, 471, 500, 561}, {67, 314, 333, 374}, 13}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fScale);
        const FeedbackLayout l = FeedbackLayout::Compute(c.client, c.fScale);
        EXPECT_EQ(l.close, c.expected.close);
        for (const auto& [got, want] :
             {std::pair{l.solved, c.expected.solved}, std::pair{l.unsolved, c.expected.unsolved},
              std::pair{l.more, c.expected.more}}) {
            EXPECT_EQ(got.rc, want.rc);
            EXPECT_EQ(got.patch, want.patch);
            EXPECT_EQ(got.nMargin, want.nMargin);
        }
    }
}
