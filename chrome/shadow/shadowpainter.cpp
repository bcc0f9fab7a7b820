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

// Lays copies of an edge piece along its cell, pixel for pixel, the last
// one cut to fit.
void repeatAlong(QPainter &painter, const QRect &cell, const QPixmap &piece, bool horizontal)
{
    const int length = horizontal ? piece.width() : piece.height();
    const int span = horizontal ? cell.width() : cell.height();
    for (int at = 0; at < span; at += length) {
        const int part = qMin(length, span - at);
        const QRect target = horizontal ? QRect(cell.x() + at, cell.y(), part, cell.height())
                                        : QRect(cell.x(), cell.y() + at, cell.width(), part);
        painter.drawPixmap(target, piece, QRect(QPoint(), target.size()));
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
    const QTransform toDevice = painter.deviceTransform();
    // The device's own scale, the window's ratio unless the window is
    // rendered elsewhere (a grab at another density).
    const qreal deviceScale = toDevice.m11();
    const QRect outer = content.marginsAdded(m_source->reach());
    const std::array<QRect, 8> cells = shadowCells(toDevice, outer, slices.band);
    // The content paints over all but its own edge pixels, which at a
    // fractional ratio it may cover in part.
    const QRectF under = toDevice.mapRect(QRectF(content.adjusted(1, 1, -1, -1)));
    const QRect covered(QPoint(int(std::ceil(under.left())), int(std::ceil(under.top()))),
                        QPoint(int(std::floor(under.right())) - 1, int(std::floor(under.bottom())) - 1));
    QRect band;
    for (const QRect &cell : cells)
        band |= cell;

    painter.save();
    // In the device's own pixels, one strip of the band at a time. The
    // window's paint leaves out its opaque content, and under a clip of that
    // shape the painter blends every piece through its slowest path; under
    // a clip of one rectangle it copies them directly.
    const QPoint offset(qRound(toDevice.dx()), qRound(toDevice.dy()));
    painter.setWorldTransform(QTransform::fromScale(1 / deviceScale, 1 / deviceScale), true);
    for (const QRect &strip : QRegion(band).subtracted(covered)) {
        painter.setClipRect(strip.translated(-offset));
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const QPixmap &piece = slices.pieces[i];
            if (piece.isNull() || !cells[i].intersects(strip))
                continue;
            const QRect cell = cells[i].translated(-offset);
            // Stretching a piece costs many times laying down copies of it,
            // which are device pixels at the slices' ratio.
            if (slices.edgesRepeat && isEdge(i) && qFuzzyCompare(deviceScale, ratio)) {
                repeatAlong(painter, cell, piece, i == 1 || i == 6);
                continue;
            }
            // Art of another density is resampled, not picked pixel by pixel.
            painter.setRenderHint(QPainter::SmoothPixmapTransform,
                                  !qFuzzyCompare(piece.devicePixelRatioF(), deviceScale));
            painter.drawPixmap(QRectF(cell), piece, QRectF());
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
