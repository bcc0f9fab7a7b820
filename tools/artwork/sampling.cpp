#include "sampling.h"

namespace {
constexpr int kSamplesPerSide = 16;
constexpr int kSamples = kSamplesPerSide * kSamplesPerSide;
}

void paintSampled(QImage &image, const QRect &area, const Shader &shader, int scale)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            qint64 alpha = 0, red = 0, green = 0, blue = 0;
            for (int j = 0; j < kSamplesPerSide; ++j) {
                for (int i = 0; i < kSamplesPerSide; ++i) {
                    const QRgb colour = shader((x + (i + 0.5) / kSamplesPerSide) / scale,
                                               (y + (j + 0.5) / kSamplesPerSide) / scale);
                    const int a = qAlpha(colour);
                    alpha += a;
                    red += qRed(colour) * a;
                    green += qGreen(colour) * a;
                    blue += qBlue(colour) * a;
                }
            }
            if (alpha == 0) {
                image.setPixel(x, y, 0);
                continue;
            }
            const auto average = [alpha](qint64 sum) { return int((2 * sum + alpha) / (2 * alpha)); };
            image.setPixel(x, y, qRgba(average(red), average(green), average(blue),
                                       int((2 * alpha + kSamples) / (2 * kSamples))));
        }
    }
}

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}
