#include "framegeometry.h"

#include <QtMath>

#include <cmath>
#include <cstdint>
#include <cstdlib>

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

int frameZone(const RECT &window, const QPoint &point, qreal scale)
{
    const QRect rect(window.left, window.top, window.right - window.left, window.bottom - window.top);
    return hitTestCode(gripEdges(rect, point, qRound(kShadowMargin * scale), qMax(1, qRound(kGripWidth * scale))));
}

int hitTestCode(Qt::Edges edges)
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
    return kNoZone;
}

Qt::CursorShape edgesCursor(Qt::Edges edges)
{
    switch (hitTestCode(edges)) {
    case HTLEFT:
    case HTRIGHT:
        return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM:
        return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QMargins maximizedMargins(const RECT &frame, qreal scale)
{
    const auto logical = [scale](int pixels) { return int(std::ceil(std::abs(pixels) / scale - 1e-9)); };
    return QMargins(logical(frame.left), logical(frame.bottom), logical(frame.right), logical(frame.bottom));
}

QPoint pointFromLParam(LPARAM lParam)
{
    const auto word = static_cast<std::uint32_t>(lParam);
    return QPoint(static_cast<std::int16_t>(word & 0xFFFF), static_cast<std::int16_t>(word >> 16));
}

LPARAM lParamFromPoint(const QPoint &point)
{
    const auto x = static_cast<std::uint16_t>(point.x());
    const auto y = static_cast<std::uint16_t>(point.y());
    return static_cast<LPARAM>(static_cast<std::uint32_t>(x) | static_cast<std::uint32_t>(y) << 16);
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
