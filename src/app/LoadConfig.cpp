// The executable's load configuration. Its one setting: the libraries the executable imports
// are searched for in System32 only, never in the executable's own folder (a Downloads folder,
// where anyone may have left a DLL of a system library's name). The linker does not point the
// PE header at this object; cmake/set-load-config.py does that after linking.
#include <windows.h>

namespace {

constexpr WORD kDependentLoadFlags = LOAD_LIBRARY_SEARCH_SYSTEM32;

} // namespace

#if defined(_WIN64)
extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used = {
    sizeof(IMAGE_LOAD_CONFIG_DIRECTORY64),
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    kDependentLoadFlags,
    0,
    0,
    0,
    0};
#else
// No safe exception handler table: exception handlers are checked as without a configuration.
extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY32 _load_config_used = {
    sizeof(IMAGE_LOAD_CONFIG_DIRECTORY32),
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    kDependentLoadFlags,
    0,
    0,
    0,
    0};
#endif
