#pragma once

#include "shadowslices.h"

// The card's shadow: the bundle's eight pieces ":/images/shadow/*.png",
// whose thicknesses are the band's, stretched to any size; the "@2x" art
// where the ratio calls for it.
class BundleShadowSlices final : public ShadowSliceSource
{
public:
    explicit BundleShadowSlices(const QMargins &band);

    QMargins reach() const override;
    QSize servingSize(const QSize &size, qreal ratio) const override;
    ShadowSlices slices(const QSize &size, qreal ratio) const override;

private:
    QMargins m_band;
};
