#include "nativehandle.h"

#include <QWindow>

BOOL GetWindowRect(HWND window, RECT *rect)
{
    const QWidget *widget = widgetFromHandle(window);
    if (!widget)
        return 0;
    const QRect frame = widget->frameGeometry();
    *rect = {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
    return 1;
}

BOOL IsZoomed(HWND window)
{
    const QWidget *widget = widgetFromHandle(window);
    return widget && widget->isMaximized();
}

BOOL AdjustWindowRectEx(RECT *rect, DWORD, BOOL, DWORD)
{
    rect->left -= 8;
    rect->top -= 31;
    rect->right += 8;
    rect->bottom += 8;
    return 1;
}

LONG SetWindowLongW(HWND, int, LONG)
{
    return 0;
}

BOOL ReleaseCapture()
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    return 1;
}

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_SYSCOMMAND || wParam != (SC_MOVE | HTCAPTION))
        return 1;
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
    const QWidget *widget = widgetFromHandle(window);
    QWindow *handle = widget ? widget->windowHandle() : nullptr;
    if (handle && handle->startSystemMove())
        return 0;
#else
    Q_UNUSED(window)
#endif
    return 1;
}
