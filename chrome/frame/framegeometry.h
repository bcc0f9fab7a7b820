#pragma once

// The geometry of a frameless window's invisible frame: where its grip bands
// lie, how thick its margins are while maximised, how a band's drag resizes
// it and where a card goes over its parent. Pure functions of rectangles and
// points in Qt's own types; each platform converts its native ones at its edge.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Width of the grip band that lies just inside the shadow margin.
constexpr int kGripWidth = 5;

// The edges whose grip band holds the point: each band is grip pixels wide
// and lies margin pixels in from its edge of the window, and runs the whole
// length of that edge. Left wins over right and bottom over top where a
// small window makes them overlap.
Qt::Edges gripEdges(const QRect &window, const QPoint &point, int margin, int grip);

// The same in device pixels: the rectangle and the point are device pixels,
// the margin and the band's width logical pixels scaled by the window's ratio.
Qt::Edges gripEdgesAtScale(const QRect &window, const QPoint &point, int margin, qreal scale);

// The cursor shown over a set of grip edges.
Qt::CursorShape edgesCursor(Qt::Edges edges);

// Contents margins of a maximised window from the thickness of a standard
// window's frame on each side, the caption included on top. The top margin is
// the bottom thickness: the caption is not drawn. The thickness is in device
// pixels and the margins logical, rounded up so that no device pixel of
// content lies in the part of the frame that is off the screen.
QMargins maximizedMargins(const QMargins &frame, qreal scale = 1.0);

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
