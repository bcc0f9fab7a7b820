#include "qwinnativeeventfilter.h"

#include "framegeometry.h"
#include "nativehandle.h"
#include "windowframe.h"

#include <QMainWindow>

namespace {

// The frame offsets of a standard window at the window's own DPI, where the
// system can tell them (Windows 10 1607 and later), else at the system DPI.
RECT standardFrameOffsets(HWND window)
{
    RECT frame = {0, 0, 0, 0};
#ifdef Q_OS_WIN
    using DpiForWindow = UINT(WINAPI *)(HWND);
    using AdjustForDpi = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);
    using AnyFunction = void (*)();
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    static const auto dpiForWindow =
        reinterpret_cast<DpiForWindow>(reinterpret_cast<AnyFunction>(GetProcAddress(user32, "GetDpiForWindow")));
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(
        reinterpret_cast<AnyFunction>(GetProcAddress(user32, "AdjustWindowRectExForDpi")));
    if (dpiForWindow && adjustForDpi) {
        adjustForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, dpiForWindow(window));
        return frame;
    }
#else
    Q_UNUSED(window)
#endif
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, 0, 0);
    return frame;
}

} // namespace

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
        // The rectangle and the point are device pixels; the bands scale with
        // the window, whatever set its scale (the system DPI or Qt's own).
        const int zone = frameZone(rect, pointFromLParam(msg->lParam), window->devicePixelRatioF());
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
        window->setContentsMargins(maximizedMargins(standardFrameOffsets(handle), window->devicePixelRatioF()));
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
