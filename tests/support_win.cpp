#include "support.h"

#include <QtMath>

#include <windows.h>

QMargins frameMargins(qreal scale)
{
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    const auto logical = [scale](LONG pixels) { return qCeil(pixels / scale); };
    return QMargins(logical(-frame.left), logical(frame.bottom), logical(frame.right), logical(frame.bottom));
}
