#include "corvalen.h"
#include "qwinnativeeventfilter.h"
#include "support.h"

#include <QApplication>
#include <QDialog>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include <windows.h>

namespace {

HWND nativeHandle(const QWidget *widget)
{
    return reinterpret_cast<HWND>(widget->winId());
}

// A screen point as a hit-test message carries it: two 16-bit words.
LPARAM lParamFromPoint(const QPoint &point)
{
    return MAKELPARAM(WORD(point.x()), WORD(point.y()));
}

} // namespace

// The native frame filter driven with the messages Windows would send it.
class TestNativeFilter : public MainWindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hitTestFindsTheGripBands_data();
    void hitTestFindsTheGripBands();
    void noNonClientAreaWhateverWParam_data();
    void noNonClientAreaWhateverWParam();
    void onlyWindowsMessagesOfResizableMainWindowsAreHandled_data();
    void onlyWindowsMessagesOfResizableMainWindowsAreHandled();
    void maximiseAndRestoreSwitchTheLayoutOnce();
    void restorePictureFollowsTheProperty();
    void windowWithoutMaximiseButtonStillSwitchesMargins();

private:
    bool send(QWidget *window, UINT message, WPARAM wParam, LPARAM lParam, QWinNativeEventFilter::Result *result,
              const QByteArray &type = QByteArrayLiteral("windows_generic_MSG"));
    QToolButton *maximizeButton() const;

    std::unique_ptr<QWinNativeEventFilter> m_filter;
};

void TestNativeFilter::init()
{
    m_filter.reset(new QWinNativeEventFilter);
    openMainWindow(QPoint(100, 50));
}

void TestNativeFilter::cleanup()
{
    closeMainWindow();
    m_filter.reset();
    qApp->setStyleSheet(QString());
}

bool TestNativeFilter::send(QWidget *window, UINT message, WPARAM wParam, LPARAM lParam, QWinNativeEventFilter::Result *result,
                            const QByteArray &type)
{
    MSG msg = {};
    msg.hwnd = nativeHandle(window);
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    return m_filter->nativeEventFilter(type, &msg, result);
}

QToolButton *TestNativeFilter::maximizeButton() const
{
    return child<QToolButton>("toolButton_max");
}

void TestNativeFilter::hitTestFindsTheGripBands_data()
{
    QTest::addColumn<QPoint>("windowPosition");
    // From the left and top edges; negative values from the right and bottom.
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("zone");

    for (const QPoint position : {QPoint(100, 50), QPoint(-1500, -700)}) {
        const QByteArray at = QByteArray::number(position.x()) + "," + QByteArray::number(position.y()) + ": ";
        QTest::newRow(at + "left band") << position << QPoint(12, 80) << HTLEFT;
        QTest::newRow(at + "right band") << position << QPoint(-17, 80) << HTRIGHT;
        QTest::newRow(at + "top band") << position << QPoint(300, 16) << HTTOP;
        QTest::newRow(at + "bottom band") << position << QPoint(300, -13) << HTBOTTOM;
        QTest::newRow(at + "bottom-left corner") << position << QPoint(14, -15) << HTBOTTOMLEFT;
        QTest::newRow(at + "top-right corner") << position << QPoint(-15, 14) << HTTOPRIGHT;
        QTest::newRow(at + "left band above the content") << position << QPoint(14, 3) << HTLEFT;
        QTest::newRow(at + "shadow") << position << QPoint(5, 80) << HTNOWHERE;
        QTest::newRow(at + "title bar") << position << QPoint(300, 40) << HTNOWHERE;
    }
}

void TestNativeFilter::hitTestFindsTheGripBands()
{
    QFETCH(QPoint, windowPosition);
    QFETCH(QPoint, offset);
    QFETCH(int, zone);

    m_window->move(windowPosition);
    QTRY_COMPARE(m_window->frameGeometry().topLeft(), windowPosition);
    // The window's whole rectangle: on Windows, with no filter installed to
    // take it away, that includes the system's non-client frame.
    const QRect frame = m_window->frameGeometry();
    const QPoint point(offset.x() >= 0 ? frame.left() + offset.x() : frame.right() + 1 + offset.x(),
                       offset.y() >= 0 ? frame.top() + offset.y() : frame.bottom() + 1 + offset.y());
    QWinNativeEventFilter::Result result = -1;
    const bool handled = send(m_window, WM_NCHITTEST, 0, lParamFromPoint(point), &result);
    QCOMPARE(handled, zone != HTNOWHERE);
    QCOMPARE(result, zone != HTNOWHERE ? QWinNativeEventFilter::Result(zone) : -1);
}

void TestNativeFilter::noNonClientAreaWhateverWParam_data()
{
    QTest::addColumn<WPARAM>("wParam");
    QTest::newRow("calculate valid rectangles") << WPARAM(1);
    QTest::newRow("rectangle only") << WPARAM(0);
}

void TestNativeFilter::noNonClientAreaWhateverWParam()
{
    QFETCH(WPARAM, wParam);
    QWinNativeEventFilter::Result result = -1;
    QVERIFY(send(m_window, WM_NCCALCSIZE, wParam, 0, &result));
    QCOMPARE(result, 0L);
}

void TestNativeFilter::onlyWindowsMessagesOfResizableMainWindowsAreHandled_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<UINT>("message");

    const QByteArray windows("windows_generic_MSG");
    for (UINT message : {WM_NCHITTEST, WM_NCCALCSIZE, WM_GETMINMAXINFO}) {
        const QByteArray name = QByteArray::number(message, 16) + " to ";
        QTest::newRow(name + "a dialog") << "dialog" << windows << message;
        QTest::newRow(name + "a plain widget") << "widget" << windows << message;
        QTest::newRow(name + "a fixed-size main window") << "fixed" << windows << message;
        QTest::newRow(name + "another event type") << "main" << QByteArray("xcb_generic_event_t") << message;
        QTest::newRow(name + "a longer event type") << "main" << QByteArray("windows_generic_MSG2") << message;
    }
    QTest::newRow("other message") << "main" << windows << UINT(WM_SYSCOMMAND);
}

void TestNativeFilter::onlyWindowsMessagesOfResizableMainWindowsAreHandled()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, type);
    QFETCH(UINT, message);

    std::unique_ptr<QWidget> other;
    if (target == QLatin1String("dialog")) {
        other.reset(new QDialog);
    } else if (target == QLatin1String("widget")) {
        other.reset(new QWidget);
    } else if (target == QLatin1String("fixed")) {
        other.reset(new Corvalen);
        other->setFixedSize(743, 175);
    }
    QWidget *window = other ? other.get() : m_window;
    window->move(100, 50);
    window->resize(743, 175);
    window->setContentsMargins(3, 3, 3, 3);
    window->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QWinNativeEventFilter::Result result = -1;
    // A point in the left band, and a maximised window: both would be acted on.
    QVERIFY(!send(window, message, 1, lParamFromPoint(window->frameGeometry().topLeft() + QPoint(14, 80)),
                  &result, type));
    QCOMPARE(result, -1L);
    QCOMPARE(window->contentsMargins(), QMargins(3, 3, 3, 3));
    if (auto *button = window->findChild<QToolButton *>(QStringLiteral("toolButton_max")))
        QVERIFY(!button->property("maximizeProperty").isValid());
}

void TestNativeFilter::maximiseAndRestoreSwitchTheLayoutOnce()
{
    QToolButton *button = maximizeButton();
    QWinNativeEventFilter::Result result = -1;

    // Normal and never maximised: nothing to do.
    QVERIFY(!send(m_window, WM_GETMINMAXINFO, 0, 0, &result));
    QCOMPARE(m_window->contentsMargins(), QMargins(12, 12, 12, 12));
    QVERIFY(!button->property("maximizeProperty").isValid());

    m_window->showMaximized();
    QTRY_VERIFY(m_window->isMaximized());
    QVERIFY(!send(m_window, WM_GETMINMAXINFO, 0, 0, &result));
    QCOMPARE(result, -1L);
    QCOMPARE(m_window->contentsMargins(), frameMargins());
    QCOMPARE(button->property("maximizeProperty"), QVariant(true));

    // Again while maximised: the margins are applied again, the property is not written.
    m_window->setContentsMargins(1, 1, 1, 1);
    button->setProperty("maximizeProperty", QStringLiteral("untouched"));
    QVERIFY(!send(m_window, WM_GETMINMAXINFO, 0, 0, &result));
    QCOMPARE(m_window->contentsMargins(), frameMargins());
    QCOMPARE(button->property("maximizeProperty"), QVariant(QStringLiteral("untouched")));

    m_window->showNormal();
    QTRY_VERIFY(!m_window->isMaximized());
    QVERIFY(!send(m_window, WM_GETMINMAXINFO, 0, 0, &result));
    QCOMPARE(m_window->contentsMargins(), QMargins(12, 12, 12, 12));
    QCOMPARE(button->property("maximizeProperty"), QVariant(false));

    // Again while normal: nothing changes.
    m_window->setContentsMargins(2, 2, 2, 2);
    QVERIFY(!send(m_window, WM_GETMINMAXINFO, 0, 0, &result));
    QCOMPARE(m_window->contentsMargins(), QMargins(2, 2, 2, 2));
    QCOMPARE(button->property("maximizeProperty"), QVariant(false));
}

void TestNativeFilter::restorePictureFollowsTheProperty()
{
    // The style sheet sees the property only when the button is polished again.
    qApp->setStyleSheet(QStringLiteral(
        "QToolButton#toolButton_max { color: rgb(1, 2, 3); }"
        "QToolButton#toolButton_max[maximizeProperty=\"true\"] { color: rgb(4, 5, 6); }"));
    QToolButton *button = maximizeButton();
    auto shown = [button] { return button->palette().color(button->foregroundRole()); };
    QCOMPARE(shown(), QColor(1, 2, 3));

    QWinNativeEventFilter::Result result = 0;
    m_window->showMaximized();
    QTRY_VERIFY(m_window->isMaximized());
    send(m_window, WM_GETMINMAXINFO, 0, 0, &result);
    QCOMPARE(shown(), QColor(4, 5, 6));

    m_window->showNormal();
    QTRY_VERIFY(!m_window->isMaximized());
    send(m_window, WM_GETMINMAXINFO, 0, 0, &result);
    QCOMPARE(shown(), QColor(1, 2, 3));
}

void TestNativeFilter::windowWithoutMaximiseButtonStillSwitchesMargins()
{
    delete maximizeButton();
    QWinNativeEventFilter::Result result = 0;
    m_window->showMaximized();
    QTRY_VERIFY(m_window->isMaximized());
    send(m_window, WM_GETMINMAXINFO, 0, 0, &result);
    QCOMPARE(m_window->contentsMargins(), frameMargins());
    m_window->showNormal();
    QTRY_VERIFY(!m_window->isMaximized());
    send(m_window, WM_GETMINMAXINFO, 0, 0, &result);
    QCOMPARE(m_window->contentsMargins(), QMargins(12, 12, 12, 12));
}

QTEST_MAIN(TestNativeFilter)
#include "tst_nativefilter.moc"
