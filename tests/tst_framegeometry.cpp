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
    void pointsAreSignExtendedSixteenBitWords_data();
    void pointsAreSignExtendedSixteenBitWords();
    void bandsAndMaximizedMarginsFollowTheScale_data();
    void bandsAndMaximizedMarginsFollowTheScale();
    void zonesResizeTheirOwnEdges_data();
    void zonesResizeTheirOwnEdges();
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
    QTest::addColumn<int>("zone");

    // A point is given either from the top-left corner (L, T) or, where that
    // column is null, from the bottom-right corner (R, B) of a 743 x 175 window.
    const QPoint none;
    for (const QPoint origin : {QPoint(100, 50), QPoint(-1900, -1000), QPoint(-400, 30)}) {
        const QByteArray at = QByteArray::number(origin.x()) + "," + QByteArray::number(origin.y()) + ": ";
        auto row = [&](const char *name) -> QTestData & { return QTest::newRow(at + name); };
        row("first left column") << origin << QPoint(12, 80) << none << HTLEFT;
        row("last left column") << origin << QPoint(16, 80) << none << HTLEFT;
        row("inside the left band") << origin << QPoint(17, 80) << none << kNoZone;
        row("left shadow") << origin << QPoint(11, 80) << none << kNoZone;
        row("last right column") << origin << none << QPoint(-17, -80) << HTRIGHT;
        row("first right column") << origin << none << QPoint(-13, -80) << HTRIGHT;
        row("right shadow") << origin << none << QPoint(-12, -80) << kNoZone;
        row("inside the right band") << origin << none << QPoint(-18, -80) << kNoZone;
        row("top band") << origin << QPoint(300, 12) << none << HTTOP;
        row("top band end") << origin << QPoint(300, 16) << none << HTTOP;
        row("below the top band") << origin << QPoint(300, 17) << none << kNoZone;
        row("top shadow") << origin << QPoint(300, 11) << none << kNoZone;
        row("bottom band") << origin << none << QPoint(-300, -17) << HTBOTTOM;
        row("bottom band end") << origin << none << QPoint(-300, -13) << HTBOTTOM;
        row("bottom shadow") << origin << none << QPoint(-300, -12) << kNoZone;
        row("top-left corner") << origin << QPoint(14, 14) << none << HTTOPLEFT;
        row("top-right corner") << origin << none << QPoint(-15, -175 + 14) << HTTOPRIGHT;
        row("bottom-left corner") << origin << none << QPoint(-743 + 14, -15) << HTBOTTOMLEFT;
        row("bottom-right corner") << origin << none << QPoint(-15, -15) << HTBOTTOMRIGHT;
        row("left band in the top shadow") << origin << QPoint(14, 3) << none << HTLEFT;
        row("right band in the bottom shadow") << origin << none << QPoint(-15, -3) << HTRIGHT;
        row("top band in the left shadow") << origin << QPoint(3, 14) << none << HTTOP;
        row("outer corner") << origin << QPoint(0, 0) << none << kNoZone;
        row("middle") << origin << QPoint(370, 90) << none << kNoZone;
    }
}

void TestFrameGeometry::zoneOfAPoint()
{
    QFETCH(QPoint, origin);
    QFETCH(QPoint, fromTopLeft);
    QFETCH(QPoint, fromBottomRight);
    QFETCH(int, zone);

    const RECT window = {origin.x(), origin.y(), origin.x() + 743, origin.y() + 175};
    const QPoint point = fromTopLeft.isNull() ? QPoint(window.right, window.bottom) + fromBottomRight
                                              : origin + fromTopLeft;
    QCOMPARE(frameZone(window, point), zone);
}

void TestFrameGeometry::maximizedMarginsUseTheBottomThicknessOnTop_data()
{
    QTest::addColumn<QRect>("offsets");
    QTest::addColumn<QMargins>("margins");
    // (left, top, right, bottom) as AdjustWindowRectEx leaves an empty rectangle.
    QTest::newRow("96 dpi") << QRect(QPoint(-8, -31), QPoint(8, 8)) << QMargins(8, 8, 8, 8);
    QTest::newRow("144 dpi") << QRect(QPoint(-11, -45), QPoint(11, 11)) << QMargins(11, 11, 11, 11);
    QTest::newRow("uneven") << QRect(QPoint(-5, -30), QPoint(6, 7)) << QMargins(5, 7, 6, 7);
}

void TestFrameGeometry::maximizedMarginsUseTheBottomThicknessOnTop()
{
    QFETCH(QRect, offsets);
    QFETCH(QMargins, margins);
    const RECT frame = {offsets.left(), offsets.top(), offsets.right(), offsets.bottom()};
    QCOMPARE(maximizedMargins(frame), margins);
}

void TestFrameGeometry::pointsAreSignExtendedSixteenBitWords_data()
{
    QTest::addColumn<qint64>("lParam");
    QTest::addColumn<QPoint>("point");
    QTest::newRow("positive") << qint64(0x00320064) << QPoint(100, 50);
    QTest::newRow("negative x") << qint64(0x0032FF9C) << QPoint(-100, 50);
    QTest::newRow("negative both") << qint64(0xFFCEFF9C) << QPoint(-100, -50);
    QTest::newRow("extremes") << qint64(0x7FFF8000) << QPoint(-32768, 32767);
    QTest::newRow("origin") << qint64(0) << QPoint(0, 0);
}

void TestFrameGeometry::pointsAreSignExtendedSixteenBitWords()
{
    QFETCH(qint64, lParam);
    QFETCH(QPoint, point);
    QCOMPARE(pointFromLParam(LPARAM(lParam)), point);
    QCOMPARE(pointFromLParam(lParamFromPoint(point)), point);
    QCOMPARE(qint64(quint32(lParamFromPoint(point))), lParam);
}

void TestFrameGeometry::bandsAndMaximizedMarginsFollowTheScale_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("grip");
    QTest::addColumn<QRect>("offsets");
    QTest::addColumn<QMargins>("margins");
    // Device pixels: the content starts margin pixels in, the band is grip
    // pixels wide. Frame offsets as AdjustWindowRectExForDpi gives them.
    QTest::newRow("100 %") << 1.0 << 12 << 5 << QRect(QPoint(-8, -31), QPoint(8, 8)) << QMargins(8, 8, 8, 8);
    QTest::newRow("125 %") << 1.25 << 15 << 6 << QRect(QPoint(-10, -38), QPoint(10, 10)) << QMargins(8, 8, 8, 8);
    QTest::newRow("125 % by Qt alone") << 1.25 << 15 << 6 << QRect(QPoint(-8, -31), QPoint(8, 8))
                                       << QMargins(7, 7, 7, 7);
    QTest::newRow("150 %") << 1.5 << 18 << 8 << QRect(QPoint(-11, -45), QPoint(11, 11)) << QMargins(8, 8, 8, 8);
    QTest::newRow("150 % by Qt alone") << 1.5 << 18 << 8 << QRect(QPoint(-8, -31), QPoint(8, 8))
                                       << QMargins(6, 6, 6, 6);
    QTest::newRow("200 %") << 2.0 << 24 << 10 << QRect(QPoint(-16, -62), QPoint(16, 16)) << QMargins(8, 8, 8, 8);
}

void TestFrameGeometry::bandsAndMaximizedMarginsFollowTheScale()
{
    QFETCH(qreal, scale);
    QFETCH(int, margin);
    QFETCH(int, grip);
    QFETCH(QRect, offsets);
    QFETCH(QMargins, margins);

    const RECT window = {100, 50, 100 + 1115, 50 + 263};
    const int middle = 50 + 263 / 2;
    QCOMPARE(frameZone(window, QPoint(100 + margin - 1, middle), scale), kNoZone);
    QCOMPARE(frameZone(window, QPoint(100 + margin, middle), scale), HTLEFT);
    QCOMPARE(frameZone(window, QPoint(100 + margin + grip - 1, middle), scale), HTLEFT);
    QCOMPARE(frameZone(window, QPoint(100 + margin + grip, middle), scale), kNoZone);
    QCOMPARE(frameZone(window, QPoint(window.right - margin, middle), scale), kNoZone);
    QCOMPARE(frameZone(window, QPoint(window.right - margin - 1, middle), scale), HTRIGHT);
    QCOMPARE(frameZone(window, QPoint(window.right - margin - grip, middle), scale), HTRIGHT);
    QCOMPARE(frameZone(window, QPoint(window.right - margin - 3, window.bottom - margin - 3), scale),
             HTBOTTOMRIGHT);

    const RECT frame = {offsets.left(), offsets.top(), offsets.right(), offsets.bottom()};
    QCOMPARE(maximizedMargins(frame, scale), margins);
    // No device pixel of content lies off the screen.
    QVERIFY(qCeil(margins.left() * scale) >= -frame.left);
    QVERIFY(qCeil(margins.top() * scale) >= frame.bottom);
}

void TestFrameGeometry::zonesResizeTheirOwnEdges_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("edges");
    QTest::addColumn<int>("cursor");
    QTest::newRow("left") << HTLEFT << int(Qt::LeftEdge) << int(Qt::SizeHorCursor);
    QTest::newRow("right") << HTRIGHT << int(Qt::RightEdge) << int(Qt::SizeHorCursor);
    QTest::newRow("top") << HTTOP << int(Qt::TopEdge) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom") << HTBOTTOM << int(Qt::BottomEdge) << int(Qt::SizeVerCursor);
    QTest::newRow("top-left") << HTTOPLEFT << int(Qt::TopEdge | Qt::LeftEdge) << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-right") << HTBOTTOMRIGHT << int(Qt::BottomEdge | Qt::RightEdge) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right") << HTTOPRIGHT << int(Qt::TopEdge | Qt::RightEdge) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-left") << HTBOTTOMLEFT << int(Qt::BottomEdge | Qt::LeftEdge) << int(Qt::SizeBDiagCursor);
    QTest::newRow("none") << kNoZone << 0 << int(Qt::ArrowCursor);
}

void TestFrameGeometry::zonesResizeTheirOwnEdges()
{
    QFETCH(int, zone);
    QFETCH(int, edges);
    QFETCH(int, cursor);
    QCOMPARE(hitTestCode(Qt::Edges(edges)), zone);
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
