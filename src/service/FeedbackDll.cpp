#include "service/FeedbackDll.h"

#include "system/ModulePath.h"
#include "system/ProcAddress.h"

#include <cstdint>
#include <ctime>

namespace {

constexpr wchar_t kFeedbackDllName[] = L"OstrelFeedbackInformation.dll";

} // namespace

CFeedbackDll::~CFeedbackDll() {
    FreeFeedbackDll();
}

BOOL CFeedbackDll::LoadFeedbackDll() {
    const std::wstring strFolder = ExecutableFolder();
    if (strFolder.empty()) {
        // Without a folder the name would be bare and go through the search path.
        FreeFeedbackDll();
        m_pszMissingExport = nullptr;
        return FALSE;
    }
    return LoadFeedbackDllFrom(strFolder);
}

BOOL CFeedbackDll::LoadFeedbackDllFrom(const std::wstring& strFolder) {
    FreeFeedbackDll();
    m_pszMissingExport = nullptr;
    const std::wstring strPath = strFolder + L"\\" + kFeedbackDllName;
    // Its own imports resolve from its folder, where a maker ships the library's runtime and
    // helpers, and from System32; the process's search stays restricted to System32.
    m_hModule = LoadLibraryExW(strPath.c_str(), nullptr,
                               LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (m_hModule == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        // A system without the search flags (Windows 7 before its 2011 loader update) cannot
        // restrict the process either; the altered search path also starts at the library's
        // folder.
        m_hModule = LoadLibraryExW(strPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    if (m_hModule == nullptr) {
        return FALSE;
    }
    // Table order, stopping at the first export missing.
    const bool bAll =
        Resolve(m_pfnInitFreedbackDll, "InitFreedbackDll") &&
        Resolve(m_pfnFeedbackQuestion, "FeedbackQuestion") && Resolve(m_pfnOpenUrl, "OpenUrl") &&
        Resolve(m_pfnGetInterNetState, "GetInterNetState") &&
        Resolve(m_pfnCustomerFeedback, "CustomerFeedback") &&
        Resolve(m_pfnCustomerFeedbackEx, "CustomerFeedbackEx") &&
        Resolve(m_pfnWriteCustomerFeedbackInfoFile, "WriteCustomerFeedbackInfoFile") &&
        Resolve(m_pfnGetToolIsNewVersion, "GetToolIsNewVersion") &&
        Resolve(m_pfnGetToolIsNewVersionDown, "GetToolIsNewVersionDown") &&
        Resolve(m_pfnOpenToolDownUrl, "OpenToolDownUrl") &&
        Resolve(m_pfnOpenUseAgreementUrl, "OpenUseAgreementUrl");
    if (!bAll) {
        // A half-bound library is never used: the tool stops, and nothing should stay mapped.
        FreeFeedbackDll();
        return FALSE;
    }
    return TRUE;
}

void CFeedbackDll::FreeFeedbackDll() {
    ClearExports();
    if (m_hModule != nullptr) {
        FreeLibrary(m_hModule);
        m_hModule = nullptr;
    }
}

template <typename Fn> bool CFeedbackDll::Resolve(Fn& pfn, const char* pszName) {
    pfn = GetProcAddressAs<Fn>(m_hModule, pszName);
    if (pfn == nullptr) {
        m_pszMissingExport = pszName;
    }
    return pfn != nullptr;
}

void CFeedbackDll::ClearExports() {
    m_pfnInitFreedbackDll = nullptr;
    m_pfnFeedbackQuestion = nullptr;
    m_pfnOpenUrl = nullptr;
    m_pfnGetInterNetState = nullptr;
    m_pfnCustomerFeedback = nullptr;
    m_pfnCustomerFeedbackEx = nullptr;
    m_pfnWriteCustomerFeedbackInfoFile = nullptr;
    m_pfnGetToolIsNewVersion = nullptr;
    m_pfnGetToolIsNewVersionDown = nullptr;
    m_pfnOpenToolDownUrl = nullptr;
    m_pfnOpenUseAgreementUrl = nullptr;
}

int CFeedbackDll::InitFreedbackDll(BSTR (&info)[FEEDBACK_INFO_COUNT]) {
    if (m_pfnInitFreedbackDll == nullptr) {
        return 0;
    }
    FreeFeedbackInfo(info);
    return m_pfnInitFreedbackDll(info);
}

void CFeedbackDll::FreeFeedbackInfo(BSTR (&info)[FEEDBACK_INFO_COUNT]) {
    for (BSTR& bstr : info) {
        SysFreeString(bstr);
        bstr = nullptr;
    }
}

int CFeedbackDll::FeedbackQuestion(const wchar_t* pszToolId, const wchar_t* pszToolVersion) const {
    return m_pfnFeedbackQuestion ? m_pfnFeedbackQuestion(pszToolId, pszToolVersion) : 0;
}

int CFeedbackDll::OpenUrl(const wchar_t* pszUrl) const {
    if (m_pfnOpenUrl == nullptr) {
        return 0;
    }
    BSTR bstrUrl = SysAllocString(pszUrl);
    const int nResult = m_pfnOpenUrl(bstrUrl);
    SysFreeString(bstrUrl);
    return nResult;
}

int CFeedbackDll::GetInterNetState() const {
    return m_pfnGetInterNetState ? m_pfnGetInterNetState() : 0;
}

int CFeedbackDll::CustomerFeedback(const wchar_t* pszToolId, const wchar_t* pszToolVersion,
                                   int nOutcome) const {
    return m_pfnCustomerFeedback ? m_pfnCustomerFeedback(pszToolId, pszToolVersion, nOutcome) : 0;
}

int CFeedbackDll::RecordOutcome(int nOutcome, int nDeviceType) const {
    const auto nNow = static_cast<std::int32_t>(static_cast<std::uint32_t>(_time64(nullptr)));
    const std::wstring time = std::to_wstring(nNow);
    const std::wstring type = std::to_wstring(static_cast<long long>(nDeviceType) + 1);
    return CustomerFeedbackEx(FEEDBACK_TOOL_ID, FEEDBACK_TOOL_VERSION, nOutcome, time.c_str(),
                              type.c_str());
}

int CFeedbackDll::CustomerFeedbackEx(const wchar_t* pszToolId, const wchar_t* pszToolVersion,
                                     int nOutcome, const wchar_t* pszTime,
                                     const wchar_t* pszDeviceType) const {
    return m_pfnCustomerFeedbackEx ? m_pfnCustomerFeedbackEx(pszToolId, pszToolVersion, nOutcome,
                                                             pszTime, pszDeviceType)
                                   : 0;
}

int CFeedbackDll::WriteCustomerFeedbackInfoFile(const wchar_t* pszToolId,
                                                const wchar_t* pszToolVersion,
                                                const wchar_t* pszInfo) const {
    return m_pfnWriteCustomerFeedbackInfoFile
               ? m_pfnWriteCustomerFeedbackInfoFile(pszToolId, pszToolVersion, pszInfo)
               : 0;
}

int CFeedbackDll::GetToolIsNewVersion(const wchar_t* pszToolId,
                                      const wchar_t* pszToolVersion) const {
    return m_pfnGetToolIsNewVersion ? m_pfnGetToolIsNewVersion(pszToolId, pszToolVersion) : 0;
}

int CFeedbackDll::GetToolIsNewVersionDown(const wchar_t* pszToolId,
                                          const wchar_t* pszToolVersion) const {
    return m_pfnGetToolIsNewVersionDown ? m_pfnGetToolIsNewVersionDown(pszToolId, pszToolVersion)
                                        : 0;
}

int CFeedbackDll::OpenToolDownUrl() const {
    return m_pfnOpenToolDownUrl ? m_pfnOpenToolDownUrl() : 0;
}

int CFeedbackDll::OpenUseAgreementUrl() const {
    return m_pfnOpenUseAgreementUrl ? m_pfnOpenUseAgreementUrl() : 0;
}
