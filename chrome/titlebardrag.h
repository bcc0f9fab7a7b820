#pragma once

#include <QPointF>

class QEvent;
class QWidget;

// Moves a frameless top-level window while the left button is held on its
// title bar. On Windows the system's own move loop does the work. Elsewhere
// the window manager's move is asked for on the first motion after the press
// (asking on the press itself would grab the pointer for a plain click),
// anchored at the press; where no window manager offers a move the window
// follows the pointer by hand.
class TitleBarDrag final
{
public:
    explicit TitleBarDrag(QWidget *window);
    TitleBarDrag(const TitleBarDrag &) = delete;
    TitleBarDrag &operator=(const TitleBarDrag &) = delete;

    // Feeds one event that reached the title bar. Returns true when the event
    // belongs to the drag and must not reach the title bar itself.
    bool handle(QEvent *event);

private:
    // Hands the move to the system; false where it offers none.
    bool startSystemMove();

    QWidget *m_window;
    bool m_pressed = false;
    bool m_followByHand = false;
    QPoint m_pressPosition;
    QPointF m_pressScreenPosition;
    QPoint m_windowOrigin;
};
