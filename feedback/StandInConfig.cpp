#include "StandInConfig.h"

#include <shlobj.h>

std::wstring CStandInConfig::DefaultFeedbackFilePath() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(
            SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    return std::wstring(folder) + L"\\OstrelFeedbackInformation\\CustomerFeedback.txt";
}
