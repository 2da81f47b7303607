#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the tool removes when it ends: its folder when that holds nothing but the tool, else only
// its own two files, always after a three-second wait, as parameters for the command interpreter.
class SelfRemovalRule {
public:
    static constexpr std::wstring_view kLibraryName = L"OstrelFeedbackInformation.dll";

    struct Entry {
        std::wstring name;
        bool bDirectory = false;
    };

    // exePath: the executable's full path; entries: everything in its folder (hidden ones too);
    // bListed: whether the folder could be listed at all. Empty when nothing may be removed.
    static std::wstring Parameters(const std::wstring& exePath, const std::vector<Entry>& entries,
                                   bool bListed);
    // "C:", "\\?\C:", a share "\\server\share": the folder is a whole drive.
    static bool IsDriveRoot(std::wstring_view folder);
};
