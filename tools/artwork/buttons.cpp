#include "buttons.h"

#include "sampling.h"

#include <QRect>

#include <cmath>

namespace {

constexpr int kFrame = 24;
constexpr int kFrames = 4;

struct FrameColour
{
    QRgb rgb;
    int alpha;
};

// Window-control buttons darken from white; the version button only fades.
const FrameColour kControlColours[kFrames] = {
    {qRgb(255, 255, 255), 255}, {qRgb(205, 234, 247), 255},
    {qRgb(70, 146, 182), 255}, {qRgb(121, 197, 233), 255},
};
const FrameColour kVersionColours[kFrames] = {
    {qRgb(255, 255, 255), 255}, {qRgb(255, 255, 255), 153},
    {qRgb(255, 255, 255), 255}, {qRgb(255, 255, 255), 51},
};

// The glyph's coverage, 0..255 per pixel of one frame.
using Mask = QImage;

Mask emptyMask()
{
    return transparentImage(kFrame, kFrame);
}

// Rectangles are given by their first and last pixel, both included.
void fill(Mask &mask, int left, int top, int right, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            mask.setPixel(x, y, qRgba(255, 255, 255, 255));
}

// An outline with a heavier top side, like a window's title bar.
void outline(Mask &mask, const QRect &box, int topThickness)
{
    fill(mask, box.left(), box.top(), box.right(), box.top() + topThickness - 1);
    fill(mask, box.left(), box.bottom(), box.right(), box.bottom());
    fill(mask, box.left(), box.top(), box.left(), box.bottom());
    fill(mask, box.right(), box.top(), box.right(), box.bottom());
}

Mask minimizeGlyph()
{
    Mask mask = emptyMask();
    fill(mask, 7, 15, 16, 16);
    return mask;
}

Mask maximizeGlyph()
{
    Mask mask = emptyMask();
    outline(mask, QRect(QPoint(7, 7), QPoint(16, 16)), 3);
    return mask;
}

// Two windows: the rear one shows only where the front one does not hide it.
Mask restoreGlyph()
{
    const QRect rear(QPoint(9, 7), QPoint(16, 13));
    const QRect front(QPoint(7, 10), QPoint(14, 16));
    Mask rearMask = emptyMask();
    outline(rearMask, rear, 2);
    Mask mask = emptyMask();
    outline(mask, front, 2);
    for (int y = rear.top(); y <= rear.bottom(); ++y)
        for (int x = rear.left(); x <= rear.right(); ++x)
            if (!front.contains(x, y) && qAlpha(rearMask.pixel(x, y)))
                mask.setPixel(x, y, rearMask.pixel(x, y));
    return mask;
}

// Two diagonal strokes corner to corner of the 10x10 box at (7, 7),
// anti-aliased by sampling and cut off square at the box.
Mask closeGlyph()
{
    constexpr double kLeft = 7, kRight = 17;
    constexpr double kStrokeWidth = 1.5;
    const double reach = kStrokeWidth / std::sqrt(2.0);
    Mask mask = emptyMask();
    paintSampled(mask, QRect(7, 7, 10, 10), [=](double x, double y) -> QRgb {
        if (x < kLeft || x > kRight || y < kLeft || y > kRight)
            return 0;
        const bool onFalling = std::abs((x - kLeft) - (y - kLeft)) <= reach;
        const bool onRising = std::abs((x - kLeft) + (y - kLeft) - (kRight - kLeft)) <= reach;
        return onFalling || onRising ? qRgba(255, 255, 255, 255) : 0;
    });
    return mask;
}

// A notice sheet with an exclamation mark, standing on a base line.
Mask versionGlyph()
{
    Mask mask = emptyMask();
    outline(mask, QRect(QPoint(5, 4), QPoint(18, 17)), 1);
    fill(mask, 11, 7, 12, 11);
    fill(mask, 11, 13, 12, 14);
    fill(mask, 5, 18, 5, 18);
    fill(mask, 18, 18, 18, 18);
    fill(mask, 5, 19, 18, 19);
    return mask;
}

Mask glyphMask(ButtonGlyph glyph)
{
    switch (glyph) {
    case ButtonGlyph::Minimize: return minimizeGlyph();
    case ButtonGlyph::Maximize: return maximizeGlyph();
    case ButtonGlyph::Restore: return restoreGlyph();
    case ButtonGlyph::Close: return closeGlyph();
    case ButtonGlyph::Version: return versionGlyph();
    }
    return emptyMask();
}

} // namespace

QImage buttonStrip(ButtonGlyph glyph)
{
    const Mask mask = glyphMask(glyph);
    const FrameColour *colours = glyph == ButtonGlyph::Version ? kVersionColours : kControlColours;
    QImage strip = transparentImage(kFrame, kFrame * kFrames);
    for (int frame = 0; frame < kFrames; ++frame) {
        const FrameColour colour = colours[frame];
        for (int y = 0; y < kFrame; ++y) {
            for (int x = 0; x < kFrame; ++x) {
                const int coverage = qAlpha(mask.pixel(x, y));
                if (coverage == 0)
                    continue;
                // Edge pixels keep the state's colour; only their alpha is partial.
                const int alpha = (2 * coverage * colour.alpha + 255) / (2 * 255);
                strip.setPixel(x, frame * kFrame + y,
                               qRgba(qRed(colour.rgb), qGreen(colour.rgb), qBlue(colour.rgb), alpha));
            }
        }
    }
    return strip;
}
