// Our stand-in for the maker's feedback library. On a user's machine it opens its addresses
// with the shell and appends feedback records to a file; the ini beside it (CStandInConfig)
// sets results, keeps addresses closed and names a journal that records every call.
#include "CallRecord.h"
#include "StandInConfig.h"

#include "service/FeedbackDll.h"

#include <objbase.h>
#include <shellapi.h>

#include <cwchar>
#include <type_traits>

namespace {

constexpr wchar_t kLibraryVersion[] = L"1.0.0.1";
constexpr wchar_t kAgreementUrl[] = L"https://www.ostrel.example/agreement/";
constexpr wchar_t kQuestionUrl[] = L"https://feedback.ostrel.example/question";
constexpr wchar_t kMoreToolsUrl[] = L"https://www.ostrel.example/tools/";
constexpr wchar_t kDownloadUrl[] = L"https://www.ostrel.example/download/";

// The caller runs elevated and the shell would just as well start a program: web only.
bool IsWebAddress(const wchar_t* psz) {
    return psz != nullptr &&
           (_wcsnicmp(psz, L"https://", 8) == 0 || _wcsnicmp(psz, L"http://", 7) == 0);
}

std::wstring QueryValue(const wchar_t* psz) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::wstring out;
    for (const char c : ToUtf8(psz ? psz : L"")) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
            b == '-' || b == '_' || b == '.' || b == '~') {
            out += static_cast<wchar_t>(b);
        } else {
            out += L'%';
            out += static_cast<wchar_t>(kHex[b >> 4]);
            out += static_cast<wchar_t>(kHex[b & 0x0F]);
        }
    }
    return out;
}

// 1 when the shell took the address, or when the ini keeps addresses closed.
int Open(const CStandInConfig& config, const wchar_t* pszUrl) {
    if (!IsWebAddress(pszUrl)) {
        return 0;
    }
    if (!config.OpensAddresses()) {
        return 1;
    }
    // The shell may hand the address to a COM handler; balance only what we initialised.
    const HRESULT hrCom =
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HINSTANCE h = ShellExecuteW(nullptr, L"open", pszUrl, nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(hrCom)) {
        CoUninitialize();
    }
    return reinterpret_cast<INT_PTR>(h) > 32 ? 1 : 0;
}

// The feedback file's record: the time (UTC) and the call's fields.
int AppendFeedback(const CStandInConfig& config, const CCallRecord& call) {
    SYSTEMTIME st{};
    GetSystemTime(&st);
    wchar_t stamp[32] = {};
    swprintf(stamp, 32, L"%04u-%02u-%02uT%02u:%02u:%02uZ", st.wYear, st.wMonth, st.wDay, st.wHour,
             st.wMinute, st.wSecond);
    CCallRecord record(stamp);
    record.Raw(call.Line());
    return record.AppendTo(config.FeedbackFilePath()) ? 1 : 0;
}

int Journal(const CStandInConfig& config, CCallRecord& record, int nResult,
            const wchar_t* pszAddress = nullptr) {
    record.Raw(L"=" + std::to_wstring(nResult));
    if (pszAddress != nullptr) {
        record.Text(pszAddress);
    }
    record.AppendTo(config.JournalPath());
    return nResult;
}

int Finish(const CStandInConfig& config, CCallRecord& record, const wchar_t* pszExport,
           int nNatural, const wchar_t* pszAddress = nullptr) {
    return Journal(config, record, config.Result(pszExport, nNatural), pszAddress);
}

bool FillInfo(const CStandInConfig& config, BSTR* pInfo) {
    const std::wstring defaults[FEEDBACK_INFO_COUNT] = {kLibraryVersion, kAgreementUrl,
                                                        kQuestionUrl,    kMoreToolsUrl,
                                                        kDownloadUrl,    config.FeedbackFilePath()};
    for (int i = 0; i < FEEDBACK_INFO_COUNT; ++i) {
        pInfo[i] = SysAllocString(config.Info(i, defaults[i]).c_str());
        if (pInfo[i] == nullptr) {
            for (int j = 0; j < i; ++j) {
                SysFreeString(pInfo[j]);
                pInfo[j] = nullptr;
            }
            return false;
        }
    }
    return true;
}

int AddressCall(const wchar_t* pszExport, const wchar_t* pszUrl) {
    const CStandInConfig config;
    CCallRecord record(pszExport);
    return Finish(config, record, pszExport, Open(config, pszUrl), pszUrl);
}

int VersionCall(const wchar_t* pszExport, const wchar_t* pszToolId, const wchar_t* pszToolVersion) {
    const CStandInConfig config;
    CCallRecord record(pszExport);
    record.Text(pszToolId).Text(pszToolVersion);
    // Our library knows of no newer version unless a test says so.
    return Finish(config, record, pszExport, 0);
}

int FeedbackCall(const wchar_t* pszExport, CCallRecord& record) {
    const CStandInConfig config;
    return Finish(config, record, pszExport, AppendFeedback(config, record));
}

} // namespace

extern "C" {

int __cdecl InitFreedbackDll(BSTR* pInfo) {
    const CStandInConfig config;
    CCallRecord record(L"InitFreedbackDll");
    if (pInfo == nullptr) {
        record.Text(nullptr);
    } else {
        // The caller's slots must come empty; the journal shows how many did not.
        int nSet = 0;
        for (int i = 0; i < FEEDBACK_INFO_COUNT; ++i) {
            nSet += pInfo[i] != nullptr ? 1 : 0;
        }
        record.Number(nSet);
    }
    int nResult = config.Result(L"InitFreedbackDll", pInfo != nullptr ? 1 : 0);
    // A failed initialisation leaves the slots as they were.
    if (nResult != 0 && pInfo != nullptr && !FillInfo(config, pInfo)) {
        nResult = 0;
    }
    return Journal(config, record, nResult);
}

int __cdecl FeedbackQuestion(const wchar_t* pszToolId, const wchar_t* pszToolVersion) {
    const CStandInConfig config;
    CCallRecord record(L"FeedbackQuestion");
    record.Text(pszToolId).Text(pszToolVersion);
    const std::wstring strUrl = std::wstring(kQuestionUrl) + L"?tool=" + QueryValue(pszToolId) +
                                L"&version=" + QueryValue(pszToolVersion);
    return Finish(config, record, L"FeedbackQuestion", Open(config, strUrl.c_str()),
                  strUrl.c_str());
}

int __cdecl OpenUrl(BSTR bstrUrl) {
    const CStandInConfig config;
    CCallRecord record(L"OpenUrl");
    record.Text(bstrUrl);
    return Finish(config, record, L"OpenUrl", Open(config, bstrUrl), bstrUrl);
}

int __cdecl GetInterNetState() {
    const CStandInConfig config;
    CCallRecord record(L"GetInterNetState");
    // No probe of our own: the addresses go through the user's browser anyway.
    return Finish(config, record, L"GetInterNetState", 1);
}

int __cdecl CustomerFeedback(const wchar_t* pszToolId, const wchar_t* pszToolVersion,
                             int nOutcome) {
    CCallRecord record(L"CustomerFeedback");
    record.Text(pszToolId).Text(pszToolVersion).Number(nOutcome);
    return FeedbackCall(L"CustomerFeedback", record);
}

int __cdecl CustomerFeedbackEx(const wchar_t* pszToolId, const wchar_t* pszToolVersion,
                               int nOutcome, const wchar_t* pszTime, const wchar_t* pszDeviceType) {
    CCallRecord record(L"CustomerFeedbackEx");
    record.Text(pszToolId).Text(pszToolVersion).Number(nOutcome).Text(pszTime).Text(pszDeviceType);
    return FeedbackCall(L"CustomerFeedbackEx", record);
}

int __cdecl WriteCustomerFeedbackInfoFile(const wchar_t* pszToolId, const wchar_t* pszToolVersion,
                                          const wchar_t* pszInfo) {
    CCallRecord record(L"WriteCustomerFeedbackInfoFile");
    record.Text(pszToolId).Text(pszToolVersion).Text(pszInfo);
    return FeedbackCall(L"WriteCustomerFeedbackInfoFile", record);
}

int __cdecl GetToolIsNewVersion(const wchar_t* pszToolId, const wchar_t* pszToolVersion) {
    return VersionCall(L"GetToolIsNewVersion", pszToolId, pszToolVersion);
}

int __cdecl GetToolIsNewVersionDown(const wchar_t* pszToolId, const wchar_t* pszToolVersion) {
    return VersionCall(L"GetToolIsNewVersionDown", pszToolId, pszToolVersion);
}

int __cdecl OpenToolDownUrl() {
    return AddressCall(L"OpenToolDownUrl", kDownloadUrl);
}

int __cdecl OpenUseAgreementUrl() {
    return AddressCall(L"OpenUseAgreementUrl", kAgreementUrl);
}

} // extern "C"

// The binding's pointer types and these definitions must never drift apart.
static_assert(std::is_same_v<decltype(&InitFreedbackDll), CFeedbackDll::InitFreedbackDllFn>);
static_assert(std::is_same_v<decltype(&FeedbackQuestion), CFeedbackDll::FeedbackQuestionFn>);
static_assert(std::is_same_v<decltype(&OpenUrl), CFeedbackDll::OpenUrlFn>);
static_assert(std::is_same_v<decltype(&GetInterNetState), CFeedbackDll::GetInterNetStateFn>);
static_assert(std::is_same_v<decltype(&CustomerFeedback), CFeedbackDll::CustomerFeedbackFn>);
static_assert(std::is_same_v<decltype(&CustomerFeedbackEx), CFeedbackDll::CustomerFeedbackExFn>);
static_assert(std::is_same_v<decltype(&WriteCustomerFeedbackInfoFile),
                             CFeedbackDll::WriteCustomerFeedbackInfoFileFn>);
static_assert(std::is_same_v<decltype(&GetToolIsNewVersion), CFeedbackDll::GetToolIsNewVersionFn>);
static_assert(
    std::is_same_v<decltype(&GetToolIsNewVersionDown), CFeedbackDll::GetToolIsNewVersionDownFn>);
static_assert(std::is_same_v<decltype(&OpenToolDownUrl), CFeedbackDll::OpenToolDownUrlFn>);
static_assert(std::is_same_v<decltype(&OpenUseAgreementUrl), CFeedbackDll::OpenUseAgreementUrlFn>);
