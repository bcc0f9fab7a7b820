#include "qbasedialog.h"

#include "bundleshadowslices.h"
#include "framegeometry.h"
#include "freshaccessibleids.h"
#include "qlightboxwidget.h"
#include "windowframe.h"

#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

namespace {

// The shadow band; also the thicknesses of the shadow pieces.
constexpr int kLeft = 10;
constexpr int kTop = 5;
constexpr int kRight = 10;
constexpr int kBottom = 15;

// The screen area available to windows around a point.
QRect availableGeometryAt(const QPoint &point)
{
    const QScreen *screen = QGuiApplication::screenAt(point);
    return (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
}

} // namespace

QBaseDialog::QBaseDialog(QWidget *parent)
    : QDialog(parent)
    , m_frame(new WindowFrame(this))
{
    m_frame->setShadow(std::make_unique<BundleShadowSlices>(QMargins(kLeft, kTop, kRight, kBottom)));
}

QBaseDialog::~QBaseDialog()
{
    disconnect(m_closeConnection);
    holdLastAccessibleId();
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
    holdLastAccessibleId();

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
    {
        QPainter painter(this);
        // No shadow band: an opaque background, so that no pixel is left
        // transparent where nothing blends it with the desktop.
        if (!m_frame->isShadowShown())
            painter.fillRect(rect(), palette().window());
        m_frame->paintShadow(painter);
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
