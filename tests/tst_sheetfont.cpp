#include "applicationshell.h"
#include "corvalen.h"
#include "qaboutdlg.h"
#include "sheetfont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

// Where the sheet's Windows font is missing, every text of the windows comes
// from the one installed CJK face that replaces it, Latin and Chinese alike.
class TestSheetFont : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sheetNamesTheSubstitutedFamily();
    void everyTextComesFromTheSubstitute_data();
    void everyTextComesFromTheSubstitute();

private:
    QString m_substitute;
    std::unique_ptr<ApplicationShell> m_shell;
};

void TestSheetFont::initTestCase()
{
    const QStringList installed = QFontDatabase().families();
    for (const QString &family : sheetFontSubstitutes()) {
        if (m_substitute.isEmpty() && installed.contains(family))
            m_substitute = family;
    }
    QVERIFY2(!m_substitute.isEmpty(), "none of the substitutes is installed");
    // As the program starts.
    m_shell = std::make_unique<ApplicationShell>(*qApp);
}

void TestSheetFont::sheetNamesTheSubstitutedFamily()
{
    const QString expected = QStringLiteral("font-family:\"%1\"").arg(sheetFontFamily());
    QVERIFY(qApp->styleSheet().contains(expected));
}

void TestSheetFont::everyTextComesFromTheSubstitute_data()
{
    QTest::addColumn<bool>("inAboutCard");
    QTest::addColumn<QString>("name");
    QTest::newRow("point label, Chinese and Latin") << false << "label";
    QTest::newRow("distance label, Chinese, Latin and brackets") << false << "label_3";
    QTest::newRow("bold title") << false << "label_clientName";
    QTest::newRow("field with digits") << false << "lineEditPoint1";
    QTest::newRow("card title") << true << "labelTitle";
    QTest::newRow("card version, digits") << true << "labelVersion";
}

void TestSheetFont::everyTextComesFromTheSubstitute()
{
    QFETCH(bool, inAboutCard);
    QFETCH(QString, name);
    Corvalen window;
    QAboutDlg card(&window);
    QWidget *top = inAboutCard ? static_cast<QWidget *>(&card) : &window;
    top->show();
    QVERIFY(QTest::qWaitForWindowExposed(top));
    QWidget *widget = top->findChild<QWidget *>(name);
    QVERIFY(widget);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(QStringLiteral("-33.8688,151.2093"));

    QCOMPARE(QFontInfo(widget->font()).family(), m_substitute);
    const QString text = widget->property("text").toString();
    QVERIFY(!text.isEmpty());
    const QFontMetrics metrics(widget->font());
    for (const QChar c : text)
        QVERIFY2(metrics.inFont(c), qPrintable(QStringLiteral("no glyph for %1 in %2").arg(c).arg(text)));
}

QTEST_MAIN(TestSheetFont)
#include "tst_sheetfont.moc"
