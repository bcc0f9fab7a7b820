#include "nativehandle.h"

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
