#include "contentshadow.h"

#include <QGraphicsDropShadowEffect>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPainter>

ContentShadow::ContentShadow(qreal blurRadius)
    : m_blurRadius(blurRadius)
{
}

void ContentShadow::paint(QPainter &painter, const QRect &content, int reach, qreal devicePixelRatio)
{
    if (m_image.isNull() || m_content != content.size() || m_reach != reach
        || !qFuzzyCompare(m_image.devicePixelRatio(), devicePixelRatio)) {
        m_image = render(content.size(), reach, devicePixelRatio);
        m_content = content.size();
        m_reach = reach;
    }
    painter.drawImage(content.topLeft() - QPoint(reach, reach), m_image);
}

// The effect itself draws the shadow, on an opaque rectangle of the
// content's size, so that the pixels are the effect's own.
QImage ContentShadow::render(const QSize &content, int reach, qreal devicePixelRatio) const
{
    QGraphicsScene scene;
    QGraphicsRectItem *rectangle = scene.addRect(QRectF(QPointF(0, 0), content), Qt::NoPen, Qt::black);
    auto *effect = new QGraphicsDropShadowEffect;
    effect->setOffset(0, 0);
    effect->setColor(Qt::black);
    effect->setBlurRadius(m_blurRadius);
    rectangle->setGraphicsEffect(effect);

    const QSize size = content + QSize(2 * reach, 2 * reach);
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(-reach, -reach), size));
    return image;
}
