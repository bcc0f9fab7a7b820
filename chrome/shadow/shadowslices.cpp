#include "shadowslices.h"

#include <QTransform>

#include <cmath>

std::array<QRect, 8> shadowCells(const QTransform &toDevice, const QRect &outer, const QMargins &band)
{
    const int left = outer.x(), top = outer.y();
    const int right = left + outer.width(), bottom = top + outer.height();
    const QPointF outerStart = toDevice.map(QPointF(left, top));
    const QPointF outerEnd = toDevice.map(QPointF(right, bottom));
    const QPointF contentStart = toDevice.map(QPointF(left + band.left(), top + band.top()));
    const QPointF contentEnd = toDevice.map(QPointF(right - band.right(), bottom - band.bottom()));
    const int xs[] = {int(std::round(outerStart.x())), int(std::ceil(contentStart.x())),
                      int(std::floor(contentEnd.x())), int(std::round(outerEnd.x()))};
    const int ys[] = {int(std::round(outerStart.y())), int(std::ceil(contentStart.y())),
                      int(std::floor(contentEnd.y())), int(std::round(outerEnd.y()))};
    const auto cell = [&](int column, int row) {
        return QRect(QPoint(xs[column], ys[row]), QSize(xs[column + 1] - xs[column], ys[row + 1] - ys[row]));
    };
    return {cell(0, 0), cell(1, 0), cell(2, 0), cell(0, 1), cell(2, 1), cell(0, 2), cell(1, 2), cell(2, 2)};
}
