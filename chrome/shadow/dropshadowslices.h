#pragma once

#include "shadowslices.h"

class QImage;

// The main window's shadow: the pixels of a drop shadow effect (black,
// blurred, not offset) on an opaque rectangle of the content's size, made
// by the effect itself once per ratio and class of sizes and cut into
// slices.
class DropShadowSlices final : public ShadowSliceSource
{
public:
    // Around content of `exactSize` the slices give the effect's own pixels
    // at every ratio; see servingSize for the others.
    DropShadowSlices(qreal blurRadius, const QSize &exactSize);

    // As far as the blur radius.
    QMargins reach() const override;
    QSize servingSize(const QSize &size, qreal ratio) const override;
    ShadowSlices slices(const QSize &size, qreal ratio) const override;

private:
    int reachPixels() const;
    int cornerSide(qreal ratio) const;
    int smallestInClass(qreal ratio) const;
    QImage render(const QSize &size, qreal ratio) const;

    qreal m_blurRadius;
    QSize m_exactSize;
};
