#include "systemdrag.h"

#include <QWidget>
#include <QWindow>

bool startQtSystemDrag(QWidget *window, Qt::Edges edges)
{
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
    QWindow *handle = window->windowHandle();
    if (!handle)
        return false;
    return edges ? handle->startSystemResize(edges) : handle->startSystemMove();
#else
    Q_UNUSED(window)
    Q_UNUSED(edges)
    return false;
#endif
}
