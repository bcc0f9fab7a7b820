#pragma once

// The geometry of a frameless main window's invisible frame: where its grip
// bands lie and how thick its margins are while maximised. Pure functions of
// rectangles and points, shared by the native filter and the window-system
// bridge.

#include "win32api.h"

#include <QMargins>
#include <QPoint>

// Transparent band around the content in which the drop shadow is drawn.
constexpr int kShadowMargin = 12;
// Width of the grip band that lies just inside the shadow margin.
constexpr int kGripWidth = 5;
// A point outside every grip band.
constexpr int kNoZone = HTNOWHERE;

// The hit-test code (HTLEFT, HTBOTTOMRIGHT, ...) of a screen point in a window
// rectangle (right and bottom exclusive), or kNoZone. Corners come first,
// then the left and right edges, then bottom, then top.
int frameZone(const RECT &window, const QPoint &point);

// Contents margins of a maximised window from the frame offsets of a
// standard window (AdjustWindowRectEx on an empty rectangle). The top margin
// is the bottom frame thickness: the caption is not drawn.
QMargins maximizedMargins(const RECT &frame);

// The screen point of a hit-test message: two signed 16-bit coordinates, so
// monitors left of or above the primary one give negative values.
QPoint pointFromLParam(LPARAM lParam);
LPARAM lParamFromPoint(const QPoint &point);

// What the window system needs to resize from a zone: the edges that follow
// the pointer, and the cursor shown over it.
Qt::Edges zoneEdges(int zone);
Qt::CursorShape zoneCursor(int zone);
