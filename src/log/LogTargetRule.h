#pragma once

#include <string_view>

// Whether a log file may be written or rotated. The log folder is machine-wide and any user may
// have made it, or links in it, before the elevated tool runs: nothing is written or renamed
// through a link (a reparse point: symbolic link, junction, mount point) or into a file that
// other names share (a hard link). A refused record is dropped, as other log failures are.
class LogTargetRule {
public:
    // What the writer found about the file it opened.
    struct OpenedFile {
        bool bFolderIsReparsePoint = false;
        bool bFileIsReparsePoint = false;
        unsigned long nLinks = 1;
        // The path the writer asked for, and the one the system says the open file has.
        std::wstring_view requestedPath;
        std::wstring_view finalPath;
    };

    static bool MayAppend(const OpenedFile& file);
    static bool MayRotate(bool bFolderIsReparsePoint, bool bBackupIsReparsePoint);
    // The same path, compared as Windows compares names (ASCII without case), with or without
    // the \\?\ prefix of a final path.
    static bool SamePath(std::wstring_view a, std::wstring_view b);
};
