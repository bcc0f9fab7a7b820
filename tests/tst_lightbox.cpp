#include "qlightboxwidget.h"

#include <QPainter>
#include <QtTest>

namespace {

// A white widget that counts its own paints and resizes; every grab of it
// shows up as one paint delivered while the overlay is being shown.
class Canvas : public QWidget
{
public:
    using QWidget::QWidget;
    int paints = 0;
    int resizes = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::white);
    }
    void resizeEvent(QResizeEvent *) override { ++resizes; }
};

} // namespace

class TestLightBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsHiddenWithoutGrabbing();
    void coversItsTargetWhenShown_data();
    void coversItsTargetWhenShown();
    void eachShowGrabsExactlyOnce();
    void parentResizeWhileVisibleGrabsAgainAtTheNewSize();
    void parentResizeOrMoveWhileHiddenDoesNothing();
    void dimsTheSnapshotWithTranslucentBlack();

private:
    QWidget *m_window = nullptr;
    Canvas *m_target = nullptr;
};

void TestLightBox::init()
{
    // The target is a child, so its resizes are delivered at once.
    m_window = new QWidget;
    m_window->resize(900, 600);
    m_target = new Canvas(m_window);
    m_target->setGeometry(50, 40, 700, 400);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestLightBox::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_target = nullptr;
}

void TestLightBox::startsHiddenWithoutGrabbing()
{
    QCoreApplication::processEvents();
    const int paints = m_target->paints;
    auto *overlay = new QLightBoxWidget(m_target, false);
    QCOMPARE(overlay->parentWidget(), static_cast<QWidget *>(m_target));
    QVERIFY(overlay->isHidden());
    QCOMPARE(m_target->paints, paints);
}

void TestLightBox::coversItsTargetWhenShown_data()
{
    QTest::addColumn<bool>("followTopLevel");
    QTest::addColumn<QSize>("targetSize");
    QTest::newRow("own parent") << false << QSize(700, 400);
    QTest::newRow("own parent, small") << false << QSize(1, 1);
    QTest::newRow("top-level window") << true << QSize(700, 400);
}

void TestLightBox::coversItsTargetWhenShown()
{
    QFETCH(bool, followTopLevel);
    QFETCH(QSize, targetSize);
    m_target->resize(targetSize);
    auto *overlay = new QLightBoxWidget(m_target, followTopLevel);
    QWidget *dimmed = followTopLevel ? m_window : m_target;
    QCOMPARE(overlay->parentWidget(), dimmed);
    overlay->show();
    QCOMPARE(overlay->geometry(), QRect(QPoint(0, 0), dimmed->size()));

    // It follows resizes of the widget it dims, not of the one it was given.
    dimmed->resize(dimmed->size() + QSize(30, 20));
    QTRY_COMPARE(overlay->geometry(), QRect(QPoint(0, 0), dimmed->size()));
}

void TestLightBox::eachShowGrabsExactlyOnce()
{
    auto *overlay = new QLightBoxWidget(m_target, false);
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::processEvents();
        // Repaints of the screen are deferred to the event loop; a paint
        // during show() itself is a grab.
        const int before = m_target->paints;
        overlay->show();
        QCOMPARE(m_target->paints - before, 1);
        QVERIFY(overlay->isVisible());
        overlay->hide();
    }
}

void TestLightBox::parentResizeWhileVisibleGrabsAgainAtTheNewSize()
{
    auto *overlay = new QLightBoxWidget(m_target, false);
    overlay->show();
    QCoreApplication::processEvents();
    const int paints = m_target->paints;
    const int resizes = m_target->resizes;
    m_target->resize(600, 300);
    QCOMPARE(m_target->paints - paints, 1);
    // The overlay watches the resize but does not take it away from the target.
    QCOMPARE(m_target->resizes - resizes, 1);
    QCOMPARE(overlay->geometry(), QRect(0, 0, 600, 300));
    QVERIFY(overlay->isVisible());
}

void TestLightBox::parentResizeOrMoveWhileHiddenDoesNothing()
{
    auto *overlay = new QLightBoxWidget(m_target, false);
    overlay->show();
    overlay->hide();
    QCoreApplication::processEvents();
    const int paints = m_target->paints;
    m_target->resize(600, 300);
    QCOMPARE(m_target->paints, paints);
    QCOMPARE(overlay->size(), QSize(700, 400));

    overlay->show();
    QCoreApplication::processEvents();
    const int shownPaints = m_target->paints;
    m_target->move(10, 10);
    QCOMPARE(m_target->paints, shownPaints);
    QCOMPARE(overlay->geometry(), QRect(0, 0, 600, 300));
}

void TestLightBox::dimsTheSnapshotWithTranslucentBlack()
{
    auto *overlay = new QLightBoxWidget(m_target, false);
    overlay->show();
    // A second grab while visible must not capture the overlay itself, or
    // the picture would be darkened twice.
    m_target->resize(640, 360);
    const QImage image = overlay->grab().toImage();
    QCOMPARE(image.size(), QSize(640, 360));
    // White under black at alpha 100: 255 * (255 - 100) / 255.
    for (const QPoint &point : {QPoint(320, 180), QPoint(5, 5), QPoint(634, 354)}) {
        const QColor colour = image.pixelColor(point);
        QVERIFY2(qAbs(colour.red() - 155) <= 1 && colour.red() == colour.green() && colour.green() == colour.blue(),
                 qPrintable(colour.name()));
    }
}

QTEST_MAIN(TestLightBox)
#include "tst_lightbox.moc"
