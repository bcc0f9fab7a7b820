#pragma once

#include <QPointF>
#include <Qt>

class QWidget;

// Hands a move (no edges) or a resize by the given edges of a top-level
// window to the window manager, anchored at the screen point where the left
// button went down: the window then follows the pointer exactly from the
// press, however far it travelled before the hand-over. False where no
// window manager offers it; the caller then follows the pointer by hand.
// The press position is the event's screen position, whose fraction keeps
// the device pixel at scale factors above 1.
bool startSystemDrag(QWidget *window, Qt::Edges edges, const QPointF &pressPosition);

// Qt's own system move or resize, for window systems that anchor it at the
// press themselves (Wayland compositors do); false before Qt 5.15.
bool startQtSystemDrag(QWidget *window, Qt::Edges edges);
