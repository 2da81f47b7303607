#pragma once

#include <windows.h>

#include <string>

// The full path of a loaded module (null: the running program); empty when the system will not
// say or the path is longer than any it hands out (a cut-short path would name a parent folder).
std::wstring ModulePath(HMODULE hModule);

// ModulePath of the running program.
std::wstring ExecutablePath();

// The folder of ExecutablePath, without a trailing backslash; empty when there is none.
std::wstring ExecutableFolder();
