#pragma once

#include <string>

// The running program's full path; empty when the system will not say or the path is longer
// than any it hands out (a cut-short path would name a parent folder).
std::wstring ExecutablePath();

// The folder of ExecutablePath, without a trailing backslash; empty when there is none.
std::wstring ExecutableFolder();
