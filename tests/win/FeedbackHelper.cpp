// A maker's library brings DLLs of its own: built as such a helper, and into a library variant
// that calls the helper while loading, so that it cannot load without it.
#if defined(KELVANE_FEEDBACK_HELPER)
extern "C" __declspec(dllexport) int __cdecl OstrelHelperReady() {
    return 1;
}
#else
extern "C" __declspec(dllimport) int __cdecl OstrelHelperReady();
[[maybe_unused]] static const int s_nHelperReady = OstrelHelperReady();
#endif
