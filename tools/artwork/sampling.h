#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

#include <functional>

// What covers a point of the picture: an unpremultiplied colour, or 0 where
// nothing does. Points are in pixel units; pixel (x, y) spans [x, x+1) x [y, y+1).
using Shader = std::function<QRgb(double x, double y)>;

// Fills every pixel of `area` with the area-weighted average of `shader` over
// a regular grid of sub-pixel samples, so edges come out anti-aliased while
// uniformly covered pixels keep their exact colour. Integer sums keep the
// result identical from run to run.
void paintSampled(QImage &image, const QRect &area, const Shader &shader);

// A transparent image in the straight-alpha format the PNG writer stores as is.
QImage transparentImage(int width, int height);
