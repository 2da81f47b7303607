#pragma once

#include <windows.h>

// From now on, libraries this process loads by name come from System32 only: never from the
// executable's folder (typically Downloads) or the current folder. A library named by its full
// path, such as the feedback library, still loads from there. FALSE where the system cannot
// restrict the search.
BOOL RestrictLibrarySearch();
