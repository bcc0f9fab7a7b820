#include "shadowpainter.h"

#include <QPainter>

namespace {

// Slice sets kept per window. Each ratio needs at most 64 (the main window
// at 125 % or 175 %, whose slices follow its size in steps of 8 pixels),
// and one for the card.
constexpr int kKeptSlices = 64;

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
    painter.save();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QPixmap &piece = slices.pieces[i];
        // Art of another density is resampled, not picked pixel by pixel.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !qFuzzyCompare(piece.devicePixelRatioF(), ratio));
        painter.drawPixmap(fromDevice.mapRect(QRectF(cells[i])), piece, QRectF());
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
