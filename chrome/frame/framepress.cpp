#include "framepress.h"

#include "framegeometry.h"
#include "frameplatform.h"

#include <QMouseEvent>
#include <QWidget>

namespace {

// Qt 6 renamed the event's window position (the scene's); Qt 5 calls it windowPos().
QPointF windowPosition(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->scenePosition();
#else
    return event->windowPos();
#endif
}

} // namespace

// Qt 6 renamed it globalPosition(); Qt 5 calls it screenPos().
QPointF screenPosition(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition();
#else
    return event->screenPos();
#endif
}

FramePress::FramePress(QWidget *window)
    : m_window(window)
{
}

void FramePress::press(const QMouseEvent *event, Qt::Edges edges, qreal ratio)
{
    const FramePlatform &platform = FramePlatform::current();
    if (platform.movesOnPress() && platform.startSystemDrag(m_window, edges, screenPosition(event), ratio))
        return;
    m_active = true;
    m_byHand = false;
    m_edges = edges;
    m_ratio = ratio;
    m_pressPosition = screenPosition(event);
    // Where the window really is, from the pointer's own coordinates: a window
    // manager can leave Qt with a stale position for a window it has just
    // mapped, and a drag started from that position jumps.
    m_pressGeometry = QRect(screenPosition(event).toPoint() - windowPosition(event).toPoint(), m_window->size());
    if (m_window->pos() != m_pressGeometry.topLeft())
        m_window->move(m_pressGeometry.topLeft());
}

bool FramePress::move(const QMouseEvent *event)
{
    if (!m_active)
        return false;
    if (!(event->buttons() & Qt::LeftButton)) {
        m_active = false;
        return false;
    }
    if (!m_byHand) {
        if (FramePlatform::current().startSystemDrag(m_window, m_edges, m_pressPosition, m_ratio)) {
            // The system owns the pointer until the button is released.
            m_active = false;
            return true;
        }
        m_byHand = true;
    }
    followByHand(screenPosition(event));
    return true;
}

void FramePress::release()
{
    m_active = false;
}

void FramePress::followByHand(const QPointF &screenPosition)
{
    const QPoint moved = (screenPosition - m_pressPosition).toPoint();
    if (!m_edges) {
        m_window->move(m_pressGeometry.topLeft() + moved);
        return;
    }
    m_window->setGeometry(resizedByEdges(m_pressGeometry, m_edges, moved, m_window->minimumSize(),
                                         m_window->maximumSize()));
}
