#include "bundleshadowslices.h"

#include "artdensity.h"

namespace {

// The piece for `ratio`; its "@2x" name gives the pixmap a device pixel
// ratio of 2. A piece that fails to load is a null pixmap.
QPixmap shadowPiece(const char *name, qreal ratio)
{
    const QString path = QStringLiteral(":/images/shadow/") + QLatin1String(name);
    if (usesTwoTimesArt(ratio)) {
        const QPixmap fine(path + QStringLiteral("@2x.png"));
        if (!fine.isNull())
            return fine;
    }
    return QPixmap(path + QStringLiteral(".png"));
}

} // namespace

BundleShadowSlices::BundleShadowSlices(const QMargins &band)
    : m_band(band)
{
}

QMargins BundleShadowSlices::reach() const
{
    return m_band;
}

// The pieces stretch to any size.
QSize BundleShadowSlices::servingSize(const QSize &, qreal) const
{
    return QSize();
}

ShadowSlices BundleShadowSlices::slices(const QSize &, qreal ratio) const
{
    ShadowSlices slices;
    slices.band = m_band;
    const char *const names[] = {"left_top", "top", "right_top", "left", "right", "left_bottom", "bottom", "right_bottom"};
    for (std::size_t i = 0; i < slices.pieces.size(); ++i)
        slices.pieces[i] = shadowPiece(names[i], ratio);
    return slices;
}
