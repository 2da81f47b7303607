#pragma once

#include <windows.h>

#include <functional>

// Runs a real skinned prompt modally with a script: the script runs once the modal loop is
// going (so it sees the finished layout and can act as the user or the owner would), and a
// prompt that the script did not end is ended after a long while with kPromptTimedOut.
inline constexpr INT_PTR kPromptTimedOut = 99;

template <class TFrame> class ScriptedPrompt : public TFrame {
public:
    static constexpr UINT_PTR kScriptTimer = 0x5C01;
    static constexpr UINT_PTR kGiveUpTimer = 0x5C02;
    static constexpr UINT kGiveUpMs = 30000;

    using TFrame::TFrame;

    // Runs once, 50 ms into the modal loop.
    std::function<void(ScriptedPrompt&)> script;
    // Runs every nSampleMs until the prompt ends, when set.
    std::function<void(ScriptedPrompt&)> sample;
    UINT nSampleMs = 100;
    // A frame image that does not exist, to play a missing resource.
    void UseMissingFrameImage() { this->m_nFramePng = 192; }

protected:
    static constexpr UINT_PTR kSampleTimer = 0x5C03;

    BOOL OnInitDialog() override {
        TFrame::OnInitDialog();
        this->SetTimer(kScriptTimer, 50);
        this->SetTimer(kGiveUpTimer, kGiveUpMs);
        if (sample) {
            this->SetTimer(kSampleTimer, nSampleMs);
        }
        return TRUE;
    }
    void OnTimer(UINT_PTR nId) override {
        if (nId == kScriptTimer) {
            this->KillTimer(nId);
            if (script) {
                script(*this);
            }
        } else if (nId == kGiveUpTimer) {
            this->EndDialog(kPromptTimedOut);
        } else if (nId == kSampleTimer && sample) {
            sample(*this);
        } else {
            TFrame::OnTimer(nId);
        }
    }
};
