#include "windowframe.h"

#include "artdensity.h"
#include "compositor.h"
#include "framegeometry.h"
#include "frameplatform.h"
#include "shadowpainter.h"
#include "titlebuttonkeys.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVariant>
#include <QWindow>

WindowFrame::WindowFrame(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_ratio(window->devicePixelRatioF())
    , m_press(window)
{
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_TranslucentBackground, true);
    FramePlatform::current().prepare(window);
    window->installEventFilter(this);
    connect(Compositor::instance(), &Compositor::activeChanged, this, &WindowFrame::followCompositor);
    showFineArt();
}

WindowFrame::~WindowFrame()
{
    showEdgesCursor({});
}

WindowFrame *WindowFrame::of(const QWidget *window)
{
    return window ? window->findChild<WindowFrame *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void WindowFrame::setShadow(std::unique_ptr<ShadowSliceSource> slices)
{
    // The window's size includes the band; the compositor is asked as the
    // window is shown, once its form has its size.
    m_shadowMargins = slices->reach();
    m_shadow = std::make_unique<ShadowPainter>(std::move(slices));
    m_shadowShown = true;
    m_window->setContentsMargins(m_shadowMargins);
}

void WindowFrame::paintShadow(QPainter &painter)
{
    if (m_shadow && m_shadowShown)
        m_shadow->paint(painter, m_window->contentsRect(), m_ratio);
}

void WindowFrame::setTitleBar(QWidget *titleBar)
{
    if (m_titleBar)
        m_titleBar->removeEventFilter(this);
    m_titleBar = titleBar;
    if (titleBar) {
        titleBar->installEventFilter(this);
        TitleButtonKeys::attach(titleBar);
    }
}

Qt::Edges WindowFrame::gripEdgesAt(const QPoint &globalPosition) const
{
    if (!isResizable() || m_maximized || FramePlatform::current().framesNatively())
        return {};
    return gripEdges(m_window->frameGeometry(), globalPosition, normalMargins().left(), kGripWidth);
}

Qt::Edges WindowFrame::gripEdgesInDevicePixels(const QRect &window, const QPoint &point) const
{
    // Maximised, the bands would lie on the screen's edge, over the title bar.
    if (m_maximized)
        return {};
    return gripEdgesAtScale(window, point, m_shadowMargins.left(), m_ratio);
}

void WindowFrame::setMaximized(bool maximized, const QMargins &maximizedMargins)
{
    if (maximized)
        m_window->setContentsMargins(maximizedMargins);
    if (maximized == m_maximized)
        return;
    m_maximized = maximized;
    const bool shown = !maximized && Compositor::instance()->isActive();
    if (!maximized)
        m_window->setContentsMargins(shown ? m_shadowMargins : QMargins());
    m_shadowShown = shown;
    showMaximizeButton(maximized);
}

bool WindowFrame::isResizable() const
{
    return qobject_cast<QMainWindow *>(m_window) && m_window->minimumSize() != m_window->maximumSize();
}

QMargins WindowFrame::normalMargins() const
{
    return m_shadowShown ? m_shadowMargins : QMargins();
}

bool WindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nativeWindow)
        return handleWindowMouse(event);
    if (watched == m_titleBar)
        return handleTitleBarEvent(event);
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        watchNativeWindow();
        followScale();
        followCompositor(Compositor::instance()->isActive());
        break;
    case QEvent::WindowActivate:
        followCompositor(Compositor::instance()->isActive());
        break;
    case QEvent::WindowStateChange:
        // Where the window manager places a maximised window on the work
        // area itself; Windows reports its own layout through the native filter.
        if (!FramePlatform::current().framesNatively())
            setMaximized(m_window->isMaximized() || m_window->isFullScreen(), QMargins());
        break;
    default:
        break;
    }
    return false;
}

// The native window exists once the window is shown, and is made anew when
// the window is re-created.
void WindowFrame::watchNativeWindow()
{
    QWindow *native = m_window->windowHandle();
    if (native == m_nativeWindow)
        return;
    if (m_nativeWindow) {
        m_nativeWindow->removeEventFilter(this);
        disconnect(m_nativeWindow, nullptr, this, nullptr);
    }
    m_nativeWindow = native;
    if (!native)
        return;
    // It sees the mouse before the widgets do, so a grip band that overlaps
    // a child takes the press.
    native->installEventFilter(this);
    connect(native, &QWindow::screenChanged, this, &WindowFrame::followScale);
}

// Called as the window is shown or activated and when a compositing manager
// comes or goes. A maximised window keeps its layout until it is restored.
void WindowFrame::followCompositor(bool active)
{
    if (!m_maximized)
        showShadowBand(active);
}

// Follows the ratio of the screen the window is on: moved to a screen of
// another scale, or the screen's own scale changed (per-monitor DPI).
void WindowFrame::followScale()
{
    QScreen *screen = m_nativeWindow ? m_nativeWindow->screen() : nullptr;
    if (screen != m_screen) {
        if (m_screen)
            disconnect(m_screen, nullptr, this, nullptr);
        m_screen = screen;
        if (screen)
            connect(screen, &QScreen::logicalDotsPerInchChanged, this, &WindowFrame::followScale);
    }
    const qreal ratio = m_window->devicePixelRatioF();
    if (qFuzzyCompare(ratio, m_ratio))
        return;
    m_ratio = ratio;
    showFineArt();
    // Once Qt has handled the change (Windows resizes the window for the new
    // scale only after telling of it).
    QMetaObject::invokeMethod(this, &WindowFrame::followNativeSize, Qt::QueuedConnection);
    m_window->update();
}

// On X11 a window keeps its pixels on a screen of another scale, so its size
// in points changes; Qt 6 does not tell the widget, which would go on laying
// out its old size, cut off, and below its minimum.
void WindowFrame::followNativeSize()
{
    if (m_nativeWindow && !(m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        m_window->resize(m_nativeWindow->size().expandedTo(m_window->minimumSize()));
}

// Shows or drops the shadow band of a window in its normal layout. The window
// grows or shrinks around its content, which stays where it is on the screen
// once the window has been placed.
void WindowFrame::showShadowBand(bool shown)
{
    if (shown == m_shadowShown)
        return;
    m_shadowShown = shown;
    const QMargins old = m_window->contentsMargins();
    const QMargins margins = normalMargins();
    if (m_window->testAttribute(Qt::WA_Moved) || m_window->testAttribute(Qt::WA_Mapped))
        m_window->setGeometry(m_window->geometry().marginsRemoved(old).marginsAdded(margins));
    else
        m_window->resize(m_window->size() - QSize(old.left() + old.right(), old.top() + old.bottom())
                         + QSize(margins.left() + margins.right(), margins.top() + margins.bottom()));
    m_window->setContentsMargins(margins);
    m_window->update();
}

// The maximise button's "maximizeProperty" and a re-polish, so that the
// style sheet shows the restore picture while maximised.
void WindowFrame::showMaximizeButton(bool maximized)
{
    auto *button = m_window->findChild<QToolButton *>(QStringLiteral("toolButton_max"));
    if (!button)
        return;
    button->setProperty("maximizeProperty", maximized);
    button->style()->unpolish(button);
    button->style()->polish(button);
}

// The style sheet's rules under this property name the 2x art; each widget
// of the window is polished again to pick them up.
void WindowFrame::showFineArt()
{
    const bool fine = usesTwoTimesArt(m_ratio);
    if (m_window->property(kHighDensityProperty).toBool() == fine)
        return;
    m_window->setProperty(kHighDensityProperty, fine);
    const QList<QWidget *> widgets = m_window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
}

// The window sees the mouse before its widgets do, so a grip band that
// overlaps a child takes the press, and its motion and release with it.
bool WindowFrame::handleWindowMouse(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const Qt::Edges edges = mouse->button() == Qt::LeftButton ? gripEdgesAt(screenPosition(mouse).toPoint()) : Qt::Edges();
        if (!edges)
            return false;
        m_press.press(mouse, edges, m_ratio);
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_press.isActive() && m_press.edges())
            return m_press.move(mouse, m_ratio);
        if (mouse->buttons() == Qt::NoButton)
            showEdgesCursor(gripEdgesAt(screenPosition(mouse).toPoint()));
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton || !m_press.isActive()
            || !m_press.edges())
            return false;
        // The widgets never saw the press, so they must not see its release.
        m_press.release();
        return true;
    case QEvent::Leave:
        showEdgesCursor({});
        return false;
    default:
        return false;
    }
}

// A press that reaches the title bar, past its buttons, moves the window.
bool WindowFrame::handleTitleBarEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_press.press(mouse, {}, m_ratio);
        return true;
    }
    case QEvent::MouseMove:
        return m_press.isActive() && !m_press.edges() && m_press.move(static_cast<QMouseEvent *>(event), m_ratio);
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_press.release();
        return false;
    default:
        return false;
    }
}

// An override cursor, because the bands overlap child widgets whose own
// cursors would otherwise be restored as the pointer crosses them.
void WindowFrame::showEdgesCursor(Qt::Edges edges)
{
    if (edges == m_cursorEdges)
        return;
    if (!m_cursorEdges)
        QGuiApplication::setOverrideCursor(QCursor(edgesCursor(edges)));
    else if (!edges)
        QGuiApplication::restoreOverrideCursor();
    else
        QGuiApplication::changeOverrideCursor(QCursor(edgesCursor(edges)));
    m_cursorEdges = edges;
}
