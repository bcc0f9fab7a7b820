#pragma once

#include "windowkind.h"

// CPU time (user and system, in clock ticks of 10 ms) that a child process
// with a window of that kind spends while keystrokes are typed into its
// focused first field through the X server, and then while it sits idle with
// the caret blinking. Needs an X server, xdotool and /proc.
struct ProcessCpu
{
    bool measured = false;
    long typingTicks = 0;
    long idleTicks = 0;
};

constexpr int kTypedKeystrokes = 720;
constexpr int kIdleSeconds = 20;

ProcessCpu measureProcessCpu(WindowKind kind);

// The child side: shows the window, says "ready" once it is active, and
// "typed" once every keystroke has arrived; then runs until it is killed.
int runTypingTarget(WindowKind kind);
