#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRect>

class QMouseEvent;
class QWidget;
class QWindow;

// Where the window system sends no Windows messages, gives the frameless
// windows their frame from Qt's own events: the grip bands show a resize
// cursor and resize the window, through the window manager where there is
// one and by hand where there is none; a maximise or restore, whoever asked
// for it, switches the window's layout; and a window shown or activated
// follows the compositor. Installed on the application, it sees the mouse
// events of every window before its widgets do.
class WindowFrameBridge final : public QObject
{
    Q_OBJECT

public:
    explicit WindowFrameBridge(QObject *parent = nullptr);
    ~WindowFrameBridge() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(WindowFrameBridge)
    bool handleMouse(QWindow *window, const QMouseEvent *event);
    // Resizes the pressed window as the pointer has moved since the press.
    void resizeByHand(const QPointF &screenPosition);
    void showEdgesCursor(Qt::Edges edges);

    // Edges of the cursor shape currently overriding the widgets' own.
    Qt::Edges m_cursorEdges;
    // A left press in a grip band; the resize starts on the first motion, so
    // that a plain click leaves nothing grabbed.
    Qt::Edges m_pressedEdges;
    QPointer<QWindow> m_pressedWindow;
    QPointer<QWidget> m_pressedWidget;
    // Where the button went down, with the fraction that keeps the device
    // pixel at scale factors above 1.
    QPointF m_pressPosition;
    QRect m_pressGeometry;
    bool m_resizingByHand = false;
};
