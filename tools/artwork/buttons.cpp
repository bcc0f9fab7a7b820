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

// A glyph is a shape in the 24x24 frame's 1x pixel units: white where it
// covers a point, 0 elsewhere. Straight sides lie on whole units, so they fill
// whole pixels at either scale; only the diagonals are anti-aliased.
using Glyph = Shader;

const QRgb kInk = qRgba(255, 255, 255, 255);

QRgb ink(bool covered)
{
    return covered ? kInk : 0;
}

// Rectangles are given by their first and last 1x pixel, both included.
bool inside(double x, double y, const QRect &box)
{
    return x >= box.left() && x < box.right() + 1 && y >= box.top() && y < box.bottom() + 1;
}

// An outline with a heavier top side, like a window's title bar.
bool onOutline(double x, double y, const QRect &box, int topThickness)
{
    const QRect hole(QPoint(box.left() + 1, box.top() + topThickness), QPoint(box.right() - 1, box.bottom() - 1));
    return inside(x, y, box) && !inside(x, y, hole);
}

Glyph minimizeGlyph()
{
    return [](double x, double y) { return ink(inside(x, y, QRect(QPoint(7, 15), QPoint(16, 16)))); };
}

Glyph maximizeGlyph()
{
    return [](double x, double y) { return ink(onOutline(x, y, QRect(QPoint(7, 7), QPoint(16, 16)), 3)); };
}

// Two windows: the rear one shows only where the front one does not hide it.
Glyph restoreGlyph()
{
    return [](double x, double y) {
        const QRect rear(QPoint(9, 7), QPoint(16, 13));
        const QRect front(QPoint(7, 10), QPoint(14, 16));
        return ink(onOutline(x, y, front, 2) || (onOutline(x, y, rear, 2) && !inside(x, y, front)));
    };
}

// Two diagonal strokes corner to corner of the 10x10 box at (7, 7), cut off
// square at the box.
Glyph closeGlyph()
{
    return [](double x, double y) {
        constexpr double kLeft = 7, kRight = 17;
        constexpr double kStrokeWidth = 1.5;
        const double reach = kStrokeWidth / std::sqrt(2.0);
        if (x < kLeft || x > kRight || y < kLeft || y > kRight)
            return QRgb(0);
        const bool onFalling = std::abs((x - kLeft) - (y - kLeft)) <= reach;
        const bool onRising = std::abs((x - kLeft) + (y - kLeft) - (kRight - kLeft)) <= reach;
        return ink(onFalling || onRising);
    };
}

// A notice sheet with an exclamation mark, standing on a base line.
Glyph versionGlyph()
{
    return [](double x, double y) {
        const QRect marks[] = {
            QRect(QPoint(11, 7), QPoint(12, 11)), QRect(QPoint(11, 13), QPoint(12, 14)),
            QRect(QPoint(5, 18), QPoint(5, 18)), QRect(QPoint(18, 18), QPoint(18, 18)),
            QRect(QPoint(5, 19), QPoint(18, 19)),
        };
        bool covered = onOutline(x, y, QRect(QPoint(5, 4), QPoint(18, 17)), 1);
        for (const QRect &mark : marks)
            covered = covered || inside(x, y, mark);
        return ink(covered);
    };
}

Glyph glyphShape(ButtonGlyph glyph)
{
    switch (glyph) {
    case ButtonGlyph::Minimize: return minimizeGlyph();
    case ButtonGlyph::Maximize: return maximizeGlyph();
    case ButtonGlyph::Restore: return restoreGlyph();
    case ButtonGlyph::Close: return closeGlyph();
    case ButtonGlyph::Version: return versionGlyph();
    }
    return [](double, double) { return QRgb(0); };
}

} // namespace

QImage buttonStrip(ButtonGlyph glyph, int scale)
{
    const int frameSize = kFrame * scale;
    // The glyph's coverage, 0..255 per pixel of one frame.
    QImage mask = transparentImage(frameSize, frameSize);
    paintSampled(mask, mask.rect(), glyphShape(glyph), scale);
    const FrameColour *colours = glyph == ButtonGlyph::Version ? kVersionColours : kControlColours;
    QImage strip = transparentImage(frameSize, frameSize * kFrames);
    for (int frame = 0; frame < kFrames; ++frame) {
        const FrameColour colour = colours[frame];
        for (int y = 0; y < frameSize; ++y) {
            for (int x = 0; x < frameSize; ++x) {
                const int coverage = qAlpha(mask.pixel(x, y));
                if (coverage == 0)
                    continue;
                // Edge pixels keep the state's colour; only their alpha is partial.
                const int alpha = (2 * coverage * colour.alpha + 255) / (2 * 255);
                strip.setPixel(x, frame * frameSize + y,
                               qRgba(qRed(colour.rgb), qGreen(colour.rgb), qBlue(colour.rgb), alpha));
            }
        }
    }
    return strip;
}
