#include "corvalen.h"
#include "qaboutdlg.h"
#include "qlightboxwidget.h"
#include "support.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>

// The orders in which Qt's object tree lets the main window, the About card
// and the card's overlay go. Each must end without a dangling pointer or a
// second delete; the sanitizer build of this test is what catches those.
class TestDestruction : public MainWindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowGoesWhileTheCardIsShown_data();
    void windowGoesWhileTheCardIsShown();
    void cardGoesWhileShown();
    void cardGoesInsideItsOwnModalLoop();

private:
    QList<QLightBoxWidget *> overlays() const;
};

void TestDestruction::init()
{
    openMainWindow();
}

void TestDestruction::cleanup()
{
    closeMainWindow();
}

QList<QLightBoxWidget *> TestDestruction::overlays() const
{
    QList<QLightBoxWidget *> found;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *overlay = qobject_cast<QLightBoxWidget *>(widget))
            found << overlay;
    }
    return found;
}

void TestDestruction::windowGoesWhileTheCardIsShown_data()
{
    QTest::addColumn<bool>("cardIsChildOfWindow");
    // A child card goes with the window; a card of its own outlives it, and
    // with it the overlay that the window's content took along.
    QTest::newRow("card is the window's child") << true;
    QTest::newRow("card has no parent") << false;
}

void TestDestruction::windowGoesWhileTheCardIsShown()
{
    QFETCH(bool, cardIsChildOfWindow);
    QPointer<QAboutDlg> card = new QAboutDlg(cardIsChildOfWindow ? m_window.data() : nullptr);
    card->enableLightBox(m_window->centralWidget());
    card->show();
    QVERIFY(QTest::qWaitForWindowExposed(card));
    QCOMPARE(overlays().size(), 1);
    QVERIFY(overlays().first()->isVisible());

    delete m_window.data();
    QVERIFY(overlays().isEmpty());
    QCOMPARE(card.isNull(), cardIsChildOfWindow);
    if (card) {
        // Hidden, shown again and destroyed without the overlay it had.
        card->hide();
        card->show();
        QVERIFY(overlays().isEmpty());
        delete card.data();
    }
}

void TestDestruction::cardGoesWhileShown()
{
    auto *card = new QAboutDlg(m_window);
    card->enableLightBox(m_window->centralWidget());
    card->show();
    QVERIFY(QTest::qWaitForWindowExposed(card));
    QCOMPARE(m_window->centralWidget()->findChildren<QLightBoxWidget *>().size(), 1);

    delete card;
    QVERIFY(overlays().isEmpty());
    // The window goes on being painted and resized without it.
    m_window->resize(m_window->size() + QSize(30, 20));
    QVERIFY(!m_window->grab().isNull());
}

void TestDestruction::cardGoesInsideItsOwnModalLoop()
{
    QPointer<QAboutDlg> card = new QAboutDlg(m_window);
    card->enableLightBox(m_window->centralWidget());
    bool overlayWasShown = false;
    QTimer::singleShot(0, m_window, [&] {
        overlayWasShown = overlays().size() == 1 && overlays().first()->isVisible();
        delete card.data();
    });
    QCOMPARE(card->exec(), int(QDialog::Rejected));
    QVERIFY(overlayWasShown);
    QVERIFY(card.isNull());
    QVERIFY(overlays().isEmpty());
}

QTEST_MAIN(TestDestruction)
#include "tst_destruction.moc"
