#include "titlebardrag.h"

#ifdef Q_OS_WIN
#include "nativehandle.h"
#else
#include "systemdrag.h"
#endif

#include <QMouseEvent>
#include <QWidget>

namespace {

#ifdef Q_OS_WIN
// The system's move loop takes the press itself and returns on release.
constexpr bool kMoveStartsOnPress = true;
#else
// A window manager's move grabs the pointer; asked for on a plain click it
// would swallow the release, so it waits for the first motion.
constexpr bool kMoveStartsOnPress = false;
#endif

} // namespace

TitleBarDrag::TitleBarDrag(QWidget *window)
    : m_window(window)
{
}

bool TitleBarDrag::handle(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (kMoveStartsOnPress) {
            startSystemMove();
            return true;
        }
        m_pressed = true;
        m_followByHand = false;
        m_pressPosition = mouse->globalPos();
        m_pressScreenPosition = mouse->screenPos();
        // Where the window really is, from the pointer's own coordinates: a
        // window manager can leave Qt with a stale position for a window it
        // has just mapped, and a move started from that position jumps.
        m_windowOrigin = mouse->globalPos() - mouse->windowPos().toPoint();
        if (m_window->pos() != m_windowOrigin)
            m_window->move(m_windowOrigin);
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_pressed)
            return false;
        if (!(mouse->buttons() & Qt::LeftButton)) {
            m_pressed = false;
            return false;
        }
        if (!m_followByHand) {
            if (startSystemMove()) {
                // The window manager owns the pointer until the button is released.
                m_pressed = false;
                return true;
            }
            m_followByHand = true;
        }
        m_window->move(m_windowOrigin + mouse->globalPos() - m_pressPosition);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_pressed = false;
        return false;
    default:
        return false;
    }
}

bool TitleBarDrag::startSystemMove()
{
#ifdef Q_OS_WIN
    // Give up Qt's capture so that the system can take the pointer.
    ReleaseCapture();
    return SendMessageW(nativeHandle(m_window), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0) == 0;
#else
    return startSystemDrag(m_window, {}, m_pressScreenPosition);
#endif
}
