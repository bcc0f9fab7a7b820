#pragma once

#include "windowkind.h"

// CPU time (user and system, in clock ticks of 10 ms) that a child process
// with a window of that kind spends while its window is resized through a
// fixed series of sizes with xdotool, as a window manager's live resize
// configures it. Each size is asked for only once the child has painted the
// one before, so that every size is laid out and painted, none coalesced.
// Needs an X server with a window manager, xdotool and /proc.
struct LiveResize
{
    bool measured = false;
    long ticks = 0;
};

constexpr int kLiveResizeSizes = 240;

LiveResize measureLiveResize(WindowKind kind);

// The child side: shows the window, says "ready" and its X window id, then
// "painted WIDTH HEIGHT" each time it has painted at a new size; runs until
// it is killed.
int runResizeTarget(WindowKind kind);
