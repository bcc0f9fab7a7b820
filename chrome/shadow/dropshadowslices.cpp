#include "dropshadowslices.h"

#include <QGraphicsDropShadowEffect>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QtMath>

#include <cmath>

// How the effect draws: it halves the image, runs an exponential filter
// along each row and column from both ends, and scales the result back up.
// - Deep enough inside the content the filter has settled: every row
//   (column) of an edge is the same there, so the edges stretch.
// - Near the corners the pixels depend on where the content's far edge
//   falls on the halved grid.
// - Scaling back up, the effect rounds the halved image's size to whole
//   logical pixels: where that rounding is not exact (never at a ratio of
//   1, often above it) it stretches the whole shadow by a pixel or two, by
//   a factor that depends on the content's size.
// Sizes a class step apart (see below) have the same corners but for that
// stretch, which at the main window's sizes moves a pixel by no more than a
// few levels of alpha; the slices are made at the size where the shadow is
// to be exact, or at the member of its class nearest to it.

namespace {

// Device pixels of an edge piece that repeats along the edge.
constexpr int kRepeatedLength = 256;

// How deep inside the content the filter settles, in blur radii of device
// pixels: 34 pixels at a radius of 12, at every ratio tried.
constexpr qreal kSettlingRadii = 3;

// The smallest even step of logical pixels that is an even number of device
// pixels at `ratio`: sizes one step apart put the content's far edge on the
// same place of the halved grid, and their halved images differ by whole
// logical pixels. 0 where there is none of up to 8 (ratios that are not
// multiples of 1/4): there each size has slices of its own.
int classStep(qreal ratio)
{
    for (int step = 2; step <= 8; step += 2) {
        const qreal device = step * ratio;
        if (device == std::floor(device) && std::fmod(device, 2) == 0)
            return step;
    }
    return 0;
}

// The length of `length`'s class nearest to `exact`, but not below
// `smallest`; shorter lengths are their own class.
int servingLength(int length, int exact, int smallest, int step)
{
    if (step == 0 || length < smallest)
        return length;
    int serving = exact + ((length - exact) % step + step) % step;
    if (serving - exact > step / 2)
        serving -= step;
    while (serving < smallest)
        serving += step;
    return serving;
}

} // namespace

DropShadowSlices::DropShadowSlices(qreal blurRadius, const QSize &exactSize)
    : m_blurRadius(blurRadius)
    , m_exactSize(exactSize)
{
}

QMargins DropShadowSlices::reach() const
{
    const int pixels = reachPixels();
    return QMargins(pixels, pixels, pixels, pixels);
}

int DropShadowSlices::reachPixels() const
{
    return qCeil(m_blurRadius);
}

// A corner's width and height in logical pixels, from the shadow's outer
// edge to where the filter has settled; a whole number of class steps, so
// that it is a whole number of device pixels and the same for a class.
int DropShadowSlices::cornerSide(qreal ratio) const
{
    const int side = reachPixels() + qCeil(kSettlingRadii * m_blurRadius / ratio);
    const int step = classStep(ratio);
    return step == 0 ? side : (side + step - 1) / step * step;
}

// Below this size the content has no room for two corners and a step of
// edge: each such size is a class of its own.
int DropShadowSlices::smallestInClass(qreal ratio) const
{
    return 2 * (cornerSide(ratio) - reachPixels()) + classStep(ratio);
}

QSize DropShadowSlices::servingSize(const QSize &size, qreal ratio) const
{
    const int step = classStep(ratio);
    const int smallest = smallestInClass(ratio);
    return QSize(servingLength(size.width(), m_exactSize.width(), smallest, step),
                 servingLength(size.height(), m_exactSize.height(), smallest, step));
}

ShadowSlices DropShadowSlices::slices(const QSize &size, qreal ratio) const
{
    const QImage image = render(size, ratio);
    const QSize outer = size + QSize(2 * reachPixels(), 2 * reachPixels());
    // Small content keeps its corners apart, so that they do not overlap
    // where a line is rounded.
    const int corner = cornerSide(ratio);
    const int across = qMin(corner, (outer.width() - 1) / 2);
    const int down = qMin(corner, (outer.height() - 1) / 2);
    ShadowSlices slices;
    slices.band = QMargins(across, down, across, down);
    std::array<QRect, 8> cells = shadowCells(QTransform::fromScale(ratio, ratio), QRect(QPoint(), outer), slices.band);
    // Where the filter has settled, an edge is the same all along: one step
    // of it is kept, laid side by side into a piece long enough that
    // repeating it costs a few copies.
    const int step = classStep(ratio);
    slices.edgesRepeat = step != 0 && size.width() >= smallestInClass(ratio) && size.height() >= smallestInClass(ratio);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        QRect cell = cells[i];
        const bool alongX = i == 1 || i == 6, alongY = i == 3 || i == 4;
        if (slices.edgesRepeat && (alongX || alongY)) {
            const int length = qRound(step * ratio);
            (alongX ? cell.setWidth(length) : cell.setHeight(length));
        }
        if (cell.isEmpty())
            continue;
        QImage piece = image.copy(cell);
        piece.setDevicePixelRatio(1);
        if (slices.edgesRepeat && (alongX || alongY)) {
            QImage repeated(alongX ? QSize(kRepeatedLength, cell.height()) : QSize(cell.width(), kRepeatedLength),
                            QImage::Format_ARGB32_Premultiplied);
            repeated.fill(Qt::transparent);
            QPainter(&repeated).drawTiledPixmap(repeated.rect(), QPixmap::fromImage(piece));
            piece = repeated;
        }
        piece.setDevicePixelRatio(ratio);
        slices.pieces[i] = QPixmap::fromImage(piece);
    }
    return slices;
}

// The effect itself draws the shadow, on an opaque rectangle of the
// content's size, so that the pixels are the effect's own.
QImage DropShadowSlices::render(const QSize &size, qreal ratio) const
{
    QGraphicsScene scene;
    QGraphicsRectItem *rectangle = scene.addRect(QRectF(QPointF(0, 0), size), Qt::NoPen, Qt::black);
    auto *effect = new QGraphicsDropShadowEffect;
    effect->setOffset(0, 0);
    effect->setColor(Qt::black);
    effect->setBlurRadius(m_blurRadius);
    rectangle->setGraphicsEffect(effect);

    const int reach = reachPixels();
    const QSize outer = size + QSize(2 * reach, 2 * reach);
    QImage image(outer * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(0, 0), outer), QRectF(QPointF(-reach, -reach), outer));
    return image;
}
