#include "windowframebridge.h"

#include "framegeometry.h"
#include "systemdrag.h"
#include "windowframe.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

QWidget *widgetOf(const QWindow *window)
{
    return QWidget::find(window->winId());
}

} // namespace

WindowFrameBridge::WindowFrameBridge(QObject *parent)
    : QObject(parent)
{
}

WindowFrameBridge::~WindowFrameBridge()
{
    showEdgesCursor({});
}

bool WindowFrameBridge::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowStateChange:
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            WindowFrame::followWindowState(static_cast<QWidget *>(watched));
        return false;
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            WindowFrame::followCompositor(static_cast<QWidget *>(watched));
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (watched->isWindowType())
            return handleMouse(static_cast<QWindow *>(watched), static_cast<QMouseEvent *>(event));
        return false;
    case QEvent::Leave:
        if (watched->isWindowType())
            showEdgesCursor({});
        return false;
    default:
        return false;
    }
}

bool WindowFrameBridge::handleMouse(QWindow *window, const QMouseEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (event->button() != Qt::LeftButton)
            return false;
        QWidget *widget = widgetOf(window);
        m_pressedEdges = widget ? WindowFrame::edgesAt(widget, event->globalPos()) : Qt::Edges();
        if (!m_pressedEdges)
            return false;
        m_pressedWindow = window;
        m_pressedWidget = widget;
        m_pressPosition = event->screenPos();
        // Where the window really is, from the pointer's own coordinates: Qt
        // may hold a stale position for a window the manager has just placed.
        m_pressGeometry = QRect(event->globalPos() - event->windowPos().toPoint(), widget->size());
        m_resizingByHand = false;
        return true;
    }
    case QEvent::MouseMove: {
        if (m_pressedEdges) {
            if (!(event->buttons() & Qt::LeftButton) || window != m_pressedWindow || !m_pressedWidget) {
                m_pressedEdges = {};
                return false;
            }
            if (!m_resizingByHand) {
                if (startSystemDrag(m_pressedWidget, m_pressedEdges, m_pressPosition)) {
                    m_pressedEdges = {};
                    return true;
                }
                // No window manager: the band follows the pointer by hand.
                m_resizingByHand = true;
            }
            resizeByHand(event->screenPos());
            return true;
        }
        if (event->buttons() == Qt::NoButton) {
            QWidget *widget = widgetOf(window);
            showEdgesCursor(widget ? WindowFrame::edgesAt(widget, event->globalPos()) : Qt::Edges());
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (event->button() != Qt::LeftButton || !m_pressedEdges)
            return false;
        // The widgets never saw the press, so they must not see its release.
        m_pressedEdges = {};
        return true;
    default:
        return false;
    }
}

void WindowFrameBridge::resizeByHand(const QPointF &screenPosition)
{
    const QPoint moved = (screenPosition - m_pressPosition).toPoint();
    m_pressedWidget->setGeometry(resizedByEdges(m_pressGeometry, m_pressedEdges, moved,
                                                m_pressedWidget->minimumSize(), m_pressedWidget->maximumSize()));
}

// An override cursor, because the bands overlap child widgets whose own
// cursors would otherwise be restored as the pointer crosses them.
void WindowFrameBridge::showEdgesCursor(Qt::Edges edges)
{
    if (edges == m_cursorEdges)
        return;
    if (!m_cursorEdges)
        QGuiApplication::setOverrideCursor(QCursor(edgesCursor(edges)));
    else if (!edges)
        QGuiApplication::restoreOverrideCursor();
    else
        QGuiApplication::changeOverrideCursor(QCursor(edgesCursor(edges)));
    m_cursorEdges = edges;
}
