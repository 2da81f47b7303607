#include "ui/LabelLayout.h"

namespace {

// The DrawText flag values the labels combine.
constexpr unsigned kCenter = 0x0001;
constexpr unsigned kRight = 0x0002;
constexpr unsigned kVCenter = 0x0004;
constexpr unsigned kWordBreak = 0x0010;
constexpr unsigned kSingleLine = 0x0020;
constexpr unsigned kExternalLeading = 0x0200;
constexpr unsigned kCalcRect = 0x0400;
constexpr unsigned kEditControl = 0x2000;

constexpr unsigned kTextMeasure = kCalcRect | kWordBreak | kExternalLeading;
constexpr unsigned kTextWrapped = kWordBreak | kVCenter | kExternalLeading;
constexpr unsigned kTextOneLine = kSingleLine | kVCenter | kExternalLeading;

constexpr unsigned kStatusMeasure = kCalcRect | kWordBreak;
constexpr unsigned kStatusWrapped = kWordBreak | kVCenter;
constexpr unsigned kStatusOneLine = kVCenter | kSingleLine;

constexpr LabelAlignment Measured(unsigned nMeasure, unsigned nDraw) {
    return {true, nMeasure, nDraw};
}

constexpr LabelAlignment Unmeasured(unsigned nDraw) {
    return {false, 0, nDraw};
}

} // namespace

LabelAlignment TextLabelAlignment(int nAlign) {
    switch (nAlign) {
    case 1:
    case 4:
        return Unmeasured(kTextOneLine);
    case 2:
        return Unmeasured(kTextOneLine | kCenter);
    case 3:
        return Measured(kTextMeasure, kTextWrapped | kRight);
    case 5:
        return Measured(kTextMeasure, kTextWrapped | kCenter);
    case 6:
        return Unmeasured(kWordBreak | kExternalLeading);
    case 7:
        return Measured(kTextMeasure | kEditControl, kWordBreak | kExternalLeading | kEditControl);
    default:
        return Measured(kTextMeasure, kTextWrapped);
    }
}

LabelAlignment StatusLabelAlignment(int nAlign) {
    switch (nAlign) {
    case 2:
        return Unmeasured(kStatusOneLine | kCenter);
    case 3:
        return Unmeasured(kStatusOneLine | kRight);
    case 4:
        return Measured(kStatusMeasure, kStatusWrapped);
    case 5:
        return Measured(kStatusMeasure, kStatusWrapped | kCenter);
    case 6:
        return Measured(kStatusMeasure, kStatusWrapped | kRight);
    default:
        return Unmeasured(kStatusOneLine);
    }
}

int MeasuredTopOffset(int nClientHeight, int nMeasuredHeight) {
    // C++ division truncates toward zero, which is the rounding wanted for both signs.
    return (nClientHeight - nMeasuredHeight) / 2;
}

int NextDotCount(int nDotCount) {
    return nDotCount >= 0 && nDotCount < 3 ? nDotCount + 1 : 0;
}

std::wstring_view DotSuffix(int nDotCount) {
    constexpr std::wstring_view kDots = L"...";
    return nDotCount >= 1 && nDotCount <= 3 ? kDots.substr(0, static_cast<std::size_t>(nDotCount))
                                            : std::wstring_view{};
}
