#include "corvalen.h"
#include "support.h"

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

// The title bar and the grip bands as the mouse reaches them, on a platform
// without a window manager: the title bar moves the window by hand and the
// bands show their cursors and resize it by hand.
class TestTitleBar : public MainWindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void leftDragOnTheTitleMovesTheWindow_data();
    void leftDragOnTheTitleMovesTheWindow();
    void otherButtonsAndPlainClicksDoNotMove_data();
    void otherButtonsAndPlainClicksDoNotMove();
    void dragStartsFromWhereTheWindowReallyIs();
    void doubleClickIsConsumedAndChangesNothing();
    void buttonsMinimiseMaximiseAndClose();
    void bandsShowTheirCursorAndResizeTheirEdges_data();
    void bandsShowTheirCursorAndResizeTheirEdges();
    void bandOverTheTitleIsNotADrag();
    void windowManagerMaximiseSwitchesTheLayout_data();
    void windowManagerMaximiseSwitchesTheLayout();

private:
    // Sends a mouse event at a screen point to the main window's native
    // window, which Qt passes on to the widget under it, as a real pointer.
    void mouseAt(QEvent::Type type, const QPoint &global, Qt::MouseButton button, Qt::MouseButtons buttons);
    // The same at a point of the window where it is now.
    void mouse(QEvent::Type type, const QPoint &local, Qt::MouseButton button, Qt::MouseButtons buttons);
    QPoint pointOf(const char *name) const;
};

void TestTitleBar::init()
{
    openMainWindow(QPoint(100, 50));
}

void TestTitleBar::cleanup()
{
    closeMainWindow();
}

void TestTitleBar::mouseAt(QEvent::Type type, const QPoint &global, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, m_window->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window->windowHandle(), &event);
}

void TestTitleBar::mouse(QEvent::Type type, const QPoint &local, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    mouseAt(type, m_window->mapToGlobal(local), button, buttons);
}

QPoint TestTitleBar::pointOf(const char *name) const
{
    const auto *widget = child<QWidget>(name);
    return widget->mapTo(m_window, widget->rect().center());
}

void TestTitleBar::leftDragOnTheTitleMovesTheWindow_data()
{
    QTest::addColumn<QString>("pressOn");
    QTest::newRow("logo") << "label_logo";
    QTest::newRow("title text") << "label_clientName";
    QTest::newRow("empty title bar") << "frameTitle";
}

void TestTitleBar::leftDragOnTheTitleMovesTheWindow()
{
    QFETCH(QString, pressOn);
    const QPoint start = m_window->mapToGlobal(pointOf(pressOn.toLatin1()));
    const QPoint origin = m_window->pos();

    mouseAt(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    mouseAt(QEvent::MouseMove, start + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    QTRY_COMPARE(m_window->pos(), origin + QPoint(30, 20));
    mouseAt(QEvent::MouseMove, start + QPoint(-40, 70), Qt::NoButton, Qt::LeftButton);
    QTRY_COMPARE(m_window->pos(), origin + QPoint(-40, 70));
    mouseAt(QEvent::MouseButtonRelease, start + QPoint(-40, 70), Qt::LeftButton, Qt::NoButton);

    // After the release, motion moves nothing.
    mouseAt(QEvent::MouseMove, start + QPoint(100, 100), Qt::NoButton, Qt::NoButton);
    QTest::qWait(20);
    QCOMPARE(m_window->pos(), origin + QPoint(-40, 70));
}

// A window manager can leave Qt with a stale position for a window it has
// just mapped; the pointer's own coordinates tell where the window is.
void TestTitleBar::dragStartsFromWhereTheWindowReallyIs()
{
    const QPoint local = pointOf("label_clientName");
    const QPoint reallyAt = m_window->pos() + QPoint(200, 100);
    const auto send = [this, local, reallyAt](QEvent::Type type, const QPoint &moved, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, local + moved, reallyAt + local + moved, button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window->windowHandle(), &event);
    };
    send(QEvent::MouseButtonPress, QPoint(), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    QTRY_COMPARE(m_window->pos(), reallyAt + QPoint(30, 20));
    send(QEvent::MouseButtonRelease, QPoint(30, 20), Qt::LeftButton, Qt::NoButton);
}

void TestTitleBar::otherButtonsAndPlainClicksDoNotMove_data()
{
    QTest::addColumn<QString>("pressOn");
    QTest::addColumn<int>("buttonValue");
    QTest::addColumn<bool>("releaseFirst");
    QTest::newRow("right button") << "label_clientName" << int(Qt::RightButton) << false;
    QTest::newRow("middle button") << "frameTitle" << int(Qt::MiddleButton) << false;
    QTest::newRow("left click, then motion") << "label_clientName" << int(Qt::LeftButton) << true;
    QTest::newRow("minimise button") << "toolButton_min" << int(Qt::LeftButton) << false;
    QTest::newRow("version button") << "toolButtonVersion" << int(Qt::LeftButton) << false;
}

void TestTitleBar::otherButtonsAndPlainClicksDoNotMove()
{
    QFETCH(QString, pressOn);
    QFETCH(int, buttonValue);
    const auto button = Qt::MouseButton(buttonValue);
    QFETCH(bool, releaseFirst);
    const QPoint start = pointOf(pressOn.toLatin1());
    const QPoint origin = m_window->pos();
    // The release lands off any tool button, so none of them is clicked.

    mouse(QEvent::MouseButtonPress, start, button, button);
    if (releaseFirst)
        mouse(QEvent::MouseButtonRelease, start, button, Qt::NoButton);
    const Qt::MouseButtons held = releaseFirst ? Qt::MouseButtons(Qt::NoButton) : Qt::MouseButtons(button);
    mouse(QEvent::MouseMove, start + QPoint(30, 20), Qt::NoButton, held);
    mouse(QEvent::MouseMove, start + QPoint(60, 40), Qt::NoButton, held);
    if (!releaseFirst)
        mouse(QEvent::MouseButtonRelease, start + QPoint(60, 40), button, Qt::NoButton);
    QTest::qWait(20);
    QCOMPARE(m_window->pos(), origin);
}

void TestTitleBar::doubleClickIsConsumedAndChangesNothing()
{
    const QPoint title = pointOf("label_clientName");
    const QRect before = m_window->geometry();
    auto *frameTitle = m_window->findChild<QWidget *>(QStringLiteral("frameTitle"));
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, frameTitle->rect().center(),
                            m_window->mapToGlobal(title), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(QCoreApplication::sendEvent(frameTitle, &doubleClick));
    mouse(QEvent::MouseButtonRelease, title, Qt::LeftButton, Qt::NoButton);
    QTest::qWait(20);
    QCOMPARE(m_window->geometry(), before);
    QVERIFY(!m_window->isMaximized());
    QCOMPARE(m_window->windowState(), Qt::WindowNoState);
}

void TestTitleBar::buttonsMinimiseMaximiseAndClose()
{
    QTest::mouseClick(m_window->findChild<QToolButton *>(QStringLiteral("toolButton_min")), Qt::LeftButton);
    QTRY_VERIFY(m_window->isMinimized());
    m_window->showNormal();
    QTRY_VERIFY(!m_window->isMinimized());

    // The maximise button is hidden; its slot still switches both ways.
    auto *maximise = m_window->findChild<QToolButton *>(QStringLiteral("toolButton_max"));
    QVERIFY(!maximise->isVisible());
    maximise->click();
    QTRY_VERIFY(m_window->isMaximized());
    maximise->click();
    QTRY_VERIFY(!m_window->isMaximized());

    QTest::mouseClick(m_window->findChild<QToolButton *>(QStringLiteral("toolButton_close")), Qt::LeftButton);
    QTRY_VERIFY(!m_window->isVisible());
}

void TestTitleBar::bandsShowTheirCursorAndResizeTheirEdges_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("cursor");
    // After a drag by (10, 6) from the window at 100, 50, 743 x 175.
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("left band over the title") << QPoint(14, 30) << int(Qt::SizeHorCursor) << QRect(110, 50, 733, 175);
    QTest::newRow("right band over a field") << QPoint(743 - 15, 100) << int(Qt::SizeHorCursor)
                                             << QRect(100, 50, 753, 175);
    QTest::newRow("top band") << QPoint(300, 13) << int(Qt::SizeVerCursor) << QRect(100, 56, 743, 169);
    QTest::newRow("bottom band") << QPoint(300, 175 - 14) << int(Qt::SizeVerCursor) << QRect(100, 50, 743, 181);
    QTest::newRow("top-left corner") << QPoint(13, 13) << int(Qt::SizeFDiagCursor) << QRect(110, 56, 733, 169);
    QTest::newRow("bottom-right corner") << QPoint(743 - 14, 175 - 14) << int(Qt::SizeFDiagCursor)
                                         << QRect(100, 50, 753, 181);
    QTest::newRow("bottom-left corner") << QPoint(14, 175 - 14) << int(Qt::SizeBDiagCursor) << QRect(110, 50, 733, 181);
    QTest::newRow("top-right corner") << QPoint(743 - 14, 14) << int(Qt::SizeBDiagCursor) << QRect(100, 56, 753, 169);
    QTest::newRow("shadow") << QPoint(5, 80) << -1 << QRect(100, 50, 743, 175);
    QTest::newRow("title") << QPoint(300, 30) << -1 << QRect(110, 56, 743, 175);
}

// With no window manager to hand it to, a band's drag resizes by hand.
void TestTitleBar::bandsShowTheirCursorAndResizeTheirEdges()
{
    QFETCH(QPoint, at);
    QFETCH(int, cursor);
    QFETCH(QRect, geometry);
    // From the left band, so that corners and other bands change the cursor.
    mouse(QEvent::MouseMove, QPoint(14, 100), Qt::NoButton, Qt::NoButton);
    mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    const QCursor *shown = QGuiApplication::overrideCursor();
    QCOMPARE(shown ? int(shown->shape()) : -1, cursor);

    // Off the band the widgets' own cursors show again.
    mouse(QEvent::MouseMove, QPoint(300, 100), Qt::NoButton, Qt::NoButton);
    QVERIFY(!QGuiApplication::overrideCursor());
    mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(m_window->windowHandle(), &leave);
    QVERIFY(!QGuiApplication::overrideCursor());

    const QPoint start = m_window->mapToGlobal(at);
    mouseAt(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    mouseAt(QEvent::MouseMove, start + QPoint(10, 6), Qt::NoButton, Qt::LeftButton);
    mouseAt(QEvent::MouseButtonRelease, start + QPoint(10, 6), Qt::LeftButton, Qt::NoButton);
    QTRY_COMPARE(m_window->geometry(), geometry);
}

void TestTitleBar::bandOverTheTitleIsNotADrag()
{
    // The top band overlaps the title bar; a drag there resizes, by hand as
    // this platform has no window manager, instead of moving the window.
    const QPoint origin = m_window->pos();
    mouse(QEvent::MouseButtonPress, QPoint(300, 14), Qt::LeftButton, Qt::LeftButton);
    mouseAt(QEvent::MouseMove, origin + QPoint(307, 20), Qt::NoButton, Qt::LeftButton);
    mouseAt(QEvent::MouseMove, origin + QPoint(330, 34), Qt::NoButton, Qt::LeftButton);
    mouseAt(QEvent::MouseButtonRelease, origin + QPoint(330, 34), Qt::LeftButton, Qt::NoButton);
    QTRY_COMPARE(m_window->geometry(), QRect(origin + QPoint(0, 20), QSize(743, 155)));
    const QPoint resized = m_window->pos();

    // The title bar below the band still drags.
    mouse(QEvent::MouseButtonPress, QPoint(300, 30), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(310, 40), Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPoint(310, 40), Qt::LeftButton, Qt::NoButton);
    QTRY_COMPARE(m_window->pos(), resized + QPoint(10, 10));
}

void TestTitleBar::windowManagerMaximiseSwitchesTheLayout_data()
{
    QTest::addColumn<int>("state");
    QTest::newRow("maximised") << int(Qt::WindowMaximized);
    QTest::newRow("full screen") << int(Qt::WindowFullScreen);
}

void TestTitleBar::windowManagerMaximiseSwitchesTheLayout()
{
    QFETCH(int, state);
    auto *button = m_window->findChild<QToolButton *>(QStringLiteral("toolButton_max"));
    m_window->setWindowState(Qt::WindowState(state));
    // The window manager puts the window on the work area: no margin is left.
    QTRY_COMPARE(m_window->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(button->property("maximizeProperty"), QVariant(true));
    // Nor any grip band: the screen's edge shows no resize arrow.
    mouseAt(QEvent::MouseMove, m_window->frameGeometry().topLeft() + QPoint(2, 100), Qt::NoButton, Qt::NoButton);
    QVERIFY(!QGuiApplication::overrideCursor());
    // Activated again while maximised, as when the About card closes: the
    // band does not come back.
    QEvent activated(QEvent::WindowActivate);
    QCoreApplication::sendEvent(m_window, &activated);
    QCOMPARE(m_window->contentsMargins(), QMargins(0, 0, 0, 0));
    m_window->setWindowState(Qt::WindowNoState);
    QTRY_COMPARE(m_window->contentsMargins(), QMargins(12, 12, 12, 12));
    QCOMPARE(button->property("maximizeProperty"), QVariant(false));
}

QTEST_MAIN(TestTitleBar)
#include "tst_titlebar.moc"
