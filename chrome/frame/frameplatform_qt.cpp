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
        QWindow *handle = window->windowHandle();
        if (!handle)
            return false;
        return edges ? handle->startSystemResize(edges) : handle->startSystemMove();
    }
};

} // namespace

std::unique_ptr<FramePlatform> makeQtFramePlatform()
{
    return std::make_unique<QtFramePlatform>();
}
