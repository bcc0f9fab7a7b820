#pragma once

#include "windowkind.h"

// The child side of the launch measure: the window of that kind, started as
// the program starts, says "painted" on its first painted frame and ends.
int showUntilFirstFrame(WindowKind kind);

// Launch of a child process to its first painted frame, in microseconds.
double launchMicros(WindowKind kind);
