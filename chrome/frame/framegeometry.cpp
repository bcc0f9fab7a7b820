#include "framegeometry.h"

#include <QtMath>

#include <cmath>

namespace {

bool inBand(int coordinate, int from, int grip)
{
    return coordinate >= from && coordinate < from + grip;
}

// Shifts a span [start, start + length) by the least amount that puts it
// inside [from, from + room); a span longer than the room keeps its start at from.
int keptInside(int start, int length, int from, int room)
{
    return qMax(from, qMin(start, from + room - length));
}

} // namespace

Qt::Edges gripEdges(const QRect &window, const QPoint &point, int margin, int grip)
{
    const int right = window.x() + window.width();
    const int bottom = window.y() + window.height();
    Qt::Edges edges;
    if (inBand(point.x(), window.x() + margin, grip))
        edges |= Qt::LeftEdge;
    else if (inBand(point.x(), right - margin - grip, grip))
        edges |= Qt::RightEdge;
    if (inBand(point.y(), bottom - margin - grip, grip))
        edges |= Qt::BottomEdge;
    else if (inBand(point.y(), window.y() + margin, grip))
        edges |= Qt::TopEdge;
    return edges;
}

Qt::Edges gripEdgesAtScale(const QRect &window, const QPoint &point, int margin, qreal scale)
{
    return gripEdges(window, point, qRound(margin * scale), qMax(1, qRound(kGripWidth * scale)));
}

Qt::CursorShape edgesCursor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        // The diagonal that runs through the grabbed corner.
        const bool fallingDiagonal = bool(edges & Qt::TopEdge) == bool(edges & Qt::LeftEdge);
        return fallingDiagonal ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal)
        return Qt::SizeHorCursor;
    if (vertical)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

QMargins maximizedMargins(const QMargins &frame, qreal scale)
{
    const auto logical = [scale](int pixels) { return int(std::ceil(pixels / scale - 1e-9)); };
    return QMargins(logical(frame.left()), logical(frame.bottom()), logical(frame.right()), logical(frame.bottom()));
}

QRect resizedByEdges(const QRect &geometry, Qt::Edges edges, const QPoint &delta, const QSize &minimum,
                     const QSize &maximum)
{
    int left = geometry.left();
    int top = geometry.top();
    int right = geometry.left() + geometry.width();
    int bottom = geometry.top() + geometry.height();
    if (edges & Qt::LeftEdge)
        left = qBound(right - maximum.width(), left + delta.x(), right - minimum.width());
    if (edges & Qt::RightEdge)
        right = qBound(left + minimum.width(), right + delta.x(), left + maximum.width());
    if (edges & Qt::TopEdge)
        top = qBound(bottom - maximum.height(), top + delta.y(), bottom - minimum.height());
    if (edges & Qt::BottomEdge)
        bottom = qBound(top + minimum.height(), bottom + delta.y(), top + maximum.height());
    return QRect(left, top, right - left, bottom - top);
}

QPoint centredCardPosition(const QRect &parentContent, const QSize &cardSize, const QMargins &cardMargins,
                           const QRect &available)
{
    const QSize visible(cardSize.width() - cardMargins.left() - cardMargins.right(),
                        cardSize.height() - cardMargins.top() - cardMargins.bottom());
    // Half a pixel rounds down, as Qt rounds a scaled window's position up.
    int x = parentContent.x() + qFloor((parentContent.width() - visible.width()) / 2.0);
    int y = parentContent.y() + qFloor((parentContent.height() - visible.height()) / 2.0);
    x = keptInside(x, visible.width(), available.x(), available.width());
    y = keptInside(y, visible.height(), available.y(), available.height());
    return QPoint(x - cardMargins.left(), y - cardMargins.top());
}
