#pragma once

#include "log/LogRecordFormat.h"

#include <string>

// A clock standing still, so record headers are known byte for byte.
inline LogStamp FrozenClock() {
    return LogStamp{2024, 3, 5, 8, 7, 6, 9};
}

inline const std::string kFrozenHeader = "[2024-03-05 08:07:06 009ms]   ";
