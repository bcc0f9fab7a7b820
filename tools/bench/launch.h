#pragma once

#include "windowkind.h"

// The child side of the launch measure: the window of that kind, started as
// the program starts, says "painted" and the CPU time it has spent on its
// first painted frame, and ends.
int showUntilFirstFrame(WindowKind kind);

// Launch of a child process to its first painted frame, in microseconds: the
// time the user waits, and the CPU time the child spent, which a machine
// busy with other work disturbs much less.
struct Launch
{
    double waitedMicros = 0;
    double cpuMicros = 0;
};
Launch measureLaunch(WindowKind kind);
