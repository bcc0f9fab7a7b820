#include "indicators.h"

#include "sampling.h"

#include <QPoint>
#include <QPointF>
#include <QRect>

#include <cmath>
#include <initializer_list>
#include <iterator>

namespace {

constexpr int kFrame = 14;
constexpr int kFrames = 5;
constexpr int kCornerAlpha = 128;

const QRgb kAccent = qRgb(88, 187, 228);
const QRgb kGrey = qRgb(191, 203, 217);
const QRgb kDisabledFill = qRgb(244, 247, 251);

QRgb withAlpha(QRgb colour, int alpha)
{
    return qRgba(qRed(colour), qGreen(colour), qBlue(colour), alpha);
}

QRgb halfway(QRgb a, QRgb b)
{
    return qRgb((qRed(a) + qRed(b) + 1) / 2, (qGreen(a) + qGreen(b) + 1) / 2, (qBlue(a) + qBlue(b) + 1) / 2);
}

// A filled square whose border may differ from its inside; the four corner
// pixels are half transparent so the box looks slightly rounded.
void paintBox(QImage &strip, int frame, QRgb fill, QRgb border)
{
    const int top = frame * kFrame;
    for (int y = 0; y < kFrame; ++y) {
        for (int x = 0; x < kFrame; ++x) {
            const bool edgeX = x == 0 || x == kFrame - 1;
            const bool edgeY = y == 0 || y == kFrame - 1;
            const QRgb colour = edgeX || edgeY ? border : fill;
            strip.setPixel(x, top + y, withAlpha(colour, edgeX && edgeY ? kCornerAlpha : 255));
        }
    }
}

// The check mark: a 1-px core from (3,7) down to (5,9)-(6,9) and up to
// (11,4), softened by one pixel above and below into the box's fill.
const QPoint kCheckCore[] = {{3, 7}, {4, 8}, {5, 9}, {6, 9}, {7, 8}, {8, 7}, {9, 6}, {10, 5}, {11, 4}};

void paintCheckMark(QImage &strip, int frame, QRgb core, QRgb edge)
{
    const auto isCore = [](int x, int y) {
        for (const QPoint &point : kCheckCore)
            if (point == QPoint(x, y))
                return true;
        return false;
    };
    const int top = frame * kFrame;
    for (const QPoint &point : kCheckCore) {
        strip.setPixel(point.x(), top + point.y(), core);
        for (int dy : {-1, 1})
            if (!isCore(point.x(), point.y() + dy))
                strip.setPixel(point.x(), top + point.y() + dy, edge);
    }
}

struct BoxFrame
{
    QRgb fill;
    QRgb border;
    QRgb mark; // 0 for none
    QRgb markEdge; // the 1x mark's softened pixels
};

const QRgb kCheckedCore = qRgb(241, 249, 252);
const QRgb kHoverCore = qRgb(249, 250, 251);
const QRgb kDisabledBorder = qRgb(236, 240, 244);
const BoxFrame kBoxFrames[kFrames] = {
    {qRgb(255, 255, 255), kGrey, 0, 0},
    {kAccent, kAccent, kCheckedCore, halfway(kCheckedCore, kAccent)},
    {kGrey, kGrey, kHoverCore, halfway(kHoverCore, kGrey)},
    {kDisabledFill, kDisabledBorder, 0, 0},
    {kDisabledFill, kDisabledBorder, qRgb(237, 241, 244), qRgb(242, 245, 249)},
};

double distanceToSegment(double x, double y, const QPointF &a, const QPointF &b)
{
    const QPointF along = b - a;
    const double t = qBound(0.0, QPointF::dotProduct(QPointF(x, y) - a, along) / QPointF::dotProduct(along, along), 1.0);
    const QPointF nearest = a + t * along;
    return std::hypot(x - nearest.x(), y - nearest.y());
}

// The 2x box: the border one unit wide, the corners rounded with the same
// radius, the check mark a 1.5-unit stroke through the 1x core's pixel centres.
QRgb sampledBox(const BoxFrame &frame, double x, double y)
{
    constexpr double kRadius = 1;
    const double cornerX = qBound(kRadius, x, kFrame - kRadius);
    const double cornerY = qBound(kRadius, y, kFrame - kRadius);
    if (x < 0 || y < 0 || x >= kFrame || y >= kFrame || std::hypot(x - cornerX, y - cornerY) > kRadius)
        return 0;
    if (frame.mark) {
        static const QPointF kStroke[] = {{3.5, 7.5}, {5.5, 9.5}, {6.5, 9.5}, {11.5, 4.5}};
        for (int i = 0; i + 1 < int(std::size(kStroke)); ++i)
            if (distanceToSegment(x, y, kStroke[i], kStroke[i + 1]) <= 0.75)
                return frame.mark;
    }
    const bool inner = x >= 1 && y >= 1 && x < kFrame - 1 && y < kFrame - 1;
    return inner ? frame.fill : frame.border;
}

// Concentric round shapes around the frame's centre, sampled for smooth edges.
struct Round
{
    double outer; // radius
    double inner; // 0 for a disc, else the hole's radius
    QRgb colour;
};

void paintRounds(QImage &strip, int frame, std::initializer_list<Round> rounds, int scale)
{
    const double centreX = kFrame / 2.0;
    const double centreY = frame * kFrame + kFrame / 2.0;
    const int size = kFrame * scale;
    paintSampled(strip, QRect(0, frame * size, size, size), [=](double x, double y) -> QRgb {
        const double distance = std::hypot(x - centreX, y - centreY);
        // Later shapes lie on top of earlier ones.
        QRgb found = 0;
        for (const Round &round : rounds)
            if (distance <= round.outer && distance >= round.inner)
                found = round.colour;
        return found;
    }, scale);
}

} // namespace

QImage checkBoxStrip(int scale)
{
    const int size = kFrame * scale;
    QImage strip = transparentImage(size, size * kFrames);
    for (int index = 0; index < kFrames; ++index) {
        const BoxFrame &frame = kBoxFrames[index];
        if (scale == 1) {
            paintBox(strip, index, frame.fill, frame.border);
            if (frame.mark)
                paintCheckMark(strip, index, frame.mark, frame.markEdge);
            continue;
        }
        paintSampled(strip, QRect(0, index * size, size, size), [&frame, index](double x, double y) {
            return sampledBox(frame, x, y - index * kFrame);
        }, scale);
    }
    return strip;
}

QImage radioButtonStrip(int scale)
{
    constexpr double kOuter = kFrame / 2.0;
    constexpr double kRing = kOuter - 1;
    constexpr double kDot = 4; // the central disc is 8 px across
    QImage strip = transparentImage(kFrame * scale, kFrame * scale * kFrames);
    paintRounds(strip, 0, {{kOuter, kRing, qRgb(192, 204, 217)}}, scale);
    paintRounds(strip, 1, {{kOuter, kRing, kAccent}, {kDot, 0, kAccent}}, scale);
    paintRounds(strip, 2, {{kOuter, kRing, kGrey}, {kDot, 0, kGrey}}, scale);
    const QRgb disabledEdge = qRgb(237, 241, 245);
    paintRounds(strip, 3, {{kOuter, 0, kDisabledFill}, {kOuter, kRing, disabledEdge}}, scale);
    paintRounds(strip, 4, {{kOuter, 0, kDisabledFill}, {kOuter, kRing, disabledEdge},
                           {kDot, 0, qRgb(236, 240, 244)}}, scale);
    return strip;
}
