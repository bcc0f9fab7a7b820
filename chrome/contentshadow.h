#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// The soft shadow around a window's opaque content rectangle, as a drop
// shadow effect on that content draws it: black, blurred, not offset. The
// effect renders and blurs the content again on every repaint of any child;
// this keeps the blurred image and makes it again only when the content's
// size or the screen's pixel ratio changes.
class ContentShadow final
{
public:
    explicit ContentShadow(qreal blurRadius);
    ContentShadow(const ContentShadow &) = delete;
    ContentShadow &operator=(const ContentShadow &) = delete;

    // Paints the shadow of content, within reach pixels around it.
    void paint(QPainter &painter, const QRect &content, int reach, qreal devicePixelRatio);

private:
    QImage render(const QSize &content, int reach, qreal devicePixelRatio) const;

    qreal m_blurRadius;
    QImage m_image;
    QSize m_content;
    int m_reach = 0;
};
