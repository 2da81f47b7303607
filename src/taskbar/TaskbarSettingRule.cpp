#include "taskbar/TaskbarSettingRule.h"

TaskbarSetting TaskbarSettingRule::ForRelease(const SystemVersion& version) {
    if (version.nMajor < 10 || version.nBuild < kFirstBuildIgnoringTaskbarSi) {
        return TaskbarSetting::TaskbarSi;
    }
    if (version.nBuild >= kFirstBuildWithIconSize ||
        version.nRevision >= kFirstRevisionWithIconSize) {
        return TaskbarSetting::IconSizePreference;
    }
    return TaskbarSetting::None;
}
