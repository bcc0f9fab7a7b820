#pragma once

// The geometry of a frameless window's invisible frame: where its grip bands
// lie, how thick its margins are while maximised, how a band's drag resizes
// it and where a card goes over its parent. Pure functions of rectangles and
// points, shared by the Windows message path and the Qt event path.

#include "win32api.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Transparent band around the content in which the drop shadow is drawn.
constexpr int kShadowMargin = 12;
// Width of the grip band that lies just inside the shadow margin.
constexpr int kGripWidth = 5;
// A point outside every grip band.
constexpr int kNoZone = HTNOWHERE;

// The edges whose grip band holds the point: each band is grip pixels wide
// and lies margin pixels in from its edge of the window, and runs the whole
// length of that edge. Left wins over right and bottom over top where a
// small window makes them overlap.
Qt::Edges gripEdges(const QRect &window, const QPoint &point, int margin, int grip);

// The hit-test code (HTLEFT, HTBOTTOMRIGHT, ...) of a screen point in a window
// rectangle (right and bottom exclusive), or kNoZone. Corners come first,
// then the left and right edges, then bottom, then top. The rectangle and the
// point are in device pixels; the margin and the band, logical pixels, are
// scaled by the window's device pixel ratio.
int frameZone(const RECT &window, const QPoint &point, qreal scale = 1.0);

// The hit-test code of a set of grip edges, and the cursor shown over them.
int hitTestCode(Qt::Edges edges);
Qt::CursorShape edgesCursor(Qt::Edges edges);

// Contents margins of a maximised window from the frame offsets of a
// standard window (AdjustWindowRectEx on an empty rectangle). The top margin
// is the bottom frame thickness: the caption is not drawn. The offsets are in
// device pixels and the margins logical, rounded up so that no device pixel
// of content lies in the part of the frame that is off the screen.
QMargins maximizedMargins(const RECT &frame, qreal scale = 1.0);

// The screen point of a hit-test message: two signed 16-bit coordinates, so
// monitors left of or above the primary one give negative values.
QPoint pointFromLParam(LPARAM lParam);
LPARAM lParamFromPoint(const QPoint &point);

// The window geometry after the pointer moved by delta while holding the
// grip edges: those edges follow it, the opposite ones stay, and the size
// stays within minimum and maximum.
QRect resizedByEdges(const QRect &geometry, Qt::Edges edges, const QPoint &delta, const QSize &minimum,
                     const QSize &maximum);

// Where a card window of the given size goes so that its visible part (the
// window less its margins) is centred on the parent's visible content, moved
// just enough to keep that visible part inside the available screen area.
QPoint centredCardPosition(const QRect &parentContent, const QSize &cardSize, const QMargins &cardMargins,
                           const QRect &available);
