#pragma once

#include <string_view>

// How a label lays out its text for one alignment mode, as DrawText flag values. Measured modes
// wrap the text once with the measuring flags to learn its height, then centre it vertically.
struct LabelAlignment {
    bool bMeasured = false;
    unsigned nMeasureFlags = 0;
    unsigned nDrawFlags = 0;
    bool operator==(const LabelAlignment&) const = default;
};

// Modes 0 to 7 of the text label; any other mode lays out as mode 0, the default.
LabelAlignment TextLabelAlignment(int nAlign);
// Modes 1 to 6 of the status label; any other mode lays out as mode 1.
LabelAlignment StatusLabelAlignment(int nAlign);

// How far down a measured text starts so it sits in the middle of the label; negative when the
// text is taller than the label (it is then clipped at both ends).
int MeasuredTopOffset(int nClientHeight, int nMeasuredHeight);

// The status label's dots: 0 → 1 → 2 → 3 → 0, and what each count appends to the text.
// Counts outside 0 to 3 start the cycle again and show no dots.
int NextDotCount(int nDotCount);
std::wstring_view DotSuffix(int nDotCount);
