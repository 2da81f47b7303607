#pragma once

#include "system/SupportedSystemRule.h"

// The per-user value through which a size change takes effect.
enum class TaskbarSetting {
    // Read by the taskbar up to Windows 11 23H2.
    TaskbarSi,
    // The Settings app's "smaller taskbar buttons" choice, which replaced it in 24H2.
    IconSizePreference,
    // 24H2 before that choice shipped: it ignores TaskbarSi and has nothing else.
    None,
};

// 24H2 (build 26100 and the builds serviced with it) stopped reading TaskbarSi; its update
// KB5060829 (revision 4484) brought IconSizePreference, which every 25H2 build (26200) has.
class TaskbarSettingRule {
public:
    static constexpr unsigned long kFirstBuildIgnoringTaskbarSi = 26100;
    static constexpr unsigned long kFirstRevisionWithIconSize = 4484;
    static constexpr unsigned long kFirstBuildWithIconSize = 26200;

    static TaskbarSetting ForRelease(const SystemVersion& version);
};
