#include "app/LibrarySearch.h"

BOOL RestrictLibrarySearch() {
    // Looked up: declared only for newer targets than the one the build names.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE hKernel = GetModuleHandleW(L"kernel32.dll");
    const auto pfnSet = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(hKernel, "SetDefaultDllDirectories")));
    return pfnSet != nullptr ? pfnSet(LOAD_LIBRARY_SEARCH_SYSTEM32) : FALSE;
}
