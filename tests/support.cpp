#include "support.h"

#include <QtMath>

#include "qlightboxwidget.h"
#include "win32api.h"

#include <QtTest>

QList<QLightBoxWidget *> overlaysIn(const QWidget *widget)
{
    return widget->findChildren<QLightBoxWidget *>();
}

QMargins frameMargins(qreal scale)
{
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, 0, 0);
    const auto logical = [scale](LONG pixels) { return qCeil(pixels / scale); };
    return QMargins(logical(-frame.left), logical(frame.bottom), logical(frame.right), logical(frame.bottom));
}

void MainWindowTest::openMainWindow(std::optional<QPoint> position)
{
    m_window = new Corvalen;
    if (position)
        m_window->move(*position);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void MainWindowTest::closeMainWindow()
{
    delete m_window.data();
}
