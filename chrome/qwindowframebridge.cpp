#include "qwindowframebridge.h"

#include "framegeometry.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

QWindowFrameBridge::QWindowFrameBridge(QAbstractNativeEventFilter *filter, QObject *parent)
    : QObject(parent)
    , m_filter(filter)
    , m_cursorZone(kNoZone)
    , m_pressedZone(kNoZone)
{
}

QWindowFrameBridge::~QWindowFrameBridge()
{
    showZoneCursor(kNoZone);
}

bool QWindowFrameBridge::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowStateChange:
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            long result = 0;
            send(static_cast<QWidget *>(watched), WM_GETMINMAXINFO, 0, &result);
        }
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (watched->isWindowType())
            return handleMouse(static_cast<QWindow *>(watched), static_cast<QMouseEvent *>(event));
        return false;
    case QEvent::Leave:
        if (watched->isWindowType())
            showZoneCursor(kNoZone);
        return false;
    default:
        return false;
    }
}

bool QWindowFrameBridge::handleMouse(QWindow *window, const QMouseEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (event->button() != Qt::LeftButton)
            return false;
        QWidget *widget = widgetFromHandle(reinterpret_cast<HWND>(window->winId()));
        m_pressedZone = widget ? zoneAt(widget, event->globalPos()) : kNoZone;
        m_pressedWindow = window;
        return m_pressedZone != kNoZone;
    }
    case QEvent::MouseMove: {
        if (m_pressedZone != kNoZone) {
            const int zone = m_pressedZone;
            m_pressedZone = kNoZone;
            if (!(event->buttons() & Qt::LeftButton) || window != m_pressedWindow)
                return false;
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
            // Without a window manager this is refused, and the band stays inert.
            window->startSystemResize(zoneEdges(zone));
#endif
            return true;
        }
        if (event->buttons() == Qt::NoButton) {
            QWidget *widget = widgetFromHandle(reinterpret_cast<HWND>(window->winId()));
            showZoneCursor(widget ? zoneAt(widget, event->globalPos()) : kNoZone);
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (event->button() != Qt::LeftButton || m_pressedZone == kNoZone)
            return false;
        // The widgets never saw the press, so they must not see its release.
        m_pressedZone = kNoZone;
        return true;
    default:
        return false;
    }
}

int QWindowFrameBridge::zoneAt(QWidget *window, const QPoint &globalPosition)
{
    long result = kNoZone;
    return send(window, WM_NCHITTEST, lParamFromPoint(globalPosition), &result) ? int(result) : kNoZone;
}

bool QWindowFrameBridge::send(QWidget *window, UINT message, LPARAM lParam, long *result)
{
    MSG msg = {};
    msg.hwnd = nativeHandle(window);
    msg.message = message;
    msg.lParam = lParam;
    return m_filter->nativeEventFilter(QByteArrayLiteral("windows_generic_MSG"), &msg, result);
}

// An override cursor, because the bands overlap child widgets whose own
// cursors would otherwise be restored as the pointer crosses them.
void QWindowFrameBridge::showZoneCursor(int zone)
{
    if (zone == m_cursorZone)
        return;
    if (m_cursorZone == kNoZone)
        QGuiApplication::setOverrideCursor(QCursor(zoneCursor(zone)));
    else if (zone == kNoZone)
        QGuiApplication::restoreOverrideCursor();
    else
        QGuiApplication::changeOverrideCursor(QCursor(zoneCursor(zone)));
    m_cursorZone = zone;
}
