#include "support.h"

#include "qlightboxwidget.h"

#include <QtTest>

QList<QLightBoxWidget *> overlaysIn(const QWidget *widget)
{
    return widget->findChildren<QLightBoxWidget *>();
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
