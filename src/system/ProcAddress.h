#pragma once

#include <windows.h>

// An export as the function type the caller knows it to have; nullptr when missing.
// Goes through a generic function pointer: FARPROC's own type says nothing about the export.
template <typename Fn> Fn GetProcAddressAs(HMODULE hModule, const char* pszName) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(hModule, pszName)));
}
