#include "framegeometry.h"

#include <QtTest>

Q_DECLARE_METATYPE(QMargins)

// The grip bands and the maximised margins, without any window.
class TestFrameGeometry : public QObject
{
    Q_OBJECT

private slots:
    void zoneOfAPoint_data();
    void zoneOfAPoint();
    void maximizedMarginsUseTheBottomThicknessOnTop_data();
    void maximizedMarginsUseTheBottomThicknessOnTop();
    void bandsAndMaximizedMarginsFollowTheScale_data();
    void bandsAndMaximizedMarginsFollowTheScale();
    void edgesShowTheirResizeCursor_data();
    void edgesShowTheirResizeCursor();
    void bandDragsMoveOnlyTheirEdges_data();
    void bandDragsMoveOnlyTheirEdges();
    void cardIsCentredAndKeptOnScreen_data();
    void cardIsCentredAndKeptOnScreen();
};

void TestFrameGeometry::zoneOfAPoint_data()
{
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QPoint>("fromTopLeft");
    QTest::addColumn<QPoint>("fromBottomRight");
    QTest::addColumn<int>("edges");

    // A point is given either from the top-left corner (L, T) or, where that
    // column is null, from the bottom-right corner (R, B) of a 743 x 175 window.
    const QPoint none;
    const Qt::Edges L = Qt::LeftEdge, R = Qt::RightEdge, T = Qt::TopEdge, B = Qt::BottomEdge;
    for (const QPoint origin : {QPoint(100, 50), QPoint(-1900, -1000), QPoint(-400, 30)}) {
        const QByteArray at = QByteArray::number(origin.x()) + "," + QByteArray::number(origin.y()) + ": ";
        auto row = [&](const char *name) -> QTestData & { return QTest::newRow(at + name); };
        row("first left column") << origin << QPoint(12, 80) << none << int(L);
        row("last left column") << origin << QPoint(16, 80) << none << int(L);
        row("inside the left band") << origin << QPoint(17, 80) << none << 0;
        row("left shadow") << origin << QPoint(11, 80) << none << 0;
        row("last right column") << origin << none << QPoint(-17, -80) << int(R);
        row("first right column") << origin << none << QPoint(-13, -80) << int(R);
        row("right shadow") << origin << none << QPoint(-12, -80) << 0;
        row("inside the right band") << origin << none << QPoint(-18, -80) << 0;
        row("top band") << origin << QPoint(300, 12) << none << int(T);
        row("top band end") << origin << QPoint(300, 16) << none << int(T);
        row("below the top band") << origin << QPoint(300, 17) << none << 0;
        row("top shadow") << origin << QPoint(300, 11) << none << 0;
        row("bottom band") << origin << none << QPoint(-300, -17) << int(B);
        row("bottom band end") << origin << none << QPoint(-300, -13) << int(B);
        row("bottom shadow") << origin << none << QPoint(-300, -12) << 0;
        row("top-left corner") << origin << QPoint(14, 14) << none << int(T | L);
        row("top-right corner") << origin << none << QPoint(-15, -175 + 14) << int(T | R);
        row("bottom-left corner") << origin << none << QPoint(-743 + 14, -15) << int(B | L);
        row("bottom-right corner") << origin << none << QPoint(-15, -15) << int(B | R);
        row("left band in the top shadow") << origin << QPoint(14, 3) << none << int(L);
        row("right band in the bottom shadow") << origin << none << QPoint(-15, -3) << int(R);
        row("top band in the left shadow") << origin << QPoint(3, 14) << none << int(T);
        row("outer corner") << origin << QPoint(0, 0) << none << 0;
        row("middle") << origin << QPoint(370, 90) << none << 0;
    }
}

void TestFrameGeometry::zoneOfAPoint()
{
    QFETCH(QPoint, origin);
    QFETCH(QPoint, fromTopLeft);
    QFETCH(QPoint, fromBottomRight);
    QFETCH(int, edges);

    const QRect window(origin, QSize(743, 175));
    const QPoint point = fromTopLeft.isNull() ? window.bottomRight() + QPoint(1, 1) + fromBottomRight
                                              : origin + fromTopLeft;
    QCOMPARE(int(gripEdges(window, point, 12, kGripWidth)), edges);
}

void TestFrameGeometry::maximizedMarginsUseTheBottomThicknessOnTop_data()
{
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QMargins>("margins");
    // The thickness on each side as a standard window's frame has it.
    QTest::newRow("96 dpi") << QMargins(8, 31, 8, 8) << QMargins(8, 8, 8, 8);
    QTest::newRow("144 dpi") << QMargins(11, 45, 11, 11) << QMargins(11, 11, 11, 11);
    QTest::newRow("uneven") << QMargins(5, 30, 6, 7) << QMargins(5, 7, 6, 7);
}

void TestFrameGeometry::maximizedMarginsUseTheBottomThicknessOnTop()
{
    QFETCH(QMargins, frame);
    QFETCH(QMargins, margins);
    QCOMPARE(maximizedMargins(frame), margins);
}

void TestFrameGeometry::bandsAndMaximizedMarginsFollowTheScale_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("grip");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QMargins>("margins");
    // Device pixels: the content starts margin pixels in, the band is grip
    // pixels wide. Frame thickness as AdjustWindowRectExForDpi gives it.
    QTest::newRow("100 %") << 1.0 << 12 << 5 << QMargins(8, 31, 8, 8) << QMargins(8, 8, 8, 8);
    QTest::newRow("125 %") << 1.25 << 15 << 6 << QMargins(10, 38, 10, 10) << QMargins(8, 8, 8, 8);
    QTest::newRow("125 % by Qt alone") << 1.25 << 15 << 6 << QMargins(8, 31, 8, 8) << QMargins(7, 7, 7, 7);
    QTest::newRow("150 %") << 1.5 << 18 << 8 << QMargins(11, 45, 11, 11) << QMargins(8, 8, 8, 8);
    QTest::newRow("150 % by Qt alone") << 1.5 << 18 << 8 << QMargins(8, 31, 8, 8) << QMargins(6, 6, 6, 6);
    QTest::newRow("200 %") << 2.0 << 24 << 10 << QMargins(16, 62, 16, 16) << QMargins(8, 8, 8, 8);
}

void TestFrameGeometry::bandsAndMaximizedMarginsFollowTheScale()
{
    QFETCH(qreal, scale);
    QFETCH(int, margin);
    QFETCH(int, grip);
    QFETCH(QMargins, frame);
    QFETCH(QMargins, margins);

    const QRect window(100, 50, 1115, 263);
    const int right = window.x() + window.width(), bottom = window.y() + window.height();
    const int middle = 50 + 263 / 2;
    const auto edgesAt = [&](int x, int y) { return int(gripEdgesAtScale(window, QPoint(x, y), 12, scale)); };
    QCOMPARE(edgesAt(100 + margin - 1, middle), 0);
    QCOMPARE(edgesAt(100 + margin, middle), int(Qt::LeftEdge));
    QCOMPARE(edgesAt(100 + margin + grip - 1, middle), int(Qt::LeftEdge));
    QCOMPARE(edgesAt(100 + margin + grip, middle), 0);
    QCOMPARE(edgesAt(right - margin, middle), 0);
    QCOMPARE(edgesAt(right - margin - 1, middle), int(Qt::RightEdge));
    QCOMPARE(edgesAt(right - margin - grip, middle), int(Qt::RightEdge));
    QCOMPARE(edgesAt(right - margin - 3, bottom - margin - 3), int(Qt::RightEdge | Qt::BottomEdge));

    QCOMPARE(maximizedMargins(frame, scale), margins);
    // No device pixel of content lies off the screen.
    QVERIFY(qCeil(margins.left() * scale) >= frame.left());
    QVERIFY(qCeil(margins.top() * scale) >= frame.bottom());
}

void TestFrameGeometry::edgesShowTheirResizeCursor_data()
{
    QTest::addColumn<int>("edges");
    QTest::addColumn<int>("cursor");
    QTest::newRow("left") << int(Qt::LeftEdge) << int(Qt::SizeHorCursor);
    QTest::newRow("right") << int(Qt::RightEdge) << int(Qt::SizeHorCursor);
    QTest::newRow("top") << int(Qt::TopEdge) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom") << int(Qt::BottomEdge) << int(Qt::SizeVerCursor);
    QTest::newRow("top-left") << int(Qt::TopEdge | Qt::LeftEdge) << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-right") << int(Qt::BottomEdge | Qt::RightEdge) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right") << int(Qt::TopEdge | Qt::RightEdge) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-left") << int(Qt::BottomEdge | Qt::LeftEdge) << int(Qt::SizeBDiagCursor);
    QTest::newRow("none") << 0 << int(Qt::ArrowCursor);
}

void TestFrameGeometry::edgesShowTheirResizeCursor()
{
    QFETCH(int, edges);
    QFETCH(int, cursor);
    QCOMPARE(int(edgesCursor(Qt::Edges(edges))), cursor);
}

void TestFrameGeometry::bandDragsMoveOnlyTheirEdges_data()
{
    QTest::addColumn<int>("edges");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("geometry");
    // From a 743 x 175 window at 100, 50; at least 200 x 100, at most 1000 x 400.
    QTest::newRow("right grows") << int(Qt::RightEdge) << QPoint(80, 30) << QRect(100, 50, 823, 175);
    QTest::newRow("left follows, right stays") << int(Qt::LeftEdge) << QPoint(-40, 9) << QRect(60, 50, 783, 175);
    QTest::newRow("bottom-right both ways") << int(Qt::BottomEdge | Qt::RightEdge) << QPoint(40, 30)
                                            << QRect(100, 50, 783, 205);
    QTest::newRow("top-left both ways") << int(Qt::TopEdge | Qt::LeftEdge) << QPoint(-10, -20)
                                        << QRect(90, 30, 753, 195);
    QTest::newRow("left stops at the minimum") << int(Qt::LeftEdge) << QPoint(700, 0) << QRect(643, 50, 200, 175);
    QTest::newRow("top stops at the maximum") << int(Qt::TopEdge) << QPoint(0, -500) << QRect(100, -175, 743, 400);
    QTest::newRow("bottom stops at the minimum") << int(Qt::BottomEdge) << QPoint(0, -150) << QRect(100, 50, 743, 100);
}

void TestFrameGeometry::bandDragsMoveOnlyTheirEdges()
{
    QFETCH(int, edges);
    QFETCH(QPoint, delta);
    QFETCH(QRect, geometry);
    QCOMPARE(resizedByEdges(QRect(100, 50, 743, 175), Qt::Edges(edges), delta, QSize(200, 100), QSize(1000, 400)),
             geometry);
}

void TestFrameGeometry::cardIsCentredAndKeptOnScreen_data()
{
    QTest::addColumn<QRect>("parentContent");
    QTest::addColumn<QPoint>("position");
    // A 370 x 230 card with margins 10, 5, 10, 15 on a 1280 x 800 screen
    // whose top 30 pixels are a panel.
    QTest::newRow("centred") << QRect(112, 112, 719, 151) << QPoint(286, 77);
    QTest::newRow("odd sizes round down") << QRect(100, 100, 351, 211) << QPoint(90, 95);
    QTest::newRow("kept below the panel") << QRect(0, 0, 719, 151) << QPoint(174, 25);
    QTest::newRow("kept left of the right edge") << QRect(1100, 400, 719, 151) << QPoint(920, 365);
    QTest::newRow("kept right of the left edge") << QRect(-600, 300, 719, 151) << QPoint(-10, 265);
    QTest::newRow("kept above the bottom") << QRect(300, 750, 719, 151) << QPoint(474, 585);
}

void TestFrameGeometry::cardIsCentredAndKeptOnScreen()
{
    QFETCH(QRect, parentContent);
    QFETCH(QPoint, position);
    QCOMPARE(centredCardPosition(parentContent, QSize(370, 230), QMargins(10, 5, 10, 15), QRect(0, 30, 1280, 770)),
             position);
}

QTEST_APPLESS_MAIN(TestFrameGeometry)
#include "tst_framegeometry.moc"
