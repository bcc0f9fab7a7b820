#include "support.h"

#include "qlightboxwidget.h"
#include "win32api.h"

#include <QtTest>

QList<QLightBoxWidget *> overlaysIn(const QWidget *widget)
{
    return widget->findChildren<QLightBoxWidget *>();
}

QMargins frameMargins()
{
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, 0, 0);
    return QMargins(-frame.left, frame.bottom, frame.right, frame.bottom);
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
