#include "corvalen.h"
#include "qaboutdlg.h"
#include "qlightboxwidget.h"
#include "support.h"

#include <QFormLayout>
#include <QPointer>
#include <QtTest>

class TestAboutDlg : public QObject
{
    Q_OBJECT

private slots:
    void formHasItsTree_data();
    void formHasItsTree();
    void layoutsHaveTheirSpacingsAndMargins_data();
    void layoutsHaveTheirSpacingsAndMargins();
    void labelsHaveTheirPalettes_data();
    void labelsHaveTheirPalettes();
    void textsAreTheFormsOwn();
    void anExistingObjectNameIsKept();
    void cardIsInsideTheShadowBand();
    void closeButtonAndEscapeRejectAndHideTheOverlay_data();
    void closeButtonAndEscapeRejectAndHideTheOverlay();
    void versionButtonOpensIndependentCardsOneAfterTheOther();
};

void TestAboutDlg::formHasItsTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");

    QTest::newRow("centreWidget") << "centreWidget" << "QWidget" << "QAboutDlg";
    QTest::newRow("frameTitle") << "frameTitle" << "QFrame" << "centreWidget";
    QTest::newRow("labelTitle") << "labelTitle" << "QLabel" << "frameTitle";
    QTest::newRow("toolButton_close") << "toolButton_close" << "QToolButton" << "frameTitle";
    QTest::newRow("widget") << "widget" << "QWidget" << "centreWidget";
    QTest::newRow("label") << "label" << "QLabel" << "widget";
    QTest::newRow("labelName") << "labelName" << "QLabel" << "widget";
    QTest::newRow("label_2") << "label_2" << "QLabel" << "widget";
    QTest::newRow("labelVersion") << "labelVersion" << "QLabel" << "widget";
    QTest::newRow("label_3") << "label_3" << "QLabel" << "widget";
    QTest::newRow("labelAuthor") << "labelAuthor" << "QLabel" << "widget";
}

void TestAboutDlg::formHasItsTree()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);

    QAboutDlg dialog;
    const QList<QWidget *> found = dialog.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    QCOMPARE(found.first()->parentWidget()->objectName(), parentName);
}

void TestAboutDlg::layoutsHaveTheirSpacingsAndMargins_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<int>("horizontalSpacing");
    QTest::addColumn<int>("verticalSpacing");
    QTest::addColumn<int>("margin");

    QTest::newRow("gridLayout") << "gridLayout" << "QAboutDlg" << 0 << 0 << 0;
    QTest::newRow("verticalLayout") << "verticalLayout" << "centreWidget" << 0 << 0 << 0;
    QTest::newRow("horizontalLayout") << "horizontalLayout" << "frameTitle" << 6 << 6 << 11;
    QTest::newRow("gridLayout_2") << "gridLayout_2" << "widget" << 6 << 2 << 11;
    QTest::newRow("formLayout") << "formLayout" << "" << 20 << 15 << 0;
}

void TestAboutDlg::layoutsHaveTheirSpacingsAndMargins()
{
    QFETCH(QString, name);
    QFETCH(QString, owner);
    QFETCH(int, horizontalSpacing);
    QFETCH(int, verticalSpacing);
    QFETCH(int, margin);

    QAboutDlg dialog;
    auto *layout = dialog.findChild<QLayout *>(name);
    QVERIFY(layout);
    // The form layout is nested in gridLayout_2 and manages no widget itself.
    QCOMPARE(layout->parentWidget() == layout->parent() ? layout->parentWidget()->objectName() : QString(), owner);
    QCOMPARE(layout->contentsMargins(), QMargins(margin, margin, margin, margin));
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        QCOMPARE(grid->horizontalSpacing(), horizontalSpacing);
        QCOMPARE(grid->verticalSpacing(), verticalSpacing);
    } else if (auto *form = qobject_cast<QFormLayout *>(layout)) {
        QCOMPARE(form->horizontalSpacing(), horizontalSpacing);
        QCOMPARE(form->verticalSpacing(), verticalSpacing);
    } else {
        QCOMPARE(layout->spacing(), horizontalSpacing);
    }
}

void TestAboutDlg::labelsHaveTheirPalettes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("windowText");
    QTest::addColumn<bool>("setsText");

    QTest::newRow("labelTitle") << "labelTitle" << QColor(255, 255, 255, 255) << true;
    QTest::newRow("label") << "label" << QColor(0, 0, 0, 80) << false;
    QTest::newRow("label_2") << "label_2" << QColor(0, 0, 0, 80) << false;
    QTest::newRow("label_3") << "label_3" << QColor(0, 0, 0, 80) << false;
    QTest::newRow("labelName") << "labelName" << QColor(0, 0, 0, 120) << false;
    QTest::newRow("labelVersion") << "labelVersion" << QColor(0, 0, 0, 120) << false;
    QTest::newRow("labelAuthor") << "labelAuthor" << QColor(0, 0, 0, 120) << false;
}

void TestAboutDlg::labelsHaveTheirPalettes()
{
    QFETCH(QString, name);
    QFETCH(QColor, windowText);
    QFETCH(bool, setsText);

    QAboutDlg dialog;
    const QPalette palette = dialog.findChild<QLabel *>(name)->palette();
    const QColor grey(120, 120, 120, 255);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        QCOMPARE(palette.color(group, QPalette::WindowText), windowText);
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::WindowText), grey);
    if (setsText) {
        QCOMPARE(palette.color(QPalette::Active, QPalette::Text), QColor(Qt::black));
        QCOMPARE(palette.color(QPalette::Inactive, QPalette::Text), QColor(Qt::black));
        QCOMPARE(palette.color(QPalette::Disabled, QPalette::Text), grey);
    }
}

void TestAboutDlg::textsAreTheFormsOwn()
{
    QAboutDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("QAboutDlg"));
    const QList<QPair<const char *, QString>> texts = {
        {"labelTitle", QStringLiteral("关于")},
        {"label", QStringLiteral("名称")},
        {"labelName", QStringLiteral("Corvalen")},
        {"label_2", QStringLiteral("版本")},
        {"labelVersion", QStringLiteral("V1.0 Build2020511")},
        {"label_3", QStringLiteral("开发")},
        {"labelAuthor", QStringLiteral("Orvessa")},
    };
    for (const auto &text : texts)
        QCOMPARE(child<QLabel>(&dialog, text.first)->text(), text.second);
    QCOMPARE(child<QToolButton>(&dialog, "toolButton_close")->text(), QString());
}

void TestAboutDlg::anExistingObjectNameIsKept()
{
    QDialog named;
    named.setObjectName(QStringLiteral("mine"));
    Ui::QAboutDlg form;
    form.setupUi(&named);
    QCOMPARE(named.objectName(), QStringLiteral("mine"));

    QAboutDlg unnamed;
    QCOMPARE(unnamed.objectName(), QStringLiteral("QAboutDlg"));
}

void TestAboutDlg::cardIsInsideTheShadowBand()
{
    QAboutDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(370, 230));
    QCOMPARE(child<QWidget>(&dialog, "centreWidget")->geometry(), QRect(10, 5, 350, 210));
    QCOMPARE(child<QFrame>(&dialog, "frameTitle")->geometry(), QRect(0, 0, 350, 40));
    QCOMPARE(child<QWidget>(&dialog, "widget")->geometry(), QRect(0, 40, 350, 170));
    // The button keeps its size from the strip's top margin, 5 px above the bottom.
    QCOMPARE(child<QToolButton>(&dialog, "toolButton_close")->geometry(), QRect(350 - 11 - 24, 11, 24, 24));
    // The spacers centre the form in the body.
    const QRect form = child<QFormLayout>(&dialog, "formLayout")->geometry();
    QVERIFY2(qAbs(form.center().x() - 175) <= 1 && qAbs(form.center().y() - 85) <= 1,
             qPrintable(QStringLiteral("form at %1,%2").arg(form.center().x()).arg(form.center().y())));
}

void TestAboutDlg::closeButtonAndEscapeRejectAndHideTheOverlay_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("close button") << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter on the close button") << int(Qt::Key_Return);
}

void TestAboutDlg::closeButtonAndEscapeRejectAndHideTheOverlay()
{
    QFETCH(int, key);

    QWidget target;
    target.resize(400, 300);
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));
    {
        QAboutDlg dialog(&target);
        dialog.enableLightBox(&target);
        bool overlayShown = false;
        QTimer::singleShot(0, &dialog, [&] {
            overlayShown = overlaysIn(&target).value(0) && overlaysIn(&target).first()->isVisible();
            auto *close = child<QToolButton>(&dialog, "toolButton_close");
            if (key == Qt::Key_Escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else if (key)
                QTest::keyClick(close, Qt::Key(key));
            else
                close->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(overlayShown);
        QCOMPARE(overlaysIn(&target).size(), 1);
        QVERIFY(overlaysIn(&target).first()->isHidden());
    }
    QCOMPARE(overlaysIn(&target).size(), 0);
}

void TestAboutDlg::versionButtonOpensIndependentCardsOneAfterTheOther()
{
    Corvalen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget *central = window.centralWidget();

    for (int opening = 0; opening < 2; ++opening) {
        QPointer<QAboutDlg> card;
        QWidget *parent = nullptr;
        QSize size;
        bool dimmed = false;
        QTimer::singleShot(0, &window, [&] {
            card = qobject_cast<QAboutDlg *>(QApplication::activeModalWidget());
            if (!card)
                return;
            parent = card->parentWidget();
            size = card->size();
            dimmed = overlaysIn(central).size() == 1 && overlaysIn(central).first()->isVisible();
            // Nothing of this may carry over to the next card.
            card->move(card->pos() + QPoint(40, 40));
            card->resize(500, 400);
            QTest::keyClick(card, Qt::Key_Escape);
        });
        child<QToolButton>(&window, "toolButtonVersion")->click();

        QVERIFY(parent); // a card was open
        QCOMPARE(parent, static_cast<QWidget *>(&window));
        QCOMPARE(size, QSize(370, 230));
        QVERIFY(dimmed);
        // Closed and destroyed with its overlay once the click is handled.
        QVERIFY(!card);
        QCOMPARE(overlaysIn(central).size(), 0);
    }
}

QTEST_MAIN(TestAboutDlg)
#include "tst_aboutdlg.moc"
