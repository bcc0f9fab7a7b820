#include "windowframe.h"

#include "compositor.h"
#include "framegeometry.h"
#include "nativehandle.h"

#include <QHash>
#include <QMainWindow>
#include <QStyle>
#include <QToolButton>
#include <QVariant>

namespace {

// Caption, sizing border, minimise and maximise boxes, no system menu: the
// system runs its own move, size and maximise for a window Qt draws entirely.
constexpr DWORD kFramelessWindowStyle = 0x82C70000;

// The shadow margins of every frameless window alive.
QHash<const QWidget *, QMargins> &shadowMargins()
{
    static QHash<const QWidget *, QMargins> margins;
    return margins;
}

bool isRecorded(const QWidget *window)
{
    return shadowMargins().contains(window);
}

void followCompositorEverywhere()
{
    for (auto it = shadowMargins().cbegin(); it != shadowMargins().cend(); ++it)
        WindowFrame::followCompositor(const_cast<QWidget *>(it.key()));
}

// Sets new margins; the window grows or shrinks around its content, which
// stays where it is on the screen once the window has been placed.
void changeMargins(QWidget *window, const QMargins &margins)
{
    const QMargins old = window->contentsMargins();
    if (margins == old)
        return;
    if (window->testAttribute(Qt::WA_Moved) || window->testAttribute(Qt::WA_Mapped))
        window->setGeometry(window->geometry().marginsRemoved(old).marginsAdded(margins));
    else
        window->resize(window->size() - QSize(old.left() + old.right(), old.top() + old.bottom())
                       + QSize(margins.left() + margins.right(), margins.top() + margins.bottom()));
    window->setContentsMargins(margins);
    window->update();
}

} // namespace

namespace WindowFrame {

void makeFrameless(QMainWindow *window)
{
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_TranslucentBackground, true);
    SetWindowLongW(nativeHandle(window), GWL_STYLE, static_cast<LONG>(kFramelessWindowStyle));
    setShadowMargins(window, QMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin));
}

void setShadowMargins(QWidget *window, const QMargins &margins)
{
    static const bool following = [] {
        QObject::connect(Compositor::instance(), &Compositor::activeChanged, followCompositorEverywhere);
        return true;
    }();
    Q_UNUSED(following)
    if (!isRecorded(window))
        QObject::connect(window, &QObject::destroyed, [window] { shadowMargins().remove(window); });
    shadowMargins().insert(window, margins);
    window->setContentsMargins(margins);
}

QMargins normalMargins(const QWidget *window)
{
    return Compositor::instance()->isActive() ? shadowMargins().value(window) : QMargins();
}

void followCompositor(QWidget *window)
{
    if (!isRecorded(window) || window->isMaximized() || window->isFullScreen())
        return;
    changeMargins(window, normalMargins(window));
}

Qt::Edges edgesAt(const QWidget *window, const QPoint &globalPosition)
{
    if (!isRecorded(window) || !qobject_cast<const QMainWindow *>(window)
        || window->minimumSize() == window->maximumSize() || window->isMaximized() || window->isFullScreen())
        return {};
    return gripEdges(window->frameGeometry(), globalPosition, normalMargins(window).left(), kGripWidth);
}

void followWindowState(QWidget *window)
{
    if (!isRecorded(window) || !qobject_cast<QMainWindow *>(window))
        return;
    const bool maximized = window->isMaximized();
    window->setContentsMargins(maximized || window->isFullScreen() ? QMargins() : normalMargins(window));
    showMaximizedState(window, maximized);
}

void showMaximizedState(QWidget *window, bool maximized)
{
    auto *button = window->findChild<QToolButton *>(QStringLiteral("toolButton_max"));
    // Absent before the first maximise, which reads as false.
    if (!button || button->property("maximizeProperty").toBool() == maximized)
        return;
    button->setProperty("maximizeProperty", maximized);
    button->style()->unpolish(button);
    button->style()->polish(button);
}

} // namespace WindowFrame
