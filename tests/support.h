#pragma once

// What several tests share: the main window every test function starts
// with, the form's widgets by object name, and what the chrome leaves behind.

#include "corvalen.h"
#include "qlightboxwidget.h"
#include "win32api.h"

#include <QObject>
#include <QPointer>
#include <QtTest>

#include <optional>

// A widget of a form by its object name; null if there is none of that type.
template<typename T> T *child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// The light-box overlays that dialogs put over a widget and left there.
inline QList<QLightBoxWidget *> overlaysIn(const QWidget *widget)
{
    return widget->findChildren<QLightBoxWidget *>();
}

// The margins of a maximised window: the sizing frame of a standard window
// as the system reports it, its bottom thickness also on top.
inline QMargins frameMargins()
{
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, 0, 0);
    return QMargins(-frame.left, frame.bottom, frame.right, frame.bottom);
}

// The base of the tests that drive the program's main window: init() opens a
// new one and cleanup() closes it, so each test function starts afresh.
class MainWindowTest : public QObject
{
protected:
    // Shows the window, first moved to `position` if one is given, and
    // waits until it is on screen; the test function is skipped otherwise.
    void openMainWindow(std::optional<QPoint> position = std::nullopt)
    {
        m_window = new Corvalen;
        if (position)
            m_window->move(*position);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    // A test function may have deleted the window itself.
    void closeMainWindow() { delete m_window.data(); }

    template<typename T> T *child(const char *name) const { return ::child<T>(m_window, name); }

    QPointer<Corvalen> m_window;
};
