#include "prompts/PromptLayout.h"

namespace {

constexpr int kButtonWidth = 55;
constexpr int kButtonHeight = 24;
constexpr int kButtonTop = 107;
constexpr int kButtonGap = 12; // from the centre line to each button of a pair

constexpr PromptButtonImages kYesImages{183, 184, 185, 185};
constexpr PromptButtonImages kNoImages{177, 178, 179, 179};
constexpr PromptButtonImages kConfirmImages{180, 181, 182, 182};
constexpr PromptButtonImages kCancelImages{171, 172, 173, 173};

float F(int n) {
    return static_cast<float>(n);
}

int Trunc(float f) {
    return static_cast<int>(f);
}

PixelRect ButtonAt(int left, int top, float fScale) {
    return {left, top, left + FrameGeometry::Scale(kButtonWidth, fScale),
            top + FrameGeometry::Scale(kButtonHeight, fScale)};
}

bool IsConfirmType(int nType) {
    return nType == PROMPT_TYPE_CONFIRM || nType == PROMPT_TYPE_CONFIRMCANCEL;
}

} // namespace

PixelRect PromptLayout::CloseButton(const PixelRect& client, float fScale) {
    const int left = client.right - FrameGeometry::Scale(26, fScale);
    const int top = client.top + FrameGeometry::Scale(8, fScale);
    return {left, top, left + FrameGeometry::Scale(12, fScale),
            top + FrameGeometry::Scale(12, fScale)};
}

PixelRect PromptLayout::FirstButton(const PixelRect& client, float fScale) {
    const int nHalf = client.Width() / 2;
    const int left = Trunc(F(nHalf) - F(kButtonWidth) * fScale - F(kButtonGap) * fScale);
    return ButtonAt(left, FrameGeometry::Scale(kButtonTop, fScale) + client.top, fScale);
}

PixelRect PromptLayout::SecondButton(const PixelRect& client, float fScale) {
    const int nHalf = client.Width() / 2;
    const int left = Trunc(F(nHalf) + F(kButtonGap) * fScale);
    return ButtonAt(left, FrameGeometry::Scale(kButtonTop, fScale) + client.top, fScale);
}

PixelRect PromptLayout::CentredButton(const PixelRect& client, float fScale) {
    const int nHalf = client.Width() / 2;
    const int left = Trunc(F(nHalf) - F(kButtonWidth) * fScale / 2.0f);
    // Unlike the pair, the centred button's top leaves the client's top out; the client
    // rectangle of a dialog starts at 0, so both agree in use.
    return ButtonAt(left, FrameGeometry::Scale(kButtonTop, fScale), fScale);
}

PixelRect PromptLayout::FirstButtonFor(int nType, const PixelRect& client, float fScale) {
    return HasSecondButton(nType) ? FirstButton(client, fScale) : CentredButton(client, fScale);
}

bool PromptLayout::HasSecondButton(int nType) {
    return nType == PROMPT_TYPE_YESNO || nType == PROMPT_TYPE_CONFIRMCANCEL;
}

PromptButtonImages PromptLayout::FirstButtonImages(int nType) {
    return IsConfirmType(nType) ? kConfirmImages : kYesImages;
}

PromptButtonImages PromptLayout::SecondButtonImages(int nType) {
    return IsConfirmType(nType) ? kCancelImages : kNoImages;
}

PixelRect PromptLayout::TextLabel(const PixelRect& client, float fScale) {
    return {client.left + FrameGeometry::Scale(10, fScale),
            client.top + FrameGeometry::Scale(30, fScale),
            client.right - FrameGeometry::Scale(10, fScale),
            client.bottom - FrameGeometry::Scale(40, fScale)};
}

PixelRect PromptLayout::WorkingLabel(const PixelRect& client, float fScale) {
    const int left = Trunc(F(client.left) + 10.0f * fScale);
    const int top = Trunc(F(client.Height() / 2 + client.top) - 20.0f * fScale);
    const int right = Trunc(F(client.right) - 10.0f * fScale);
    const int bottom = Trunc(F(top) + 40.0f * fScale);
    return {left, top, right, bottom};
}

std::wstring PromptLayout::WorkingText(const std::wstring& text) {
    return text.size() >= 2 ? text : std::wstring(L"正在修复，请稍等");
}
