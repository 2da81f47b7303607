#include "UiDesktop.h"

#include "UiDriverError.h"

namespace {

bool RunsUnderWine() {
    HMODULE hNtdll = GetModuleHandleW(L"ntdll.dll");
    return hNtdll != nullptr && GetProcAddress(hNtdll, "wine_get_version") != nullptr;
}

} // namespace

UiDesktop::UiDesktop(const std::wstring& name) {
    if (!RunsUnderWine()) {
        return;
    }
    // Without a configured size Wine would put the desktop's windows on the X screen itself.
    const std::wstring size = std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L"x" +
                              std::to_wstring(GetSystemMetrics(SM_CYSCREEN));
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &hKey, nullptr) == ERROR_SUCCESS) {
        RegSetValueExW(hKey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(size.c_str()),
                       static_cast<DWORD>((size.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(hKey);
    }

    m_hPrevious = GetThreadDesktop(GetCurrentThreadId());
    m_hDesktop = CreateDesktopW(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (m_hDesktop == nullptr) {
        throw UiDriverError(L"cannot create the desktop " + name + L": error " +
                            std::to_wstring(GetLastError()));
    }
    if (!SetThreadDesktop(m_hDesktop)) {
        const DWORD error = GetLastError();
        CloseDesktop(m_hDesktop);
        throw UiDriverError(L"cannot move this thread onto the desktop " + name + L": error " +
                            std::to_wstring(error));
    }
    m_name = name;
}

UiDesktop::~UiDesktop() {
    if (m_hDesktop != nullptr) {
        SetThreadDesktop(m_hPrevious);
        CloseDesktop(m_hDesktop);
    }
}
