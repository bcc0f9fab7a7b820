#include "corvalen.h"
#include "stylesheet.h"
#include "support.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <algorithm>

// The bundle's style sheet applied the way start-up applies it: what the
// main window looks like, and that every rule is one Qt understands. Run
// once as is and once at a scale factor of 2, where the pictures must come
// from the 2x art.
class TestLook : public MainWindowTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sheetReachesTheParserWithoutItsByteOrderMark();
    void sheetPolishesEveryWidgetKindWithoutWarnings();
    void titleBarHasItsHeightGradientLogoAndTitle();
    void titleButtonsShowTheirStripFrames_data();
    void titleButtonsShowTheirStripFrames();
    void focusedFieldAloneHasTheAccentFrame();
    void focusedTitleButtonShowsIt();
};

namespace {

QStringList capturedWarnings;

void captureWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The platforms' own remarks on every shown window are not ours: the
    // offscreen one's, and Qt 6's Windows one's on Wine's partial user32.
    static const QStringList platformRemarks = {QStringLiteral("propagateSizeHints"),
                                                QStringLiteral("EnableNonClientDpiScaling"),
                                                QStringLiteral("UpdateLayeredWindowIndirect")};
    const bool platformRemark = std::any_of(platformRemarks.begin(), platformRemarks.end(),
                                            [&](const QString &remark) { return message.contains(remark); });
    if (type != QtDebugMsg && type != QtInfoMsg && !platformRemark)
        capturedWarnings << message;
}

QImage premultiplied(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The widget alone on a transparent background, as it paints over the title
// bar, in the device pixels of its screen.
QImage rendered(QWidget *widget)
{
    const qreal ratio = widget->devicePixelRatioF();
    QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// Close enough for the ends of a gradient sampled a few pixels in.
bool near(const QColor &found, const QColor &expected, int tolerance)
{
    return qAbs(found.red() - expected.red()) <= tolerance && qAbs(found.green() - expected.green()) <= tolerance
        && qAbs(found.blue() - expected.blue()) <= tolerance;
}

} // namespace

void TestLook::initTestCase()
{
    QFile file(QStringLiteral(":/stylesheet.css"));
    applyStyleSheet(*qApp, file);
    QVERIFY(!qApp->styleSheet().isEmpty());
}

void TestLook::init()
{
    openMainWindow();
}

void TestLook::cleanup()
{
    closeMainWindow();
}

// A mark left in front of the first selector would make the first rule, and
// with it the Chinese font family, silently not apply.
void TestLook::sheetReachesTheParserWithoutItsByteOrderMark()
{
    QVERIFY(qApp->styleSheet().startsWith(QLatin1String("QWidget")));
    for (const char *name : {"label", "label_clientName", "lineEditPoint1", "toolButton_min"})
        QCOMPARE(child<QWidget>(name)->font().family(), QStringLiteral("微软雅黑"));
}

void TestLook::sheetPolishesEveryWidgetKindWithoutWarnings()
{
    capturedWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureWarnings);
    {
        // The handler does hear the style engine's complaints.
        QWidget broken;
        broken.setStyleSheet(QStringLiteral("QWidget { color: "));
        broken.ensurePolished();
    }
    const bool heard = !capturedWarnings.isEmpty();
    capturedWarnings.clear();

    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    for (const char *name : {"frameTitle", "frameBottom", "centreWidget"}) {
        auto *frame = new QFrame(&dialog);
        frame->setObjectName(QLatin1String(name));
        layout->addWidget(frame);
    }
    auto *sub = new QPushButton(QStringLiteral("sub"), dialog.findChild<QFrame *>(QStringLiteral("frameBottom")));
    sub->setObjectName(QStringLiteral("pushButton_sub"));
    layout->addWidget(new QPushButton(QStringLiteral("push")));
    auto *disabled = new QPushButton(QStringLiteral("off"));
    disabled->setEnabled(false);
    layout->addWidget(disabled);
    for (bool checked : {false, true}) {
        auto *box = new QCheckBox(QStringLiteral("box"));
        box->setChecked(checked);
        layout->addWidget(box);
        auto *radio = new QRadioButton(QStringLiteral("radio"));
        radio->setChecked(checked);
        layout->addWidget(radio);
    }
    layout->addWidget(new QSlider(Qt::Horizontal));
    layout->addWidget(new QSlider(Qt::Vertical));
    auto *readOnly = new QLineEdit(QStringLiteral("read-only"));
    readOnly->setReadOnly(true);
    layout->addWidget(readOnly);
    auto *table = new QTableWidget(2, 2);
    table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("cell")));
    table->item(0, 0)->setCheckState(Qt::Checked);
    layout->addWidget(table);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.grab();
    m_window->grab();

    qInstallMessageHandler(previous);
    QVERIFY(heard);
    QCOMPARE(capturedWarnings, QStringList());
}

void TestLook::titleBarHasItsHeightGradientLogoAndTitle()
{
    // The sheet's 48 px are the frame's content box; Qt's box model adds the
    // styled panel's own border around it.
    auto *title = child<QFrame>("frameTitle");
    const int border = title->frameWidth();
    QCOMPARE(title->contentsRect().height(), 48);
    QCOMPARE(title->height(), 48 + 2 * border);
    m_window->resize(1000, 300);
    QTRY_COMPARE(title->width(), 1000 - 24);
    QCOMPARE(title->height(), 48 + 2 * border);

    // Left to right from the title blue to the accent blue.
    const QImage image = title->grab().toImage();
    const QColor left = image.pixelColor(border + 2, 24);
    const QColor right = image.pixelColor(image.width() - border - 3, 24);
    QVERIFY2(near(left, QColor(87, 144, 225), 2), qPrintable(left.name()));
    QVERIFY2(near(right, QColor(88, 187, 228), 2), qPrintable(right.name()));

    auto *logo = child<QLabel>("label_logo");
    QCOMPARE(logo->size(), QSize(24, 24));
    QVERIFY(logo->hasScaledContents());
    QCOMPARE(logo->grab().size(), QSize(24, 24) * logo->devicePixelRatioF());
    QVERIFY(!logo->grab().toImage().isNull());

    auto *name = child<QLabel>("label_clientName");
    QCOMPARE(name->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(name->font().bold());
    QCOMPARE(name->font().pixelSize(), 16);
}

void TestLook::titleButtonsShowTheirStripFrames_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QVariant>("maximized"); // "maximizeProperty", invalid for never set
    QTest::addColumn<bool>("down");
    QTest::addColumn<QString>("strip");
    QTest::addColumn<int>("frame");

    QTest::newRow("max, never maximised") << "toolButton_max" << QVariant() << false << "maximize" << 0;
    QTest::newRow("max, not maximised") << "toolButton_max" << QVariant(false) << false << "maximize" << 0;
    QTest::newRow("max, not maximised, pressed") << "toolButton_max" << QVariant(false) << true << "maximize" << 2;
    QTest::newRow("max, maximised") << "toolButton_max" << QVariant(true) << false << "restore" << 0;
    QTest::newRow("max, maximised, pressed") << "toolButton_max" << QVariant(true) << true << "restore" << 2;
    QTest::newRow("min") << "toolButton_min" << QVariant() << false << "minimize" << 0;
    QTest::newRow("min, pressed") << "toolButton_min" << QVariant() << true << "minimize" << 2;
    QTest::newRow("close") << "toolButton_close" << QVariant() << false << "close" << 0;
    QTest::newRow("close, pressed") << "toolButton_close" << QVariant() << true << "close" << 2;
    QTest::newRow("version") << "toolButtonVersion" << QVariant() << false << "version" << 0;
    QTest::newRow("version, pressed") << "toolButtonVersion" << QVariant() << true << "version" << 2;
}

// The button paints exactly one frame of its strip, whatever the property
// said before: the re-polish alone switches the picture.
void TestLook::titleButtonsShowTheirStripFrames()
{
    QFETCH(QString, button);
    QFETCH(QVariant, maximized);
    QFETCH(bool, down);
    QFETCH(QString, strip);
    QFETCH(int, frame);

    auto *tool = m_window->findChild<QToolButton *>(button);
    QVERIFY(tool);
    tool->show();
    const auto publish = [tool](const QVariant &value) {
        tool->setProperty("maximizeProperty", value);
        tool->style()->unpolish(tool);
        tool->style()->polish(tool);
    };
    if (maximized.isValid()) {
        publish(!maximized.toBool());
        rendered(tool);
        publish(maximized);
    }
    tool->setDown(down);
    QTRY_COMPARE(tool->size(), QSize(24, 24));

    // At 2 the frame of the 2x strip, pixel for pixel.
    const int scale = qCeil(tool->devicePixelRatioF());
    const QString file = scale == 1 ? QStringLiteral(":/images/%1.png") : QStringLiteral(":/images/%1@2x.png");
    const int size = 24 * scale;
    const QImage expected = QImage(file.arg(strip)).copy(0, frame * size, size, size);
    QCOMPARE(rendered(tool), premultiplied(expected));
}

void TestLook::focusedFieldAloneHasTheAccentFrame()
{
    QApplication::setActiveWindow(m_window);
    auto *first = child<QLineEdit>("lineEditPoint1");
    auto *second = child<QLineEdit>("lineEditPoint2");
    const QColor accent(0x58, 0xBB, 0xE4), plain(0xF0, 0xF0, 0xF0);
    const auto frameColour = [](QLineEdit *edit) {
        const QImage image = edit->grab().toImage();
        return image.pixelColor(image.width() / 2, 0);
    };
    const auto insideColour = [](QLineEdit *edit) {
        const QImage image = edit->grab().toImage();
        return image.pixelColor(image.width() - 3, image.height() / 2);
    };

    QTRY_VERIFY(first->hasFocus());
    QCOMPARE(frameColour(first), accent);
    QCOMPARE(frameColour(second), plain);
    QCOMPARE(insideColour(first), QColor(Qt::white));

    second->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(second->hasFocus());
    QCOMPARE(frameColour(first), plain);
    QCOMPARE(frameColour(second), accent);
    QCOMPARE(insideColour(second), QColor(Qt::white));
}

// A keyboard user sees which title-bar button Tab reached: a light square
// behind its picture, where the strip itself is transparent.
void TestLook::focusedTitleButtonShowsIt()
{
    QApplication::setActiveWindow(m_window);
    for (const char *name : {"toolButtonVersion", "toolButton_min", "toolButton_close"}) {
        auto *button = child<QToolButton>(name);
        QCOMPARE(qAlpha(rendered(button).pixel(2, 12)), 0);
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
        const QColor square = rendered(button).pixelColor(2, 12);
        QVERIFY2(square.alpha() > 0 && square.lightness() == 255, name);
    }
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
