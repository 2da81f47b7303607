#include "taskbar/TaskbarSizeCommand.h"

std::wstring TaskbarSizeCommand::ForSizeType(int nSizeType) {
    const wchar_t* pszValue = nullptr;
    switch (nSizeType) {
    case TASKBAR_SIZE_LARGE:
        pszValue = L"2";
        break;
    case TASKBAR_SIZE_MEDIUM:
        pszValue = L"1";
        break;
    case TASKBAR_SIZE_SMALL:
        pszValue = L"0";
        break;
    default:
        return {};
    }
    return std::wstring(L"reg add \"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion"
                        L"\\Explorer\\Advanced\" /v \"TaskbarSi\" /d ") +
           pszValue + L" /t REG_DWORD /F";
}

bool TaskbarSizeCommand::ReportsSuccess(std::wstring_view output) {
    return output.find(kTaskbarSizeSuccessText) != std::wstring_view::npos;
}
