#include "qbasedialog.h"

#include "framegeometry.h"
#include "qlightboxwidget.h"
#include "windowframe.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

#include <cmath>

namespace {

// The shadow band; also the thicknesses of the shadow pieces.
constexpr int kLeft = 10;
constexpr int kTop = 5;
constexpr int kRight = 10;
constexpr int kBottom = 15;

// The screen area available to windows around a point.
QRect availableGeometryAt(const QPoint &point)
{
#if QT_VERSION >= QT_VERSION_CHECK(5, 10, 0)
    const QScreen *screen = QGuiApplication::screenAt(point);
    return (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
#else
    return QApplication::desktop()->availableGeometry(point);
#endif
}

// The piece for a painter `ratio` device pixels per unit: the 2x art wherever
// the ratio is above 1, as scaling it down loses less than scaling 1x up.
// Its "@2x" name gives the pixmap a device pixel ratio of 2. Loaded at every
// paint; a piece that fails to load is a null pixmap and simply not drawn.
QPixmap shadowPiece(const char *name, qreal ratio)
{
    const QString path = QStringLiteral(":/images/shadow/") + QLatin1String(name);
    if (ratio > 1) {
        const QPixmap fine(path + QStringLiteral("@2x.png"));
        if (!fine.isNull())
            return fine;
    }
    return QPixmap(path + QStringLiteral(".png"));
}

} // namespace

QBaseDialog::QBaseDialog(QWidget *parent)
    : QDialog(parent)
    , m_frame(new WindowFrame(this))
{
    m_frame->setShadowMargins(QMargins(kLeft, kTop, kRight, kBottom));
}

QBaseDialog::~QBaseDialog()
{
    disconnect(m_closeConnection);
    // Gone already if the dimmed widget, its Qt parent, was destroyed first.
    delete m_lightBox.data();
}

void QBaseDialog::enableLightBox(QWidget *target)
{
    if (target) {
        m_lightBoxTarget = target;
    } else {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (qobject_cast<QMainWindow *>(window)) {
                m_lightBoxTarget = window;
                break;
            }
        }
    }
    if (!m_lightBoxTarget)
        return;

    QLightBoxWidget *previous = m_lightBox.data();
    m_lightBox = new QLightBoxWidget(m_lightBoxTarget, false);
    delete previous;
}

void QBaseDialog::setTitleBar(QWidget *titleBar)
{
    if (m_closeConnection)
        disconnect(m_closeConnection);

    m_frame->setTitleBar(titleBar);
    if (!titleBar)
        return;

    const QList<QWidget *> closeButtons =
        titleBar->findChildren<QWidget *>(QStringLiteral("toolButton_close"), Qt::FindChildrenRecursively);
    if (closeButtons.isEmpty())
        return;
    // Only the first match counts, even when a later one is a tool button.
    if (auto *button = qobject_cast<QToolButton *>(closeButtons.first()))
        m_closeConnection = connect(button, &QToolButton::clicked, this, [this] { close(); });
}

void QBaseDialog::paintEvent(QPaintEvent *event)
{
    if (!m_frame->isShadowShown()) {
        // No shadow band: an opaque background, so that no pixel is left
        // transparent where nothing blends it with the desktop.
        QPainter(this).fillRect(rect(), palette().window());
        QDialog::paintEvent(event);
        return;
    }
    {
        QPainter painter(this);
        // The band's lines in device pixels: the outer ones rounded, the
        // ones along the content moved into it, so at a fractional ratio
        // neighbouring pieces meet without a seam and no pixel between band
        // and content stays empty (the content paints over the overlap).
        const QTransform toDevice = painter.deviceTransform();
        const qreal ratio = toDevice.m11();
        const QPointF outerStart = toDevice.map(QPointF(0, 0));
        const QPointF outerEnd = toDevice.map(QPointF(width(), height()));
        const QPointF contentStart = toDevice.map(QPointF(kLeft, kTop));
        const QPointF contentEnd = toDevice.map(QPointF(width() - kRight, height() - kBottom));
        const qreal xs[] = {std::round(outerStart.x()), std::ceil(contentStart.x()),
                            std::floor(contentEnd.x()), std::round(outerEnd.x())};
        const qreal ys[] = {std::round(outerStart.y()), std::ceil(contentStart.y()),
                            std::floor(contentEnd.y()), std::round(outerEnd.y())};
        const QTransform fromDevice = toDevice.inverted();
        const auto cell = [&](int column, int row) {
            return fromDevice.mapRect(QRectF(QPointF(xs[column], ys[row]), QPointF(xs[column + 1], ys[row + 1])));
        };
        const struct {
            const char *name;
            QRectF target;
        } pieces[] = {
            {"left_top", cell(0, 0)}, {"top", cell(1, 0)}, {"right_top", cell(2, 0)},
            {"left", cell(0, 1)}, {"right", cell(2, 1)},
            {"left_bottom", cell(0, 2)}, {"bottom", cell(1, 2)}, {"right_bottom", cell(2, 2)},
        };
        for (const auto &piece : pieces) {
            const QPixmap pixmap = shadowPiece(piece.name, ratio);
            // Art of another density is resampled, not picked pixel by pixel.
            painter.setRenderHint(QPainter::SmoothPixmapTransform, !qFuzzyCompare(pixmap.devicePixelRatioF(), ratio));
            painter.drawPixmap(piece.target, pixmap, QRectF());
        }
    }
    QDialog::paintEvent(event);
}

void QBaseDialog::showEvent(QShowEvent *event)
{
    // Qt's own placement allows for a window frame that a frameless parent
    // lacks; the card's visible part goes over the middle of the parent's.
    QWidget *parent = parentWidget() ? parentWidget()->window() : nullptr;
    if (parent && !testAttribute(Qt::WA_Moved)) {
        const QRect content = parent->contentsRect().translated(parent->geometry().topLeft());
        move(centredCardPosition(content, size(), contentsMargins(), availableGeometryAt(content.center())));
    }
    // Shown first, so the overlay's snapshot is taken before the dialog appears.
    if (m_lightBox)
        m_lightBox->show();
    QDialog::showEvent(event);
}

void QBaseDialog::hideEvent(QHideEvent *event)
{
    if (m_lightBox)
        m_lightBox->hide();
    QDialog::hideEvent(event);
}
