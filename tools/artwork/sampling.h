#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

#include <functional>

// What covers a point of the picture: an unpremultiplied colour, or 0 where
// nothing does. Points are in the picture's 1x pixel units; at 1x pixel (x, y)
// spans [x, x+1) x [y, y+1).
using Shader = std::function<QRgb(double x, double y)>;

// Fills every pixel of `area` (in the image's own pixels) with the
// area-weighted average of `shader` over a regular grid of sub-pixel samples,
// so edges come out anti-aliased while uniformly covered pixels keep their
// exact colour. At `scale` 2 each image pixel covers half a unit of the
// shader's, so the same shapes come out with edges sampled at twice the
// density rather than enlarged. Integer sums keep the result identical from
// run to run.
void paintSampled(QImage &image, const QRect &area, const Shader &shader, int scale = 1);

// A transparent image in the straight-alpha format the PNG writer stores as is.
QImage transparentImage(int width, int height);
