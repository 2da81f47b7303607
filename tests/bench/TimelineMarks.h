#pragma once

// Reading the phase marks the bench's own build of the tool writes (system/Timeline.h), and
// printing their medians.
#include "res/resource.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct TimelineMark {
    std::string phase;
    LONGLONG nCounter;
    LONGLONG nFrequency;
};

inline LONGLONG CounterNow() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

inline std::vector<TimelineMark> ReadTimeline(const std::wstring& path) {
    std::vector<TimelineMark> marks;
    std::ifstream in(path.c_str());
    for (std::string line; std::getline(in, line);) {
        const std::size_t tab = line.find('\t');
        TimelineMark mark{line.substr(0, tab), 0, 0};
        if (tab != std::string::npos &&
            std::sscanf(line.c_str() + tab + 1, "%lld\t%lld", &mark.nCounter, &mark.nFrequency) ==
                2 &&
            mark.nFrequency > 0) {
            marks.push_back(std::move(mark));
        }
    }
    return marks;
}

// The skinned windows' marks carry their template ids: named here.
inline std::string PhaseName(std::string phase) {
    static const std::pair<const char*, const char*> names[] = {
        {" 102", " (shell)"},           {" 146", " (panel)"},
        {" 139", " (prompt)"},          {" 137", " (prompt)"},
        {" 131", " (working prompt)"},  {" 129", " (working prompt)"},
        {" 134", " (feedback dialog)"}, {" 133", " (feedback dialog)"}};
    for (const auto& [id, name] : names) {
        const std::size_t at = phase.rfind(id);
        if (at != std::string::npos && at + std::string(id).size() == phase.size()) {
            return phase.substr(0, at) + name;
        }
    }
    return phase;
}

// The first mark of a phase at or after a counter reading; null without.
inline const TimelineMark* FirstMark(const std::vector<TimelineMark>& marks,
                                     const std::string& phase, LONGLONG nFrom) {
    for (const TimelineMark& mark : marks) {
        if (mark.phase == phase && mark.nCounter >= nFrom) {
            return &mark;
        }
    }
    return nullptr;
}

// Milliseconds from a counter reading to the first mark of a phase at or after it; -1 without.
inline double MsToFirst(const std::vector<TimelineMark>& marks, const std::string& phase,
                        LONGLONG nFrom) {
    const TimelineMark* pMark = FirstMark(marks, phase, nFrom);
    return pMark != nullptr ? static_cast<double>(pMark->nCounter - nFrom) * 1000.0 /
                                  static_cast<double>(pMark->nFrequency)
                            : -1.0;
}

// Phases with the times of each run; printed by their median, earliest first.
class TimelineTable {
public:
    void Add(const std::string& phase, double ms) {
        if (ms < 0) {
            return;
        }
        if (m_times.find(phase) == m_times.end()) {
            m_order.push_back(phase);
        }
        m_times[phase].push_back(ms);
    }
    void Print(const char* pszTitle) const {
        std::vector<std::pair<double, std::string>> rows;
        for (const std::string& phase : m_order) {
            std::vector<double> v = m_times.at(phase);
            std::sort(v.begin(), v.end());
            rows.emplace_back(v[v.size() / 2], phase);
        }
        std::stable_sort(rows.begin(), rows.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::printf("%s\n", pszTitle);
        double previous = 0;
        for (const auto& [ms, phase] : rows) {
            std::printf("  %-40s %8.1f ms  (+%6.1f)\n", PhaseName(phase).c_str(), ms,
                        ms - previous);
            previous = ms;
        }
    }

private:
    std::vector<std::string> m_order;
    std::map<std::string, std::vector<double>> m_times;
};
