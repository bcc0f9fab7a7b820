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

// A profile for `scale` 2: two values per 1x value, the one nearer the
// content leaning a quarter of the way towards its inner neighbour, the pair
// summing to twice the 1x value. The fall-off then takes twice as many,
// smaller steps and each 1x pixel's worth of shadow keeps its darkness. The
// first value's inner neighbour continues the profile's first step.
Profile atScale(const Profile &profile, int scale)
{
    Q_ASSERT(scale == 1 || scale == 2);
    if (scale == 1)
        return profile;
    Profile fine;
    for (size_t i = 0; i < profile.size(); ++i) {
        const int inner = i > 0 ? profile[i - 1] : 2 * profile[0] - profile[1];
        const int nearContent = (2 * (inner + 3 * profile[i]) + 4) / 8;
        fine.push_back(nearContent);
        fine.push_back(2 * profile[i] - nearContent);
    }
    return fine;
}

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

// Left edge: the last column touches the content.
QImage leftEdge(int scale)
{
    const Profile side = atScale(kSide, scale);
    const Profile topEnd = atScale(kSideTopEnd, scale);
    const Profile bottomEnd = atScale(kSideBottomEnd, scale);
    const int thickness = int(side.size());
    const int length = kSideLength * scale;
    QImage image = transparentImage(thickness, length);
    for (int y = 0; y < length; ++y)
        for (int x = 0; x < thickness; ++x)
            image.setPixel(x, y, black(alongEdge(side, topEnd, bottomEnd, thickness - 1 - x, y, length,
                                                 kSideTopFade * scale, kSideBottomFade * scale)));
    return image;
}

// Top edge: the last row touches the content; bottom edge: row 0 does.
QImage horizontalEdge(const Profile &full1x, const Profile &end1x, bool contentBelow, int scale)
{
    const Profile full = atScale(full1x, scale);
    const Profile end = atScale(end1x, scale);
    const int thickness = int(full.size());
    const int length = kTopLength * scale;
    QImage image = transparentImage(length, thickness);
    for (int y = 0; y < thickness; ++y) {
        const int depth = contentBelow ? thickness - 1 - y : y;
        for (int x = 0; x < length; ++x)
            image.setPixel(x, y, black(alongEdge(full, end, end, depth, x, length, kFade * scale, kFade * scale)));
    }
    return image;
}

// A corner on the left: the side profile across, the top or bottom profile
// down, scaled so the pixel at the content's corner has `peak`.
QImage leftCorner(const Profile &vertical1x, bool contentBelow, int peak, int scale)
{
    const Profile side = atScale(kSide, scale);
    const Profile vertical = atScale(vertical1x, scale);
    const int width = int(side.size());
    const int height = int(vertical.size());
    QImage image = transparentImage(width, height);
    const int norm = side.front() * vertical.front();
    for (int y = 0; y < height; ++y) {
        const int down = vertical[contentBelow ? height - 1 - y : y];
        for (int x = 0; x < width; ++x) {
            const int across = side[width - 1 - x];
            image.setPixel(x, y, black((2 * peak * across * down + norm) / (2 * norm)));
        }
    }
    return image;
}

QImage mirrored(const QImage &image)
{
    return image.mirrored(true, false).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

std::vector<std::pair<QString, QImage>> shadowPieces(int scale)
{
    const QImage left = leftEdge(scale);
    const QImage leftTop = leftCorner(kTop, true, kTopCornerAlpha, scale);
    const QImage leftBottom = leftCorner(kBottom, false, kBottomCornerAlpha, scale);
    return {
        {QStringLiteral("left_top.png"), leftTop},
        {QStringLiteral("top.png"), horizontalEdge(kTop, kTopEnd, true, scale)},
        {QStringLiteral("right_top.png"), mirrored(leftTop)},
        {QStringLiteral("left.png"), left},
        {QStringLiteral("right.png"), mirrored(left)},
        {QStringLiteral("left_bottom.png"), leftBottom},
        {QStringLiteral("bottom.png"), horizontalEdge(kBottom, kBottomEnd, false, scale)},
        {QStringLiteral("right_bottom.png"), mirrored(leftBottom)},
    };
}
