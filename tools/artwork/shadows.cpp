#include "shadows.h"

#include "sampling.h"

namespace {

// Alpha across each edge, from the side that touches the content outwards.
using Profile = std::vector<int>;

const Profile kSide = {24, 20, 16, 12, 9, 7, 5, 3, 2, 1};
const Profile kSideTopEnd = {4, 4, 3, 2, 2, 1, 1, 1, 1, 0};
const Profile kSideBottomEnd = {21, 17, 14, 11, 8, 6, 4, 3, 2, 1};
const Profile kTop = {7, 5, 3, 2, 1};
const Profile kTopEnd = {4, 3, 2, 1, 1};
const Profile kBottom = {43, 40, 36, 32, 28, 24, 20, 16, 12, 9, 7, 5, 3, 2, 1};
const Profile kBottomEnd = {23, 21, 19, 17, 15, 13, 11, 8, 7, 5, 4, 3, 2, 1, 1};

constexpr int kSideLength = 250;
constexpr int kTopLength = 426;
// Along an edge the full profile holds except for this many pixels at each
// end, where it blends linearly into the end profile.
constexpr int kFade = 10;
constexpr int kSideTopFade = 15;
constexpr int kSideBottomFade = 5;

constexpr int kTopCornerAlpha = 3;
constexpr int kBottomCornerAlpha = 20;

QRgb black(int alpha)
{
    return qRgba(0, 0, 0, alpha);
}

int blend(int from, int to, int step, int steps)
{
    return (2 * (from * (steps - step) + to * step) + steps) / (2 * steps);
}

// The profile at `position` along an edge of `length`: the end profiles at
// the first and last pixel, the full one from `startFade` to the last
// `endFade` pixels.
int alongEdge(const Profile &full, const Profile &start, const Profile &end,
              int depth, int position, int length, int startFade, int endFade)
{
    if (position < startFade)
        return blend(start[depth], full[depth], position, startFade);
    const int fromEnd = length - 1 - position;
    if (fromEnd < endFade)
        return blend(end[depth], full[depth], fromEnd, endFade);
    return full[depth];
}

// Left edge: column 9 touches the content.
QImage leftEdge()
{
    const int thickness = int(kSide.size());
    QImage image = transparentImage(thickness, kSideLength);
    for (int y = 0; y < kSideLength; ++y)
        for (int x = 0; x < thickness; ++x)
            image.setPixel(x, y, black(alongEdge(kSide, kSideTopEnd, kSideBottomEnd, thickness - 1 - x,
                                                 y, kSideLength, kSideTopFade, kSideBottomFade)));
    return image;
}

// Top edge: row 4 touches the content; bottom edge: row 0 does.
QImage horizontalEdge(const Profile &full, const Profile &end, bool contentBelow)
{
    const int thickness = int(full.size());
    QImage image = transparentImage(kTopLength, thickness);
    for (int y = 0; y < thickness; ++y) {
        const int depth = contentBelow ? thickness - 1 - y : y;
        for (int x = 0; x < kTopLength; ++x)
            image.setPixel(x, y, black(alongEdge(full, end, end, depth, x, kTopLength, kFade, kFade)));
    }
    return image;
}

// A corner on the left: the side profile across, the top or bottom profile
// down, scaled so the pixel at the content's corner has `peak`.
QImage leftCorner(const Profile &vertical, bool contentBelow, int peak)
{
    const int width = int(kSide.size());
    const int height = int(vertical.size());
    QImage image = transparentImage(width, height);
    const int scale = kSide.front() * vertical.front();
    for (int y = 0; y < height; ++y) {
        const int down = vertical[contentBelow ? height - 1 - y : y];
        for (int x = 0; x < width; ++x) {
            const int across = kSide[width - 1 - x];
            image.setPixel(x, y, black((2 * peak * across * down + scale) / (2 * scale)));
        }
    }
    return image;
}

QImage mirrored(const QImage &image)
{
    return image.mirrored(true, false).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

std::vector<std::pair<QString, QImage>> shadowPieces()
{
    const QImage left = leftEdge();
    const QImage leftTop = leftCorner(kTop, true, kTopCornerAlpha);
    const QImage leftBottom = leftCorner(kBottom, false, kBottomCornerAlpha);
    return {
        {QStringLiteral("left_top.png"), leftTop},
        {QStringLiteral("top.png"), horizontalEdge(kTop, kTopEnd, true)},
        {QStringLiteral("right_top.png"), mirrored(leftTop)},
        {QStringLiteral("left.png"), left},
        {QStringLiteral("right.png"), mirrored(left)},
        {QStringLiteral("left_bottom.png"), leftBottom},
        {QStringLiteral("bottom.png"), horizontalEdge(kBottom, kBottomEnd, false)},
        {QStringLiteral("right_bottom.png"), mirrored(leftBottom)},
    };
}
