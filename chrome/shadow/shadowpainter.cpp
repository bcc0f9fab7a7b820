#include "shadowpainter.h"

#include <QPainter>
#include <QRegion>

#include <cmath>

namespace {

// Slice sets kept per window. Each ratio needs at most 64 (the main window
// at 125 % or 175 %, whose slices follow its size in steps of 8 pixels),
// and one for the card.
constexpr int kKeptSlices = 64;

// The pieces along the edges, between the corners.
bool isEdge(std::size_t piece)
{
    return piece == 1 || piece == 3 || piece == 4 || piece == 6;
}

// Lays copies of an edge piece along the part `shown` of its cell (device
// pixels), pixel for pixel, the last one cut to fit.
void repeatAlong(QPainter &painter, const QTransform &fromDevice, const QRect &cell, const QRect &shown,
                 const QPixmap &piece, bool horizontal)
{
    const int length = horizontal ? piece.width() : piece.height();
    const int span = horizontal ? shown.width() : shown.height();
    for (int at = 0; at < span; at += length) {
        const int part = qMin(length, span - at);
        const QRect target = horizontal ? QRect(shown.x() + at, shown.y(), part, shown.height())
                                        : QRect(shown.x(), shown.y() + at, shown.width(), part);
        const QRectF source = horizontal ? QRectF(0, shown.y() - cell.y(), part, shown.height())
                                         : QRectF(shown.x() - cell.x(), 0, shown.width(), part);
        painter.drawPixmap(fromDevice.mapRect(QRectF(target)), piece, source);
    }
}

} // namespace

ShadowPainter::ShadowPainter(std::unique_ptr<ShadowSliceSource> source)
    : m_source(std::move(source))
    , m_cache(kKeptSlices)
{
}

ShadowPainter::~ShadowPainter() = default;

void ShadowPainter::paint(QPainter &painter, const QRect &content, qreal ratio)
{
    const ShadowSlices &slices = this->slices(content.size(), ratio);
    const QRect outer = content.marginsAdded(m_source->reach());
    const QTransform toDevice = painter.deviceTransform();
    const QTransform fromDevice = toDevice.inverted();
    const std::array<QRect, 8> cells = shadowCells(toDevice, outer, slices.band);
    // The content paints over all but its own edge pixels, which at a
    // fractional ratio it may cover in part. Slices that reach under it are
    // drawn only where they show: the rest would be most of the work.
    const QRectF under = toDevice.mapRect(QRectF(content.adjusted(1, 1, -1, -1)));
    const QRect covered(QPoint(int(std::ceil(under.left())), int(std::ceil(under.top()))),
                        QPoint(int(std::floor(under.right())) - 1, int(std::floor(under.bottom())) - 1));
    painter.save();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QPixmap &piece = slices.pieces[i];
        const QRect &cell = cells[i];
        if (piece.isNull() || cell.isEmpty())
            continue;
        // Art of another density is resampled, not picked pixel by pixel.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !qFuzzyCompare(piece.devicePixelRatioF(), ratio));
        // Stretching a piece blends it through the painter's slowest path,
        // many times the cost of laying down copies of it.
        const bool repeated = slices.edgesRepeat && isEdge(i);
        if (!repeated && !cell.intersects(covered)) {
            painter.drawPixmap(fromDevice.mapRect(QRectF(cell)), piece, QRectF());
            continue;
        }
        const qreal across = qreal(piece.width()) / cell.width(), down = qreal(piece.height()) / cell.height();
        for (const QRect &shown : QRegion(cell).subtracted(covered)) {
            if (repeated) {
                repeatAlong(painter, fromDevice, cell, shown, piece, i == 1 || i == 6);
                continue;
            }
            const QRectF source((shown.x() - cell.x()) * across, (shown.y() - cell.y()) * down,
                                shown.width() * across, shown.height() * down);
            painter.drawPixmap(fromDevice.mapRect(QRectF(shown)), piece, source);
        }
    }
    painter.restore();
}

const ShadowSlices &ShadowPainter::slices(const QSize &size, qreal ratio)
{
    const Key key{ratio, m_source->servingSize(size, ratio)};
    if (const ShadowSlices *kept = m_cache.object(key))
        return *kept;
    auto *made = new ShadowSlices(m_source->slices(key.size, ratio));
    m_cache.insert(key, made);
    return *made;
}
