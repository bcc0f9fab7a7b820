#pragma once

// The few Windows user-interface declarations the window chrome calls. On
// Windows they are the platform's own. Elsewhere the stand-ins below answer
// from the Qt window whose native handle the HWND is, so the chrome builds
// and behaves the same and its message handling can be tested anywhere.

#include <QtGlobal>

#ifdef Q_OS_WIN

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#else

#include <cstdint>

typedef struct HWND__ *HWND;
using BOOL = int;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct POINT
{
    LONG x;
    LONG y;
};

struct RECT
{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct MSG
{
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

constexpr UINT WM_GETMINMAXINFO = 0x0024;
constexpr UINT WM_NCCALCSIZE = 0x0083;
constexpr UINT WM_NCHITTEST = 0x0084;
constexpr UINT WM_SYSCOMMAND = 0x0112;

constexpr int GWL_STYLE = -16;
constexpr DWORD WS_OVERLAPPEDWINDOW = 0x00CF0000;

constexpr int HTNOWHERE = 0;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;

// The window's rectangle in screen coordinates, right and bottom exclusive.
BOOL GetWindowRect(HWND window, RECT *rect);
// Nonzero while the window is maximised.
BOOL IsZoomed(HWND window);
// Grows the rectangle by the sizing frame and caption of a standard window
// at 96 dpi (8, 31, 8, 8), which is what the chrome asks it for.
BOOL AdjustWindowRectEx(RECT *rect, DWORD style, BOOL menu, DWORD exStyle);
// There are no native window styles here; the Qt window flags already make
// the window frameless. Does nothing and returns 0.
LONG SetWindowLongW(HWND window, int index, LONG value);

#endif
