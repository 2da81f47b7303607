#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

// Runs a real dialog modally with a script: init runs inside its initialisation, script once the
// modal loop is going (so it sees the finished layout and can act as the user or the owner
// would), sample every nSampleMs until the end; a dialog nobody ended is ended after a long
// while with kModalTimedOut.
inline constexpr INT_PTR kModalTimedOut = 99;

template <class TDialog> class ScriptedModal : public TDialog {
public:
    static constexpr UINT_PTR kScriptTimer = 0x5C01;
    static constexpr UINT_PTR kGiveUpTimer = 0x5C02;
    static constexpr UINT kGiveUpMs = 30000;

    using TDialog::TDialog;

    std::function<void(ScriptedModal&)> init;
    // Runs once, 50 ms into the modal loop.
    std::function<void(ScriptedModal&)> script;
    // Runs every nSampleMs until the dialog ends, when set.
    std::function<void(ScriptedModal&)> sample;
    UINT nSampleMs = 100;

    // Runs step once every message queued before it has been handled.
    void Later(std::function<void()> step) {
        m_later.push_back(std::move(step));
        this->PostMessage(kLaterMessage);
    }
    // A frame image that does not exist, to play a missing resource.
    void UseMissingFrameImage() { this->m_nFramePng = 192; }

protected:
    static constexpr UINT_PTR kSampleTimer = 0x5C03;
    static constexpr UINT kLaterMessage = WM_APP + 0x5C0;

    BOOL OnInitDialog() override {
        TDialog::OnInitDialog();
        if (init) {
            init(*this);
        }
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
            this->EndDialog(kModalTimedOut);
        } else if (nId == kSampleTimer && sample) {
            sample(*this);
        } else {
            TDialog::OnTimer(nId);
        }
    }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == kLaterMessage && !m_later.empty()) {
            const std::function<void()> step = std::move(m_later.front());
            m_later.erase(m_later.begin());
            step();
            return 0;
        }
        return TDialog::WindowProc(msg, wParam, lParam);
    }

private:
    std::vector<std::function<void()>> m_later;
};
