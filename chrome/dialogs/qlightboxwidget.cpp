#include "qlightboxwidget.h"

#include <QEvent>
#include <QPainter>

QLightBoxWidget::QLightBoxWidget(QWidget *parent, bool followTopLevel)
    : QWidget(parent)
    , m_refreshing(false)
{
    QWidget *dimmed = parent;
    if (followTopLevel) {
        while (dimmed->parentWidget())
            dimmed = dimmed->parentWidget();
        setParent(dimmed);
    }
    dimmed->installEventFilter(this);
    setVisible(false);
}

QLightBoxWidget::~QLightBoxWidget() = default;

bool QLightBoxWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (isVisible() && event->type() == QEvent::Resize)
        refreshSnapshot();
    return QWidget::eventFilter(watched, event);
}

void QLightBoxWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter;
    painter.begin(this);
    painter.drawPixmap(QRectF(0, 0, width(), height()), m_snapshot, QRectF());
    QColor dim;
    dim.setRgb(0, 0, 0, 100);
    painter.setBrush(QBrush(dim, Qt::SolidPattern));
    const QRect whole(0, 0, width(), height());
    painter.drawRects(&whole, 1);
    painter.end();
    QWidget::paintEvent(event);
}

void QLightBoxWidget::showEvent(QShowEvent *event)
{
    refreshSnapshot();
    QWidget::showEvent(event);
}

void QLightBoxWidget::refreshSnapshot()
{
    // show() below raises another showEvent, which must not grab again.
    if (m_refreshing)
        return;
    m_refreshing = true;
    hide(); // keep the overlay itself out of the image
    resize(parentWidget()->width(), parentWidget()->height());
    m_snapshot = grabParent();
    show();
    m_refreshing = false;
}

QPixmap QLightBoxWidget::grabParent()
{
    return parentWidget()->grab(QRect(QPoint(0, 0), QSize(-1, -1)));
}
