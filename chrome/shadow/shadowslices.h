#pragma once

#include <QMargins>
#include <QPixmap>
#include <QRect>
#include <QSize>

#include <array>

class QTransform;

// A window's shadow band as eight pieces, in the order top-left, top,
// top-right, left, right, bottom-left, bottom, bottom-right. The corner
// pieces fill the band's corners, the others are stretched along its edges,
// or repeated where they are the same all along; `band` holds the corners'
// widths and heights in logical pixels. A null piece is not drawn.
struct ShadowSlices
{
    QMargins band;
    std::array<QPixmap, 8> pieces;
    bool edgesRepeat = false;
};

// The cells of the eight pieces in device pixels, for a window whose outer
// rectangle `outer` the transform takes to the device. The outer lines are
// rounded and the lines along the content moved into it, so that at a
// fractional ratio neighbouring pieces meet without a seam and no pixel
// between band and content stays empty (the content paints over the
// overlap).
std::array<QRect, 8> shadowCells(const QTransform &toDevice, const QRect &outer, const QMargins &band);

// Where a shadow painter's slices come from.
class ShadowSliceSource
{
public:
    virtual ~ShadowSliceSource() = default;

    // How far the shadow spreads beyond the content on each side.
    virtual QMargins reach() const = 0;

    // The size of content whose slices serve content of `size` at `ratio`
    // device pixels per unit as well; the painter makes and keeps one set
    // per such size and ratio.
    virtual QSize servingSize(const QSize &size, qreal ratio) const = 0;

    // The slices around content of `size` at `ratio`; the band's corners
    // are measured from the shadow's outer edge.
    virtual ShadowSlices slices(const QSize &size, qreal ratio) const = 0;
};
