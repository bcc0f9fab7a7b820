#pragma once

// What several tests share: the main window every test function starts
// with, the form's widgets by object name, and what the chrome leaves behind.
// Windows' own headers stay out of here: their macros (near, far, min, max)
// would reach every test.

#include "corvalen.h"

#include <QList>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <optional>

class QLightBoxWidget;
class QWidget;

// A widget of a form by its object name; null if there is none of that type.
template<typename T> T *child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// The light-box overlays that dialogs put over a widget and left there.
QList<QLightBoxWidget *> overlaysIn(const QWidget *widget);

#ifdef Q_OS_WIN
// The margins of a maximised window: the sizing frame of a standard window
// as the system reports it, its bottom thickness also on top, in logical
// pixels at the given scale, rounded up.
QMargins frameMargins(qreal scale = 1.0);
#endif

// The base of the tests that drive the program's main window: init() opens a
// new one and cleanup() closes it, so each test function starts afresh.
class MainWindowTest : public QObject
{
protected:
    // Shows the window, first moved to `position` if one is given, and
    // waits until it is on screen; the test function is skipped otherwise.
    void openMainWindow(std::optional<QPoint> position = std::nullopt);
    // A test function may have deleted the window itself.
    void closeMainWindow();

    template<typename T> T *child(const char *name) const { return ::child<T>(m_window, name); }

    QPointer<Corvalen> m_window;
};
