#pragma once

#include "shadowslices.h"

// The card's shadow: the bundle's eight pieces ":/images/shadow/*.png",
// whose thicknesses are the band's, stretched to any size. Above a ratio of
// 1 the "@2x" art serves, as scaling it down loses less than scaling the 1x
// art up.
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
