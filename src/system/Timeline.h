#pragma once

// Phase marks for the timelines of `make bench`. Only the bench's own build of the tool
// (KELVANE_TIMELINE) records them; in the shipped program they are nothing at all.
#ifdef KELVANE_TIMELINE

#define KELVANE_MARK(phase, ...) CTimeline::Mark(phase __VA_OPT__(, ) __VA_ARGS__)

// Appends "phase[ number]<TAB>performance counter<TAB>its frequency" to the file that the
// environment's KELVANE_TIMELINE names: the counter is the machine's, so the bench can set the
// marks against its own clock. Opened and closed per mark, so a process the bench ends keeps
// every mark.
class CTimeline {
public:
    static void Mark(const char* pszPhase, unsigned nNumber = 0);
};

#else

#define KELVANE_MARK(phase, ...) static_cast<void>(0)

#endif
