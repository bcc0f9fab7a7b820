#pragma once

// Between a widget and the native window handle that Windows messages name.

#include "win32api.h"

#include <QWidget>

inline HWND nativeHandle(const QWidget *widget)
{
    return reinterpret_cast<HWND>(widget->winId());
}

inline QWidget *widgetFromHandle(HWND window)
{
    return QWidget::find(reinterpret_cast<WId>(window));
}
