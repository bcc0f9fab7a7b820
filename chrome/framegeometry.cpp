#include "framegeometry.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool inBand(int coordinate, int from)
{
    return coordinate >= from && coordinate < from + kGripWidth;
}

} // namespace

int frameZone(const RECT &window, const QPoint &point)
{
    const int inset = kShadowMargin + kGripWidth;
    const bool left = inBand(point.x(), window.left + kShadowMargin);
    const bool right = inBand(point.x(), window.right - inset);
    const bool top = inBand(point.y(), window.top + kShadowMargin);
    const bool bottom = inBand(point.y(), window.bottom - inset);

    if (left && bottom)
        return HTBOTTOMLEFT;
    if (right && bottom)
        return HTBOTTOMRIGHT;
    if (left && top)
        return HTTOPLEFT;
    if (right && top)
        return HTTOPRIGHT;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    if (bottom)
        return HTBOTTOM;
    if (top)
        return HTTOP;
    return kNoZone;
}

QMargins maximizedMargins(const RECT &frame)
{
    return QMargins(std::abs(frame.left), std::abs(frame.bottom), frame.right, frame.bottom);
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

Qt::Edges zoneEdges(int zone)
{
    switch (zone) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

Qt::CursorShape zoneCursor(int zone)
{
    switch (zone) {
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
