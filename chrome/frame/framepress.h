#pragma once

#include <QPointF>
#include <QRect>

class QMouseEvent;
class QWidget;

// Where a mouse event happened on the screen, with the fraction that a scaled
// screen gives it.
QPointF screenPosition(const QMouseEvent *event);

// One left press on a frameless window's title bar (a move) or grip band (a
// resize), from the button going down until the system takes it over or the
// button comes up: the one state machine that every platform's presses go
// through. The move or resize is handed to the system on the first motion,
// or at once where the system's move takes the press itself; where the
// system offers none, the window follows the pointer by hand.
class FramePress final
{
public:
    explicit FramePress(QWidget *window);
    FramePress(const FramePress &) = delete;
    FramePress &operator=(const FramePress &) = delete;

    // A left press; no edges is a move. ratio is the window's device pixel ratio.
    void press(const QMouseEvent *event, Qt::Edges edges, qreal ratio);
    // Feeds the pointer's motion; true while it belongs to the press.
    bool move(const QMouseEvent *event);
    // Ends the press on the left button's release.
    void release();

    bool isActive() const { return m_active; }
    // The press is a resize by these edges; none for a move.
    Qt::Edges edges() const { return m_edges; }

private:
    void followByHand(const QPointF &screenPosition);

    QWidget *m_window;
    bool m_active = false;
    bool m_byHand = false;
    Qt::Edges m_edges;
    qreal m_ratio = 1.0;
    // Where the button went down, with the fraction that keeps the device
    // pixel at scale factors above 1, and the window's geometry then.
    QPointF m_pressPosition;
    QRect m_pressGeometry;
};
