#include "corvalen.h"
#include "qaboutdlg.h"
#include "support.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QValidator>
#include <QtTest>

// The main window's form: the object names are the style sheet's selectors
// and the filter's look-ups, so a renamed or re-parented widget is a fault.
class TestMainForm : public MainWindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void widgetsHaveTheirNamesAndParents_data();
    void widgetsHaveTheirNamesAndParents();
    void textsAreTheProgramsOwn();
    void windowIsFramelessWithAShadowBand();
    void shadowIsTheDropShadowEffects_data();
    void shadowIsTheDropShadowEffects();
    void titleBarKeepsItsHeightAndEdgesAtAnyWidth_data();
    void titleBarKeepsItsHeightAndEdgesAtAnyWidth();
    void focusStartsInTheFirstFieldAndTabFollowsTheForm();
    void eachInputHasItsOwnValidator();
    void screenReadersHearEveryControlsName_data();
    void screenReadersHearEveryControlsName();
};

void TestMainForm::init()
{
    openMainWindow();
}

void TestMainForm::cleanup()
{
    closeMainWindow();
}

void TestMainForm::widgetsHaveTheirNamesAndParents_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");

    QTest::newRow("centralWidget") << "centralWidget" << "QWidget" << "CorvalenClass";
    QTest::newRow("frameTitle") << "frameTitle" << "QFrame" << "centralWidget";
    QTest::newRow("label_logo") << "label_logo" << "QLabel" << "frameTitle";
    QTest::newRow("label_clientName") << "label_clientName" << "QLabel" << "frameTitle";
    QTest::newRow("toolButtonVersion") << "toolButtonVersion" << "QToolButton" << "frameTitle";
    QTest::newRow("toolButton_min") << "toolButton_min" << "QToolButton" << "frameTitle";
    QTest::newRow("toolButton_max") << "toolButton_max" << "QToolButton" << "frameTitle";
    QTest::newRow("toolButton_close") << "toolButton_close" << "QToolButton" << "frameTitle";
    QTest::newRow("widget") << "widget" << "QWidget" << "centralWidget";
    QTest::newRow("frame") << "frame" << "QFrame" << "widget";
    QTest::newRow("label") << "label" << "QLabel" << "frame";
    QTest::newRow("lineEditPoint1") << "lineEditPoint1" << "QLineEdit" << "frame";
    QTest::newRow("label_2") << "label_2" << "QLabel" << "frame";
    QTest::newRow("lineEditPoint2") << "lineEditPoint2" << "QLineEdit" << "frame";
    QTest::newRow("label_3") << "label_3" << "QLabel" << "frame";
    QTest::newRow("lineEditDistance") << "lineEditDistance" << "QLineEdit" << "frame";
}

void TestMainForm::widgetsHaveTheirNamesAndParents()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QCOMPARE(m_window->objectName(), QStringLiteral("CorvalenClass"));
    const QList<QWidget *> found = m_window->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    QCOMPARE(found.first()->parentWidget()->objectName(), parentName);
}

void TestMainForm::textsAreTheProgramsOwn()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Corvalen"));
    QCOMPARE(child<QLabel>("label_clientName")->text(), QStringLiteral("Corvalen"));
    QCOMPARE(child<QLabel>("label")->text(), QStringLiteral("点1\uFF1A"));
    QCOMPARE(child<QLabel>("label_2")->text(), QStringLiteral("点2\uFF1A"));
    QCOMPARE(child<QLabel>("label_3")->text(), QStringLiteral("距离(KM)\uFF1A"));
    QCOMPARE(child<QLabel>("label_logo")->text(), QString());
    for (const char *button : {"toolButtonVersion", "toolButton_min", "toolButton_max", "toolButton_close"})
        QCOMPARE(child<QToolButton>(button)->text(), QString());
}

void TestMainForm::windowIsFramelessWithAShadowBand()
{
    QCOMPARE(m_window->size(), QSize(743, 175));
    QVERIFY(m_window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(m_window->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(m_window->contentsMargins(), QMargins(12, 12, 12, 12));

    QWidget *central = m_window->centralWidget();
    QCOMPARE(central->objectName(), QStringLiteral("centralWidget"));
    QCOMPARE(central->geometry(), QRect(12, 12, 743 - 24, 175 - 24));
    QVERIFY(central->autoFillBackground());
    QCOMPARE(central->backgroundRole(), QPalette::Window);

    QVERIFY(!child<QToolButton>("toolButton_max")->isVisible());
    for (const char *button : {"toolButtonVersion", "toolButton_min", "toolButton_close"})
        QVERIFY(child<QToolButton>(button)->isVisible());
}

void TestMainForm::shadowIsTheDropShadowEffects_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("as it opens") << QSize(743, 175);
    QTest::newRow("resized") << QSize(900, 260);
    QTest::newRow("smallest allowed") << QSize(1, 1);
    QTest::newRow("odd by even") << QSize(1001, 402);
}

// The window draws its shadow itself; the band must hold the very pixels that
// a drop shadow effect (black, blur 12, no offset) on the content gives, in
// the device pixels of the window's screen. Above 100 % the effect stretches
// its blur by a factor that depends on the whole size, which the window's
// slices, made once per class of sizes, follow to within a few levels of
// alpha.
void TestMainForm::shadowIsTheDropShadowEffects()
{
    QFETCH(QSize, size);
    size = size.expandedTo(m_window->minimumSize());
    m_window->resize(size);
    QTRY_COMPARE(m_window->centralWidget()->size(), size - QSize(24, 24));
    const qreal ratio = m_window->devicePixelRatioF();
    const int tolerance = ratio == 1 ? 0 : 6;

    QWidget reference;
    reference.resize(size);
    QWidget content(&reference);
    content.setGeometry(12, 12, size.width() - 24, size.height() - 24);
    content.setAutoFillBackground(true);
    auto *effect = new QGraphicsDropShadowEffect;
    effect->setOffset(0, 0);
    effect->setColor(Qt::black);
    effect->setBlurRadius(12.0);
    content.setGraphicsEffect(effect);

    auto rendered = [size, ratio](QWidget *widget) {
        QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };
    const QImage drawn = rendered(m_window);
    const QImage expected = rendered(&reference);
    const auto near = [tolerance](QRgb found, QRgb wanted) {
        return qAbs(qAlpha(found) - qAlpha(wanted)) <= tolerance && qAbs(qRed(found) - qRed(wanted)) <= tolerance
            && qAbs(qGreen(found) - qGreen(wanted)) <= tolerance && qAbs(qBlue(found) - qBlue(wanted)) <= tolerance;
    };
    const QRect inside(QPoint(12, 12) * ratio, (size - QSize(24, 24)) * ratio);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (!inside.contains(x, y) && !near(drawn.pixel(x, y), expected.pixel(x, y)))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, not %4").arg(x).arg(y)
                                     .arg(drawn.pixel(x, y), 8, 16).arg(expected.pixel(x, y), 8, 16)));
        }
    }
}

void TestMainForm::titleBarKeepsItsHeightAndEdgesAtAnyWidth_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("as opened") << QSize(743, 175);
    QTest::newRow("wide and tall") << QSize(1200, 600);
    QTest::newRow("narrow") << QSize(500, 175);
}

void TestMainForm::titleBarKeepsItsHeightAndEdgesAtAnyWidth()
{
    QFETCH(QSize, size);
    m_window->resize(size);
    QTRY_COMPARE(m_window->size(), size);
    auto *title = child<QFrame>("frameTitle");
    QTRY_COMPARE(title->width(), size.width() - 24);
    QCOMPARE(title->height(), 48);
    // Margins count from inside the frame's own border.
    const QRect inside = title->contentsRect();
    QCOMPARE(child<QLabel>("label_logo")->x(), inside.left() + 20);
    QCOMPARE(child<QToolButton>("toolButton_close")->geometry().right(), inside.right() - 11);
    const QRect version = child<QToolButton>("toolButtonVersion")->geometry();
    const QRect minimise = child<QToolButton>("toolButton_min")->geometry();
    QCOMPARE(version.size(), QSize(24, 24));
    QCOMPARE(minimise.left() - version.right() - 1, 8);
}

void TestMainForm::focusStartsInTheFirstFieldAndTabFollowsTheForm()
{
    QApplication::setActiveWindow(m_window);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(child<QLineEdit>("lineEditPoint1")));

    QStringList order;
    QWidget *current = child<QLineEdit>("lineEditPoint1");
    do {
        order << current->objectName();
        current = current->nextInFocusChain();
        while (!(current->isVisible() && current->isEnabled() && (current->focusPolicy() & Qt::TabFocus)))
            current = current->nextInFocusChain();
    } while (current != child<QLineEdit>("lineEditPoint1"));
    QCOMPARE(order, QStringList({"lineEditPoint1", "lineEditPoint2", "lineEditDistance",
                                 "toolButtonVersion", "toolButton_min", "toolButton_close"}));
}

void TestMainForm::eachInputHasItsOwnValidator()
{
    const QValidator *first = child<QLineEdit>("lineEditPoint1")->validator();
    const QValidator *second = child<QLineEdit>("lineEditPoint2")->validator();
    QVERIFY(first && second && first != second);
    QCOMPARE(first->parent(), static_cast<QObject *>(m_window));
    QVERIFY(!child<QLineEdit>("lineEditDistance")->validator());
    QVERIFY(!child<QLineEdit>("lineEditDistance")->isReadOnly());
}

// What a screen reader announces, in the program's own language: the fields
// are named by their labels, the picture-only buttons and the card by names
// of their own (the card's window title is the form's name, not a word to
// read out). A description is given where the name alone does not say what
// the control does.
void TestMainForm::screenReadersHearEveryControlsName_data()
{
    QTest::addColumn<bool>("onCard");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("described");

    const int button = QAccessible::Button;
    const int field = QAccessible::EditableText;
    QTest::newRow("window") << false << "CorvalenClass" << int(QAccessible::Window) << "Corvalen" << false;
    QTest::newRow("version button") << false << "toolButtonVersion" << button << "关于" << true;
    QTest::newRow("minimise button") << false << "toolButton_min" << button << "最小化" << false;
    QTest::newRow("maximise button") << false << "toolButton_max" << button << "最大化" << true;
    QTest::newRow("close button") << false << "toolButton_close" << button << "关闭" << true;
    QTest::newRow("point 1") << false << "lineEditPoint1" << field << "点1：" << true;
    QTest::newRow("point 2") << false << "lineEditPoint2" << field << "点2：" << true;
    QTest::newRow("distance") << false << "lineEditDistance" << field << "距离(KM)：" << true;
    QTest::newRow("card") << true << "QAboutDlg" << int(QAccessible::Dialog) << "关于" << true;
    QTest::newRow("card close button") << true << "toolButton_close" << button << "关闭" << false;
}

void TestMainForm::screenReadersHearEveryControlsName()
{
    QFETCH(bool, onCard);
    QFETCH(QString, objectName);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(bool, described);

    QAboutDlg card(m_window);
    QWidget *top = onCard ? static_cast<QWidget *>(&card) : m_window;
    QWidget *widget = top->objectName() == objectName ? top : top->findChild<QWidget *>(objectName);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(!accessible->text(QAccessible::Description).isEmpty(), described);
    QCOMPARE(top->windowTitle(), onCard ? QStringLiteral("QAboutDlg") : QStringLiteral("Corvalen"));
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
