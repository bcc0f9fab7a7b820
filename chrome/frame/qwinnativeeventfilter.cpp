#include "qwinnativeeventfilter.h"

#include "framegeometry.h"
#include "windowframe.h"

#include <QMainWindow>

#include <windows.h>

#include <cstdint>

namespace {

// The screen point of a hit-test message: two signed 16-bit coordinates, so
// monitors left of or above the primary one give negative values.
QPoint pointFromLParam(LPARAM lParam)
{
    const auto word = static_cast<std::uint32_t>(lParam);
    return QPoint(static_cast<std::int16_t>(word & 0xFFFF), static_cast<std::int16_t>(word >> 16));
}

// The window rectangle in device pixels (right and bottom exclusive).
QRect windowRect(HWND window)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// Corners first, then the left and right edges, then bottom, then top.
LRESULT hitTestCode(Qt::Edges edges)
{
    if (edges == (Qt::BottomEdge | Qt::LeftEdge))
        return HTBOTTOMLEFT;
    if (edges == (Qt::BottomEdge | Qt::RightEdge))
        return HTBOTTOMRIGHT;
    if (edges == (Qt::TopEdge | Qt::LeftEdge))
        return HTTOPLEFT;
    if (edges == (Qt::TopEdge | Qt::RightEdge))
        return HTTOPRIGHT;
    if (edges == Qt::LeftEdge)
        return HTLEFT;
    if (edges == Qt::RightEdge)
        return HTRIGHT;
    if (edges == Qt::BottomEdge)
        return HTBOTTOM;
    if (edges == Qt::TopEdge)
        return HTTOP;
    return HTNOWHERE;
}

// The frame thickness of a standard window on each side, the caption
// included on top, at the window's own DPI where the system can tell it
// (Windows 10 1607 and later), else at the system DPI.
QMargins standardFrameThickness(HWND window)
{
    RECT frame = {0, 0, 0, 0};
    using DpiForWindow = UINT(WINAPI *)(HWND);
    using AdjustForDpi = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);
    using AnyFunction = void (*)();
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    static const auto dpiForWindow =
        reinterpret_cast<DpiForWindow>(reinterpret_cast<AnyFunction>(GetProcAddress(user32, "GetDpiForWindow")));
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(
        reinterpret_cast<AnyFunction>(GetProcAddress(user32, "AdjustWindowRectExForDpi")));
    if (dpiForWindow && adjustForDpi)
        adjustForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, dpiForWindow(window));
    else
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    return QMargins(-frame.left, -frame.top, frame.right, frame.bottom);
}

} // namespace

QWinNativeEventFilter::QWinNativeEventFilter() = default;

QWinNativeEventFilter::~QWinNativeEventFilter() = default;

bool QWinNativeEventFilter::nativeEventFilter(const QByteArray &eventType, void *message, Result *result)
{
    if (eventType != QByteArrayLiteral("windows_generic_MSG"))
        return false;
    const auto *msg = static_cast<const MSG *>(message);
    auto *window = qobject_cast<QMainWindow *>(QWidget::find(reinterpret_cast<WId>(msg->hwnd)));
    if (!window || window->minimumSize() == window->maximumSize())
        return false;
    WindowFrame *frame = WindowFrame::of(window);

    switch (msg->message) {
    case WM_GETMINMAXINFO:
        // Checked on every one, so that a maximise or restore done by the
        // system itself switches the layout like one done through the button.
        if (frame) {
            const bool maximized = IsZoomed(msg->hwnd);
            frame->setMaximized(maximized, maximized ? maximizedMargins(standardFrameThickness(msg->hwnd),
                                                                        frame->devicePixelRatio())
                                                     : QMargins());
        }
        return false;
    case WM_NCCALCSIZE:
        // The proposed rectangle stays as it is: all of the window is client area.
        *result = 0;
        return true;
    case WM_NCHITTEST: {
        // The rectangle and the point are device pixels; the bands scale with
        // the window, whatever set its scale (the system DPI or Qt's own).
        const LRESULT zone =
            frame ? hitTestCode(frame->gripEdgesInDevicePixels(windowRect(msg->hwnd), pointFromLParam(msg->lParam)))
                  : LRESULT(HTNOWHERE);
        if (zone == HTNOWHERE)
            return false;
        *result = Result(zone);
        return true;
    }
    default:
        return false;
    }
}
