#include "frameplatform.h"

#include <QWidget>
#include <QWindow>

namespace {

// Qt's own system move and resize, for window systems that anchor them at
// the press themselves (Wayland compositors do).
class QtFramePlatform final : public FramePlatform
{
public:
    bool startSystemDrag(QWidget *window, Qt::Edges edges, const QPointF &, qreal) const override
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
};

} // namespace

std::unique_ptr<FramePlatform> makeQtFramePlatform()
{
    return std::make_unique<QtFramePlatform>();
}
