#include "titlebardrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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
#ifdef Q_OS_WIN
        // Give up Qt's capture and let the system run its move loop; the call
        // returns once the button is released.
        ReleaseCapture();
        SendMessageW(reinterpret_cast<HWND>(m_window->winId()), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
#else
        m_pressed = true;
        m_followByHand = false;
        m_pressPosition = mouse->globalPos();
        m_windowOrigin = m_window->pos();
#endif
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
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
        if (!m_followByHand) {
            QWindow *handle = m_window->windowHandle();
            if (handle && handle->startSystemMove()) {
                // The window manager owns the pointer until the button is released.
                m_pressed = false;
                return true;
            }
            m_followByHand = true;
        }
#endif
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
