#include "installer.h"

#include "logo.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The title bar's gradient, laid along `from` to `to`, with the logo at
// `logoSize` pixels centred on `logoCentre`.
QImage gradientWithLogo(QSize size, QPointF from, QPointF to, QPointF logoCentre, int logoSize)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient titleBar(from, to);
    titleBar.setColorAt(0, QColor(87, 144, 225));
    titleBar.setColorAt(1, QColor(88, 187, 228));
    painter.fillRect(image.rect(), titleBar);
    // Reduced from the 2x drawing, so the strokes stay smooth.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRectF target(0, 0, logoSize, logoSize);
    target.moveCenter(logoCentre);
    painter.drawImage(target, logo(2));
    return image;
}

} // namespace

QImage installerWizard()
{
    // Top to bottom, the page's long side; the logo in the upper third,
    // level with the page's heading.
    return gradientWithLogo(QSize(164, 314), QPointF(0, 0), QPointF(0, 314), QPointF(82, 96), 112);
}

QImage installerHeader()
{
    // Left to right as on the title bar, coming out of the header's white;
    // the logo at the far right, the corner the header's text leaves free.
    QImage image = gradientWithLogo(QSize(150, 57), QPointF(0, 0), QPointF(150, 0), QPointF(150 - 30, 28.5), 48);
    QPainter painter(&image);
    QLinearGradient fromWhite(0, 0, 90, 0);
    fromWhite.setColorAt(0, Qt::white);
    fromWhite.setColorAt(1, Qt::transparent);
    painter.fillRect(QRect(0, 0, 90, 57), fromWhite);
    return image;
}
