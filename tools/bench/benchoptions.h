#pragma once

// How the benchmark starts itself as the child whose window it measures.
constexpr char kFirstFrameOption[] = "--first-frame";
constexpr char kTypingTargetOption[] = "--typing-target";
constexpr char kResizeTargetOption[] = "--resize-target";
