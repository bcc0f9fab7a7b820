#include "corvalen.h"
#include "qwinnativeeventfilter.h"
#include "support.h"

#include <QDialog>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include <windows.h>

// The native frame on a real Windows window system: the style the system
// keeps, and what the system gets back when it sends its own messages
// through the installed filter, as the program installs it.
class TestWinFrame : public MainWindowTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void styleReadsBackAsTheFramelessStyle();
    void windowHasNoNonClientArea_data();
    void windowHasNoNonClientArea();
    void hitTestAnswersAtTheBandBounds_data();
    void hitTestAnswersAtTheBandBounds();
    void maximiseAndRestoreSwitchTheLayoutOncePerTransition();
    void otherWindowsGetNoSpecialHandling_data();
    void otherWindowsGetNoSpecialHandling();

private:
    QWinNativeEventFilter *m_filter = nullptr;
};

namespace {

constexpr DWORD kFramelessStyle = 0x82C70000;

HWND handleOf(const QWidget *widget)
{
    return reinterpret_cast<HWND>(widget->winId());
}

RECT windowRect(HWND window)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    return rect;
}

LRESULT hitTest(HWND window, const QPoint &point)
{
    return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(WORD(point.x()), WORD(point.y())));
}

// Counts the writes of one dynamic property of one object.
class PropertyWrites : public QObject
{
public:
    PropertyWrites(QObject *target, const char *name)
        : m_name(name)
    {
        target->installEventFilter(this);
    }

    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::DynamicPropertyChange
            && static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName() == m_name)
            ++count;
        return false;
    }

private:
    QByteArray m_name;
};

// Which edge of the window rectangle a probe point is measured from.
enum Edge { Near, Far, Middle };

// A probe offset of the table, written for 100 %, in device pixels at the
// window's scale: shadow columns stay in the shadow, the band's first and
// last columns stay its first and last, content columns stay past it. Far
// offsets count from the exclusive edge.
int scaledOffset(int offset, qreal scale)
{
    if (offset == 0 || scale == 1.0)
        return offset;
    const int inward = offset < 0 ? -offset - 1 : offset;
    const int margin = qRound(12 * scale);
    const int grip = qMax(1, qRound(5 * scale));
    int scaled;
    if (inward < 12)
        scaled = qMin(margin - 1, qRound(inward * scale));
    else if (inward < 17)
        scaled = margin + (inward == 16 ? grip - 1 : qMin(grip - 1, qRound((inward - 12) * scale)));
    else
        scaled = margin + grip + qRound((inward - 17) * scale);
    return offset < 0 ? -scaled - 1 : scaled;
}

int along(Edge edge, int offset, LONG nearEdge, LONG farEdge)
{
    switch (edge) {
    case Near:
        return nearEdge + offset;
    case Far:
        return farEdge + offset;
    case Middle:
        break;
    }
    return (nearEdge + farEdge) / 2;
}

} // namespace

Q_DECLARE_METATYPE(Edge)

void TestWinFrame::initTestCase()
{
    m_filter = new QWinNativeEventFilter;
    qApp->installNativeEventFilter(m_filter);
}

void TestWinFrame::cleanupTestCase()
{
    qApp->removeNativeEventFilter(m_filter);
    delete m_filter;
}

void TestWinFrame::init()
{
    openMainWindow(QPoint(100, 80));
}

void TestWinFrame::cleanup()
{
    closeMainWindow();
}

void TestWinFrame::styleReadsBackAsTheFramelessStyle()
{
    // The system adds WS_CLIPSIBLINGS to every top-level window whatever it
    // is given, and showing adds WS_VISIBLE; every other bit is ours.
    const DWORD systemBits = WS_CLIPSIBLINGS | WS_VISIBLE;
    const DWORD shown = DWORD(GetWindowLongW(handleOf(m_window), GWL_STYLE));
    QCOMPARE(shown & ~systemBits, kFramelessStyle);
    QVERIFY(shown & WS_VISIBLE);

    // Before it is shown, the style is exactly what the window set, give or
    // take the sibling clipping.
    Corvalen hidden;
    const DWORD created = DWORD(GetWindowLongW(handleOf(&hidden), GWL_STYLE));
    QCOMPARE(created & ~DWORD(WS_CLIPSIBLINGS), kFramelessStyle);
}

void TestWinFrame::windowHasNoNonClientArea_data()
{
    QTest::addColumn<bool>("validRects");
    QTest::newRow("rectangle only") << false;
    QTest::newRow("valid rectangles asked for") << true;
}

void TestWinFrame::windowHasNoNonClientArea()
{
    QFETCH(bool, validRects);
    const HWND window = handleOf(m_window);
    const RECT proposed = windowRect(window);

    NCCALCSIZE_PARAMS params = {};
    WINDOWPOS position = {};
    params.rgrc[0] = proposed;
    params.lppos = &position;
    RECT plain = proposed;
    const LRESULT answer = validRects
        ? SendMessageW(window, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params))
        : SendMessageW(window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&plain));
    QCOMPARE(answer, LRESULT(0));
    const RECT &client = validRects ? params.rgrc[0] : plain;
    QCOMPARE(QRect(QPoint(client.left, client.top), QPoint(client.right, client.bottom)),
             QRect(QPoint(proposed.left, proposed.top), QPoint(proposed.right, proposed.bottom)));

    // And so the client area is the whole window, the form's own size.
    RECT inside;
    QVERIFY(GetClientRect(window, &inside));
    QCOMPARE(QSize(inside.right, inside.bottom), QSize(proposed.right - proposed.left, proposed.bottom - proposed.top));
    QCOMPARE(QSize(inside.right, inside.bottom), QSize(743, 175) * m_window->devicePixelRatioF());
}

void TestWinFrame::hitTestAnswersAtTheBandBounds_data()
{
    QTest::addColumn<QPoint>("windowPosition");
    QTest::addColumn<Edge>("xEdge");
    QTest::addColumn<int>("x");
    QTest::addColumn<Edge>("yEdge");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("zone");

    // On the primary screen, and left of and above it, where the point's
    // coordinates are negative and must be sign-extended.
    for (const QPoint position : {QPoint(100, 80), QPoint(-400, -120)}) {
        const QByteArray at = QByteArray::number(position.x()) + "," + QByteArray::number(position.y()) + ": ";
        auto row = [&](const char *name) -> QTestData & { return QTest::newRow((at + name).constData()) << position; };
        row("left band, first column") << Near << 12 << Middle << 0 << HTLEFT;
        row("left band, last column") << Near << 16 << Middle << 0 << HTLEFT;
        row("left of the left band") << Near << 11 << Middle << 0 << HTCLIENT;
        row("right of the left band") << Near << 17 << Middle << 0 << HTCLIENT;
        row("right band, first column") << Far << -17 << Middle << 0 << HTRIGHT;
        row("right band, last column") << Far << -13 << Middle << 0 << HTRIGHT;
        row("right of the right band") << Far << -12 << Middle << 0 << HTCLIENT;
        row("top band, first row") << Middle << 0 << Near << 12 << HTTOP;
        row("below the top band") << Middle << 0 << Near << 17 << HTCLIENT;
        row("bottom band, last row") << Middle << 0 << Far << -13 << HTBOTTOM;
        row("below the bottom band") << Middle << 0 << Far << -12 << HTCLIENT;
        row("top-left corner") << Near << 12 << Near << 12 << HTTOPLEFT;
        row("top-right corner") << Far << -13 << Near << 16 << HTTOPRIGHT;
        row("bottom-left corner") << Near << 14 << Far << -15 << HTBOTTOMLEFT;
        row("bottom-right corner") << Far << -17 << Far << -17 << HTBOTTOMRIGHT;
        row("left band in the top shadow") << Near << 14 << Near << 3 << HTLEFT;
        row("shadow outside every band") << Near << 5 << Middle << 0 << HTCLIENT;
        row("middle") << Middle << 0 << Middle << 0 << HTCLIENT;
    }
}

void TestWinFrame::hitTestAnswersAtTheBandBounds()
{
    QFETCH(QPoint, windowPosition);
    QFETCH(Edge, xEdge);
    QFETCH(int, x);
    QFETCH(Edge, yEdge);
    QFETCH(int, y);
    QFETCH(int, zone);

    const HWND window = handleOf(m_window);
    m_window->move(windowPosition);
    const qreal scale = m_window->devicePixelRatioF();
    QTRY_COMPARE(QPoint(windowRect(window).left, windowRect(window).top), windowPosition * scale);
    const RECT rect = windowRect(window);
    const QPoint point(along(xEdge, scaledOffset(x, scale), rect.left, rect.right),
                       along(yEdge, scaledOffset(y, scale), rect.top, rect.bottom));
    QCOMPARE(hitTest(window, point), LRESULT(zone));
}

void TestWinFrame::maximiseAndRestoreSwitchTheLayoutOncePerTransition()
{
    const HWND window = handleOf(m_window);
    auto *button = m_window->findChild<QToolButton *>(QStringLiteral("toolButton_max"));
    QVERIFY(button);
    PropertyWrites writes(button, "maximizeProperty");

    // Maximised by the system, not by the window's own button.
    ShowWindow(window, SW_MAXIMIZE);
    QTRY_VERIFY(IsZoomed(window));
    // Rounded up at a fractional scale: no device pixel of content is off the screen.
    QTRY_COMPARE(m_window->contentsMargins(), frameMargins(m_window->devicePixelRatioF()));
    QCOMPARE(button->property("maximizeProperty"), QVariant(true));
    QCOMPARE(writes.count, 1);

    // The system asks again while maximised: margins stay, no second write.
    MINMAXINFO limits = {};
    SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    QCOMPARE(m_window->contentsMargins(), frameMargins(m_window->devicePixelRatioF()));
    QCOMPARE(writes.count, 1);

    // No grip band: where the top-left corner's would be, the screen's edge
    // and the title bar are the window's own.
    const auto cornerBand = [window, this] {
        const int inward = scaledOffset(14, m_window->devicePixelRatioF());
        return hitTest(window, QPoint(windowRect(window).left + inward, windowRect(window).top + inward));
    };
    QCOMPARE(cornerBand(), LRESULT(HTCLIENT));

    ShowWindow(window, SW_RESTORE);
    QTRY_VERIFY(!IsZoomed(window));
    QTRY_COMPARE(m_window->contentsMargins(), QMargins(12, 12, 12, 12));
    QCOMPARE(button->property("maximizeProperty"), QVariant(false));
    QCOMPARE(writes.count, 2);
    QCOMPARE(cornerBand(), LRESULT(HTTOPLEFT));

    SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    QCOMPARE(writes.count, 2);
}

void TestWinFrame::otherWindowsGetNoSpecialHandling_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("frameless resizable dialog") << "dialog";
    QTest::newRow("fixed-size main window") << "fixed";
}

void TestWinFrame::otherWindowsGetNoSpecialHandling()
{
    QFETCH(QString, kind);
    std::unique_ptr<QWidget> other;
    if (kind == QLatin1String("dialog")) {
        other.reset(new QDialog(nullptr, Qt::FramelessWindowHint));
        other->resize(370, 230);
    } else {
        other.reset(new Corvalen);
        other->setFixedSize(743, 175);
    }
    other->move(200, 150);
    other->show();
    QVERIFY(QTest::qWaitForWindowExposed(other.get()));
    const HWND window = handleOf(other.get());

    // What the system answers at points where a main window has its bands,
    // and for the non-client area; the same with the filter and without.
    auto answers = [window] {
        const RECT rect = windowRect(window);
        const LONG middleX = (rect.left + rect.right) / 2;
        const LONG middleY = (rect.top + rect.bottom) / 2;
        QVector<LRESULT> result;
        for (const QPoint point : {QPoint(rect.left + 14, middleY), QPoint(rect.right - 15, middleY),
                                   QPoint(middleX, rect.top + 14), QPoint(middleX, rect.bottom - 15),
                                   QPoint(rect.left + 14, rect.bottom - 15)})
            result << hitTest(window, point);
        RECT proposed = rect;
        result << SendMessageW(window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
        result << proposed.left - rect.left << proposed.top - rect.top << rect.right - proposed.right
               << rect.bottom - proposed.bottom;
        return result;
    };
    const QMargins margins = other->contentsMargins();
    const QVector<LRESULT> filtered = answers();
    qApp->removeNativeEventFilter(m_filter);
    const QVector<LRESULT> unfiltered = answers();
    qApp->installNativeEventFilter(m_filter);
    QCOMPARE(filtered, unfiltered);
    QVERIFY(!filtered.contains(HTLEFT) && !filtered.contains(HTBOTTOMLEFT));

    // Maximising does not touch its margins either.
    ShowWindow(window, SW_MAXIMIZE);
    QTRY_VERIFY(IsZoomed(window));
    QCOMPARE(other->contentsMargins(), margins);
}

QTEST_MAIN(TestWinFrame)
#include "tst_winframe.moc"
