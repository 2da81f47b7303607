#pragma once

#include <windows.h>

// The messages the tool's own windows and threads send each other.

// Size worker → main panel, then panel → working prompt: the registry command is done, the
// working prompt may go. wParam 0.
inline constexpr UINT WM_CLOSE_EXECUTE_PROMPT = WM_USER + 501;
// Size worker → main panel: wParam 1 success, 2 failure.
inline constexpr UINT WM_SET_TASKBAR_SIZE_RESULT = WM_USER + 503;
// Message prompt content → its frame: wParam 1 first answer, 2 second answer.
inline constexpr UINT WM_PROMPT_RESULT = WM_USER + 533;
// A layered frame → itself, posted once it has been shown or activated: show its content again.
inline constexpr UINT WM_RESTACK_CONTENT = WM_APP + 0x4B;
