#include "qbasedialog.h"
#include "qlightboxwidget.h"
#include "support.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

// The title bar hook is for derived dialogs only.
class Dialog : public QBaseDialog
{
public:
    using QBaseDialog::QBaseDialog;
    using QBaseDialog::setTitleBar;
};

// Records the presses that reach it, i.e. that the dialog left alone.
class TitleBar : public QFrame
{
public:
    using QFrame::QFrame;
    QList<QEvent::Type> received;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        received << event->type();
        QFrame::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        received << event->type();
        QFrame::mouseDoubleClickEvent(event);
    }
};

QList<QLightBoxWidget *> allOverlays()
{
    QList<QLightBoxWidget *> found;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        found += overlaysIn(window);
    return found;
}

// The dialog as it paints itself, without a form, onto a transparent image
// of `ratio` pixels per unit.
QImage rendered(const QSize &size, qreal ratio = 1)
{
    Dialog dialog(nullptr);
    dialog.resize(size);
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    dialog.render(&image);
    return image;
}

void send(QWidget *widget, QEvent::Type type, Qt::MouseButton button, QPoint globalPosition = QPoint(5, 5))
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, widget->mapFromGlobal(globalPosition), widget->window()->mapFromGlobal(globalPosition),
                      globalPosition, button == Qt::NoButton ? Qt::NoButton : button,
                      type == QEvent::MouseMove ? Qt::MouseButtons(Qt::LeftButton) : held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestBaseDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void isFramelessAndTranslucentWithTheShadowBand();
    void shadowPiecesFillExactlyTheirBands_data();
    void shadowPiecesFillExactlyTheirBands();
    void shadowLeavesTheInsideTransparent_data();
    void shadowLeavesTheInsideTransparent();
    void titleBarTakesOnlyTheLeftPress_data();
    void titleBarTakesOnlyTheLeftPress();
    void leftDragOnTitleBarMovesTheDialog();
    void firstCloseButtonInTheTitleBarClosesTheDialog_data();
    void firstCloseButtonInTheTitleBarClosesTheDialog();
    void replacedOrDetachedTitleBarNoLongerActs_data();
    void replacedOrDetachedTitleBarNoLongerActs();
    void overlayIsShownAndHiddenWithTheDialog();
    void secondLightBoxReplacesTheFirstAtOnce();
    void lightBoxWithoutTargetFallsBackToTheFirstMainWindow();
    void lightBoxWithoutTargetOrMainWindowKeepsTheEarlierTarget();
    void targetDestroyedBeforeTheDialogIsSafe();
};

void TestBaseDialog::cleanup()
{
    QCOMPARE(allOverlays().size(), 0);
}

void TestBaseDialog::isFramelessAndTranslucentWithTheShadowBand()
{
    Dialog dialog(nullptr);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.windowFlags() & Qt::Dialog);
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(dialog.contentsMargins(), QMargins(10, 5, 10, 15));
}

void TestBaseDialog::shadowPiecesFillExactlyTheirBands_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QRect>("band");
    QTest::addColumn<QPoint>("besideContent"); // a band pixel touching the content

    const QSize about(370, 230);
    QTest::newRow("370x230 top-left") << about << "left_top" << QRect(0, 0, 10, 5) << QPoint(9, 4);
    QTest::newRow("370x230 top") << about << "top" << QRect(10, 0, 350, 5) << QPoint(185, 4);
    QTest::newRow("370x230 top-right") << about << "right_top" << QRect(360, 0, 10, 5) << QPoint(360, 4);
    QTest::newRow("370x230 left") << about << "left" << QRect(0, 5, 10, 210) << QPoint(9, 110);
    QTest::newRow("370x230 right") << about << "right" << QRect(360, 5, 10, 210) << QPoint(360, 110);
    QTest::newRow("370x230 bottom-left") << about << "left_bottom" << QRect(0, 215, 10, 15) << QPoint(9, 215);
    QTest::newRow("370x230 bottom") << about << "bottom" << QRect(10, 215, 350, 15) << QPoint(185, 215);
    QTest::newRow("370x230 bottom-right") << about << "right_bottom" << QRect(360, 215, 10, 15) << QPoint(360, 215);

    // Edges stretch with the dialog, corners keep their size.
    const QSize wide(600, 100);
    QTest::newRow("600x100 top") << wide << "top" << QRect(10, 0, 580, 5) << QPoint(300, 4);
    QTest::newRow("600x100 right") << wide << "right" << QRect(590, 5, 10, 80) << QPoint(590, 50);
    QTest::newRow("600x100 bottom-right") << wide << "right_bottom" << QRect(590, 85, 10, 15) << QPoint(590, 85);
}

void TestBaseDialog::shadowPiecesFillExactlyTheirBands()
{
    QFETCH(QSize, size);
    QFETCH(QString, piece);
    QFETCH(QRect, band);
    QFETCH(QPoint, besideContent);
    if (qApp->devicePixelRatio() != 1)
        QSKIP("The 1x art is for a window at 100 %");

    const QPixmap pixmap(QStringLiteral(":/images/shadow/%1.png").arg(piece));
    QVERIFY(!pixmap.isNull());
    QImage expected(size, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QPainter(&expected).drawPixmap(QRectF(band), pixmap, QRectF());

    const QImage image = rendered(size);
    QCOMPARE(image.copy(band), expected.copy(band));
    // The shadow is darkest where it meets the content.
    QVERIFY(qAlpha(image.pixel(besideContent)) > 0);
}

void TestBaseDialog::shadowLeavesTheInsideTransparent_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("370x230") << QSize(370, 230) << 1.0;
    QTest::newRow("600x100") << QSize(600, 100) << 1.0;
    // The band's edges fall between device pixels at 1.25 and 1.5.
    for (qreal ratio : {1.25, 1.5, 2.0}) {
        QTest::addRow("370x230 at %g", ratio) << QSize(370, 230) << ratio;
        QTest::addRow("371x231 at %g", ratio) << QSize(371, 231) << ratio;
    }
}

// Inside the content nothing is painted, but for at most the one device pixel
// the content covers where its edge splits a pixel; every pixel of the band
// that borders the content is painted: no seam, no gap.
void TestBaseDialog::shadowLeavesTheInsideTransparent()
{
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    const QImage image = rendered(size, ratio);
    const int left = qCeil(10 * ratio), top = qCeil(5 * ratio);
    const int right = qFloor((size.width() - 10) * ratio) - 1, bottom = qFloor((size.height() - 15) * ratio) - 1;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                QFAIL(qPrintable(QStringLiteral("(%1, %2) is painted").arg(x).arg(y)));
        }
    }
    for (int x = left - 1; x <= right + 1; ++x) {
        QVERIFY2(qAlpha(image.pixel(x, top - 1)) > 0, qPrintable(QStringLiteral("above, x %1").arg(x)));
        QVERIFY2(qAlpha(image.pixel(x, bottom + 1)) > 0, qPrintable(QStringLiteral("below, x %1").arg(x)));
    }
    for (int y = top - 1; y <= bottom + 1; ++y) {
        QVERIFY2(qAlpha(image.pixel(left - 1, y)) > 0, qPrintable(QStringLiteral("left, y %1").arg(y)));
        QVERIFY2(qAlpha(image.pixel(right + 1, y)) > 0, qPrintable(QStringLiteral("right, y %1").arg(y)));
    }
    if (ratio > 1 && ratio == qApp->devicePixelRatio()) {
        // On a screen of this scale the band across the edge is the 2x art,
        // drawn to its width.
        const QImage art = QImage(QStringLiteral(":/images/shadow/left@2x.png"))
                               .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QImage expected(left, 1, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(expected.rect()), art.copy(0, art.height() / 2, art.width(), 1));
        painter.end();
        QImage across = image.copy(0, image.height() / 2, left, 1);
        across.setDevicePixelRatio(1);
        QCOMPARE(across, expected);
    }
}

void TestBaseDialog::titleBarTakesOnlyTheLeftPress_data()
{
    QTest::addColumn<bool>("onLabel");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("reachesTitleBar");

    QTest::newRow("left press") << false << int(QEvent::MouseButtonPress) << int(Qt::LeftButton) << false;
    QTest::newRow("left press on a label") << true << int(QEvent::MouseButtonPress) << int(Qt::LeftButton) << false;
    QTest::newRow("right press") << false << int(QEvent::MouseButtonPress) << int(Qt::RightButton) << true;
    QTest::newRow("middle press") << false << int(QEvent::MouseButtonPress) << int(Qt::MiddleButton) << true;
    QTest::newRow("double click") << false << int(QEvent::MouseButtonDblClick) << int(Qt::LeftButton) << true;
}

void TestBaseDialog::titleBarTakesOnlyTheLeftPress()
{
    QFETCH(bool, onLabel);
    QFETCH(int, type);
    QFETCH(int, button);
    QFETCH(bool, reachesTitleBar);

    Dialog dialog(nullptr);
    auto *bar = new TitleBar(&dialog);
    auto *label = new QLabel(QStringLiteral("title"), bar);
    dialog.setTitleBar(bar);

    send(onLabel ? static_cast<QWidget *>(label) : bar, QEvent::Type(type), Qt::MouseButton(button));
    QCOMPARE(bar->received.contains(QEvent::Type(type)), reachesTitleBar);
}

void TestBaseDialog::leftDragOnTitleBarMovesTheDialog()
{
#ifdef Q_OS_WIN
    QSKIP("Windows moves the dialog in its own move loop, which follows the real pointer, "
          "not these events; tests/wine/user.sh drags the About card by its title strip");
#endif
    Dialog dialog(nullptr);
    auto *bar = new TitleBar(&dialog);
    bar->resize(300, 40);
    dialog.setTitleBar(bar);
    dialog.setGeometry(100, 100, 370, 230);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint origin = dialog.pos();

    send(bar, QEvent::MouseButtonPress, Qt::LeftButton, origin + QPoint(20, 10));
    send(bar, QEvent::MouseMove, Qt::NoButton, origin + QPoint(50, 30));
    send(bar, QEvent::MouseButtonRelease, Qt::LeftButton, origin + QPoint(50, 30));
    QTRY_COMPARE(dialog.pos(), origin + QPoint(30, 20));
    QVERIFY(bar->received.isEmpty());
}

void TestBaseDialog::firstCloseButtonInTheTitleBarClosesTheDialog_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("closes");
    // Children of the bar, in creation order: a tool button or a push button
    // named "toolButton_close", possibly nested in a plain widget.
    QTest::newRow("tool button") << "tool" << true;
    QTest::newRow("tool button nested deeper") << "nested-tool" << true;
    QTest::newRow("first match is no tool button") << "push,tool" << false;
    QTest::newRow("close button outside the bar") << "outside" << false;
}

void TestBaseDialog::firstCloseButtonInTheTitleBarClosesTheDialog()
{
    QFETCH(QString, layout);
    QFETCH(bool, closes);

    Dialog dialog(nullptr);
    auto *bar = new QFrame(&dialog);
    QAbstractButton *clicked = nullptr;
    for (const QString &kind : layout.split(QLatin1Char(','))) {
        QWidget *parent = kind == QLatin1String("outside") ? static_cast<QWidget *>(&dialog) : bar;
        if (kind == QLatin1String("nested-tool"))
            parent = new QWidget(bar);
        QAbstractButton *button = kind == QLatin1String("push") ? static_cast<QAbstractButton *>(new QPushButton(parent))
                                                                : new QToolButton(parent);
        button->setObjectName(QStringLiteral("toolButton_close"));
        if (!clicked || kind == QLatin1String("tool"))
            clicked = button;
    }
    dialog.setTitleBar(bar);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    clicked->click();
    QCOMPARE(dialog.isVisible(), !closes);
}

void TestBaseDialog::replacedOrDetachedTitleBarNoLongerActs_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("detached") << false;
    QTest::newRow("replaced") << true;
}

void TestBaseDialog::replacedOrDetachedTitleBarNoLongerActs()
{
    QFETCH(bool, replace);

    Dialog dialog(nullptr);
    auto makeBar = [&dialog] {
        auto *bar = new TitleBar(&dialog);
        (new QToolButton(bar))->setObjectName(QStringLiteral("toolButton_close"));
        return bar;
    };
    TitleBar *oldBar = makeBar();
    TitleBar *newBar = makeBar();
    dialog.setTitleBar(oldBar);
    dialog.setTitleBar(replace ? newBar : nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    send(oldBar, QEvent::MouseButtonPress, Qt::LeftButton);
    QCOMPARE(oldBar->received.size(), 1);
    oldBar->findChild<QToolButton *>()->click();
    QVERIFY(dialog.isVisible());

    send(newBar, QEvent::MouseButtonPress, Qt::LeftButton);
    QCOMPARE(newBar->received.size(), replace ? 0 : 1);
    newBar->findChild<QToolButton *>()->click();
    QCOMPARE(dialog.isVisible(), !replace);
}

void TestBaseDialog::overlayIsShownAndHiddenWithTheDialog()
{
    QWidget target;
    target.resize(500, 300);
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));
    {
        Dialog dialog(&target);
        dialog.enableLightBox(&target);
        QCOMPARE(overlaysIn(&target).size(), 1);
        QLightBoxWidget *overlay = overlaysIn(&target).first();
        QVERIFY(overlay->isHidden());

        dialog.show();
        QVERIFY(overlay->isVisible());
        QCOMPARE(overlay->geometry(), QRect(0, 0, 500, 300));
        dialog.hide();
        QVERIFY(overlay->isHidden());
        dialog.show();
        dialog.close();
        QVERIFY(overlay->isHidden());
        QCOMPARE(overlaysIn(&target).size(), 1);
    }
    QCOMPARE(overlaysIn(&target).size(), 0);
}

void TestBaseDialog::secondLightBoxReplacesTheFirstAtOnce()
{
    QWidget first;
    QWidget second;
    Dialog dialog(nullptr);
    dialog.enableLightBox(&first);
    const QPointer<QLightBoxWidget> earlier = overlaysIn(&first).value(0);
    QVERIFY(earlier);

    dialog.enableLightBox(&second);
    QVERIFY(!earlier);
    QCOMPARE(overlaysIn(&first).size(), 0);
    QCOMPARE(overlaysIn(&second).size(), 1);

    dialog.enableLightBox(&second);
    QCOMPARE(overlaysIn(&second).size(), 1);
}

void TestBaseDialog::lightBoxWithoutTargetFallsBackToTheFirstMainWindow()
{
    QWidget plainWindow;
    QMainWindow mainWindow;
    Dialog dialog(nullptr);
    dialog.enableLightBox(nullptr);
    QCOMPARE(overlaysIn(&mainWindow).size(), 1);
    QCOMPARE(overlaysIn(&mainWindow).first()->parentWidget(), static_cast<QWidget *>(&mainWindow));
    QCOMPARE(overlaysIn(&plainWindow).size(), 0);
}

void TestBaseDialog::lightBoxWithoutTargetOrMainWindowKeepsTheEarlierTarget()
{
    Dialog dialog(nullptr);
    dialog.enableLightBox(nullptr);
    QCOMPARE(allOverlays().size(), 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(allOverlays().size(), 0);
    dialog.hide();

    QWidget target;
    dialog.enableLightBox(&target);
    const QPointer<QLightBoxWidget> earlier = overlaysIn(&target).value(0);
    dialog.enableLightBox(nullptr);
    QVERIFY(!earlier);
    QCOMPARE(overlaysIn(&target).size(), 1);
}

void TestBaseDialog::targetDestroyedBeforeTheDialogIsSafe()
{
    auto *target = new QWidget;
    target->resize(300, 200);
    target->show();
    QVERIFY(QTest::qWaitForWindowExposed(target));
    {
        Dialog dialog(nullptr);
        dialog.enableLightBox(target);
        dialog.show();
        delete target; // takes its child, the overlay, with it

        // The dialog goes on without an overlay, and a later request without
        // a target finds neither the old target nor a main window.
        dialog.hide();
        dialog.show();
        dialog.enableLightBox(nullptr);
        QCOMPARE(allOverlays().size(), 0);
    } // destroying the dialog must not delete the overlay a second time
}

QTEST_MAIN(TestBaseDialog)
#include "tst_basedialog.moc"
