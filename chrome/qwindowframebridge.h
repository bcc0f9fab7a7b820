#pragma once

#include "win32api.h"

#include <QObject>
#include <QPointer>

class QAbstractNativeEventFilter;
class QMouseEvent;
class QWindow;

// Where the window system sends no Windows messages, puts the same questions
// to the native frame filter from Qt's own events and carries out its
// answers through the window system: the grip bands show a resize cursor and
// start the window manager's resize, and a maximise or restore, whoever asked
// for it, switches the window's layout. Installed on the application, it sees
// the mouse events of every window before its widgets do.
class QWindowFrameBridge : public QObject
{
    Q_OBJECT

public:
    explicit QWindowFrameBridge(QAbstractNativeEventFilter *filter, QObject *parent = nullptr);
    ~QWindowFrameBridge() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleMouse(QWindow *window, const QMouseEvent *event);
    int zoneAt(QWidget *window, const QPoint &globalPosition);
    bool send(QWidget *window, UINT message, LPARAM lParam, long *result);
    void showZoneCursor(int zone);

    QAbstractNativeEventFilter *m_filter;
    // Zone of the cursor shape currently overriding the widgets' own.
    int m_cursorZone;
    // A left press in a grip band; the resize starts on the first motion,
    // so that a plain click leaves nothing grabbed.
    int m_pressedZone;
    QPointer<QWindow> m_pressedWindow;
};
