#include "qwinnativeeventfilter.h"

#include "framegeometry.h"
#include "nativehandle.h"
#include "windowframe.h"

#include <QMainWindow>

QWinNativeEventFilter::QWinNativeEventFilter() = default;

QWinNativeEventFilter::~QWinNativeEventFilter() = default;

bool QWinNativeEventFilter::nativeEventFilter(const QByteArray &eventType, void *message, long *result)
{
    if (eventType != QByteArrayLiteral("windows_generic_MSG"))
        return false;
    const auto *msg = static_cast<const MSG *>(message);
    auto *window = qobject_cast<QMainWindow *>(widgetFromHandle(msg->hwnd));
    if (!window || window->minimumSize() == window->maximumSize())
        return false;

    switch (msg->message) {
    case WM_GETMINMAXINFO:
        updateMaximizedLayout(window, msg->hwnd);
        return false;
    case WM_NCCALCSIZE:
        // The proposed rectangle stays as it is: all of the window is client area.
        *result = 0;
        return true;
    case WM_NCHITTEST: {
        RECT rect;
        GetWindowRect(msg->hwnd, &rect);
        const int zone = frameZone(rect, pointFromLParam(msg->lParam));
        if (zone == kNoZone)
            return false;
        *result = zone;
        return true;
    }
    default:
        return false;
    }
}

// Checked on every WM_GETMINMAXINFO, so that a maximise or restore done by the
// system itself switches the layout like one done through the button.
void QWinNativeEventFilter::updateMaximizedLayout(QWidget *window, HWND handle)
{
    if (IsZoomed(handle)) {
        RECT frame = {0, 0, 0, 0};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, 0, 0);
        window->setContentsMargins(maximizedMargins(frame));
        if (m_maximizedWindows.contains(window))
            return;
        m_maximizedWindows.insert(window);
        QObject::connect(window, &QObject::destroyed, &m_windowWatch,
                         [this, window] { m_maximizedWindows.remove(window); });
        WindowFrame::showMaximizedState(window, true);
    } else {
        if (!m_maximizedWindows.remove(window))
            return;
        QObject::disconnect(window, nullptr, &m_windowWatch, nullptr);
        window->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);
        WindowFrame::showMaximizedState(window, false);
    }
}
