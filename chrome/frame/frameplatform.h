#pragma once

#include <QPointF>
#include <Qt>

#include <memory>

class QWidget;

// What the window system itself does for a frameless window, chosen once for
// the platform Qt runs on:
// - Windows sizes and maximises the window through the native filter's
//   answers to its messages, and its move loop takes a title-bar press at once;
// - an X11 window manager is handed moves and resizes anchored at the press;
// - other platforms (Wayland among them) get Qt's own system move and resize.
// Where none is offered, the window follows the pointer by hand.
class FramePlatform
{
public:
    static const FramePlatform &current();

    virtual ~FramePlatform();

    // Readies a new frameless window for the system's own frame handling.
    virtual void prepare(QWidget *window) const;
    // Whether the system frames the window itself: it answers the grip bands
    // and lays out a maximised window through the native filter, so Qt never
    // sees those presses, and its move takes a title-bar press at once.
    virtual bool framesNatively() const;
    // Hands a move (no edges) or a resize by the given edges to the system,
    // anchored at the screen point where the left button went down (the
    // event's screen position, whose fraction keeps the device pixel at scale
    // factors above 1, for systems that count device pixels at the window's
    // ratio). False where the system offers none.
    virtual bool startSystemDrag(QWidget *window, Qt::Edges edges, const QPointF &pressPosition,
                                 qreal ratio) const = 0;
};

std::unique_ptr<FramePlatform> makeQtFramePlatform();
#ifdef Q_OS_WIN
std::unique_ptr<FramePlatform> makeWindowsFramePlatform();
#endif
#ifdef CORVALEN_HAVE_X11
std::unique_ptr<FramePlatform> makeX11FramePlatform();
#endif
