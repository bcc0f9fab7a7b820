#include "indicators.h"

#include "sampling.h"

#include <QPoint>
#include <QRect>

#include <cmath>
#include <initializer_list>

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
void paintCheckMark(QImage &strip, int frame, QRgb core, QRgb edge)
{
    static const QPoint kCore[] = {{3, 7}, {4, 8}, {5, 9}, {6, 9}, {7, 8},
                                   {8, 7}, {9, 6}, {10, 5}, {11, 4}};
    const auto isCore = [](int x, int y) {
        for (const QPoint &point : kCore)
            if (point == QPoint(x, y))
                return true;
        return false;
    };
    const int top = frame * kFrame;
    for (const QPoint &point : kCore) {
        strip.setPixel(point.x(), top + point.y(), core);
        for (int dy : {-1, 1})
            if (!isCore(point.x(), point.y() + dy))
                strip.setPixel(point.x(), top + point.y() + dy, edge);
    }
}

// Concentric round shapes around the frame's centre, sampled for smooth edges.
struct Round
{
    double outer; // radius
    double inner; // 0 for a disc, else the hole's radius
    QRgb colour;
};

void paintRounds(QImage &strip, int frame, std::initializer_list<Round> rounds)
{
    const double centreX = kFrame / 2.0;
    const double centreY = frame * kFrame + kFrame / 2.0;
    paintSampled(strip, QRect(0, frame * kFrame, kFrame, kFrame), [=](double x, double y) -> QRgb {
        const double distance = std::hypot(x - centreX, y - centreY);
        // Later shapes lie on top of earlier ones.
        QRgb found = 0;
        for (const Round &round : rounds)
            if (distance <= round.outer && distance >= round.inner)
                found = round.colour;
        return found;
    });
}

} // namespace

QImage checkBoxStrip()
{
    QImage strip = transparentImage(kFrame, kFrame * kFrames);
    paintBox(strip, 0, qRgb(255, 255, 255), kGrey);

    paintBox(strip, 1, kAccent, kAccent);
    const QRgb checkedCore = qRgb(241, 249, 252);
    paintCheckMark(strip, 1, checkedCore, halfway(checkedCore, kAccent));

    paintBox(strip, 2, kGrey, kGrey);
    const QRgb hoverCore = qRgb(249, 250, 251);
    paintCheckMark(strip, 2, hoverCore, halfway(hoverCore, kGrey));

    const QRgb disabledBorder = qRgb(236, 240, 244);
    paintBox(strip, 3, kDisabledFill, disabledBorder);
    paintBox(strip, 4, kDisabledFill, disabledBorder);
    paintCheckMark(strip, 4, qRgb(237, 241, 244), qRgb(242, 245, 249));
    return strip;
}

QImage radioButtonStrip()
{
    constexpr double kOuter = kFrame / 2.0;
    constexpr double kRing = kOuter - 1;
    constexpr double kDot = 4; // the central disc is 8 px across
    QImage strip = transparentImage(kFrame, kFrame * kFrames);
    paintRounds(strip, 0, {{kOuter, kRing, qRgb(192, 204, 217)}});
    paintRounds(strip, 1, {{kOuter, kRing, kAccent}, {kDot, 0, kAccent}});
    paintRounds(strip, 2, {{kOuter, kRing, kGrey}, {kDot, 0, kGrey}});
    const QRgb disabledEdge = qRgb(237, 241, 245);
    paintRounds(strip, 3, {{kOuter, 0, kDisabledFill}, {kOuter, kRing, disabledEdge}});
    paintRounds(strip, 4, {{kOuter, 0, kDisabledFill}, {kOuter, kRing, disabledEdge},
                           {kDot, 0, qRgb(236, 240, 244)}});
    return strip;
}
