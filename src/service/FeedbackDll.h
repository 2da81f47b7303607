#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>

// InitFreedbackDll fills six BSTR slots that the caller owns from then on; slot 3 is the address
// the more-tools button opens.
inline constexpr int FEEDBACK_INFO_COUNT = 6;
// The tool's identity as the library knows it; the version is also the panel's title.
inline constexpr wchar_t FEEDBACK_TOOL_ID[] = L"10147";
inline constexpr wchar_t FEEDBACK_TOOL_VERSION[] = L"1.1.22.1017";
inline constexpr int FEEDBACK_INFO_MORE_TOOLS = 3;

// The maker's feedback library, loaded at run time by full path from the executable's folder;
// the DLLs it imports may come from that folder too (the maker ships them beside it).
// The library may come from another compiler: only C types cross, every export is __cdecl.
class CFeedbackDll {
public:
    using InitFreedbackDllFn = int(__cdecl*)(BSTR* pInfo);
    using FeedbackQuestionFn = int(__cdecl*)(const wchar_t* pszToolId,
                                             const wchar_t* pszToolVersion);
    using OpenUrlFn = int(__cdecl*)(BSTR bstrUrl);
    using GetInterNetStateFn = int(__cdecl*)();
    using CustomerFeedbackFn = int(__cdecl*)(const wchar_t* pszToolId,
                                             const wchar_t* pszToolVersion, int nOutcome);
    using CustomerFeedbackExFn = int(__cdecl*)(const wchar_t* pszToolId,
                                               const wchar_t* pszToolVersion, int nOutcome,
                                               const wchar_t* pszTime,
                                               const wchar_t* pszDeviceType);
    using WriteCustomerFeedbackInfoFileFn = int(__cdecl*)(const wchar_t* pszToolId,
                                                          const wchar_t* pszToolVersion,
                                                          const wchar_t* pszInfo);
    using GetToolIsNewVersionFn = int(__cdecl*)(const wchar_t* pszToolId,
                                                const wchar_t* pszToolVersion);
    using GetToolIsNewVersionDownFn = int(__cdecl*)(const wchar_t* pszToolId,
                                                    const wchar_t* pszToolVersion);
    using OpenToolDownUrlFn = int(__cdecl*)();
    using OpenUseAgreementUrlFn = int(__cdecl*)();

    CFeedbackDll() = default;
    ~CFeedbackDll();
    CFeedbackDll(const CFeedbackDll&) = delete;
    CFeedbackDll& operator=(const CFeedbackDll&) = delete;

    // The executable's folder + "\OstrelFeedbackInformation.dll"; FALSE when the library is
    // missing or at the first of the eleven exports not found, and nothing stays loaded then.
    BOOL LoadFeedbackDll();
    // The same library name in another folder: the seam the tests use.
    BOOL LoadFeedbackDllFrom(const std::wstring& strFolder);
    void FreeFeedbackDll();

    BOOL IsLoaded() const { return m_hModule != nullptr; }
    HMODULE GetModule() const { return m_hModule; }
    // The export the last load stopped at; nullptr when the library itself did not load or all
    // exports were found.
    const char* GetMissingExport() const { return m_pszMissingExport; }

    // Releases whatever the slots still hold first, so the library always sees six null slots.
    int InitFreedbackDll(BSTR (&info)[FEEDBACK_INFO_COUNT]);
    // SysFreeString on each slot, leaving it null.
    static void FreeFeedbackInfo(BSTR (&info)[FEEDBACK_INFO_COUNT]);

    // Each returns the export's result, or 0 when the library is not loaded.
    int FeedbackQuestion(const wchar_t* pszToolId, const wchar_t* pszToolVersion) const;
    // Hands the library a BSTR copy of the address and frees it after the call.
    int OpenUrl(const wchar_t* pszUrl) const;
    int GetInterNetState() const;
    int CustomerFeedback(const wchar_t* pszToolId, const wchar_t* pszToolVersion,
                         int nOutcome) const;
    int CustomerFeedbackEx(const wchar_t* pszToolId, const wchar_t* pszToolVersion, int nOutcome,
                           const wchar_t* pszTime, const wchar_t* pszDeviceType) const;
    // CustomerFeedbackEx for this tool: the outcome, now (the low 32 bits of the 64-bit time,
    // signed) and the device type plus one, both as decimal text.
    int RecordOutcome(int nOutcome, int nDeviceType) const;
    int WriteCustomerFeedbackInfoFile(const wchar_t* pszToolId, const wchar_t* pszToolVersion,
                                      const wchar_t* pszInfo) const;
    int GetToolIsNewVersion(const wchar_t* pszToolId, const wchar_t* pszToolVersion) const;
    int GetToolIsNewVersionDown(const wchar_t* pszToolId, const wchar_t* pszToolVersion) const;
    int OpenToolDownUrl() const;
    int OpenUseAgreementUrl() const;

private:
    template <typename Fn> bool Resolve(Fn& pfn, const char* pszName);
    void ClearExports();

    HMODULE m_hModule = nullptr;
    const char* m_pszMissingExport = nullptr;
    InitFreedbackDllFn m_pfnInitFreedbackDll = nullptr;
    FeedbackQuestionFn m_pfnFeedbackQuestion = nullptr;
    OpenUrlFn m_pfnOpenUrl = nullptr;
    GetInterNetStateFn m_pfnGetInterNetState = nullptr;
    CustomerFeedbackFn m_pfnCustomerFeedback = nullptr;
    CustomerFeedbackExFn m_pfnCustomerFeedbackEx = nullptr;
    WriteCustomerFeedbackInfoFileFn m_pfnWriteCustomerFeedbackInfoFile = nullptr;
    GetToolIsNewVersionFn m_pfnGetToolIsNewVersion = nullptr;
    GetToolIsNewVersionDownFn m_pfnGetToolIsNewVersionDown = nullptr;
    OpenToolDownUrlFn m_pfnOpenToolDownUrl = nullptr;
    OpenUseAgreementUrlFn m_pfnOpenUseAgreementUrl = nullptr;
};
