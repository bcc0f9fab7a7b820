#include "corvalen.h"
#include "stylesheet.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

// Start-up's handling of the style sheet. This executable is linked without
// the resource bundle, so ":/stylesheet.css" is missing here.
class TestStyleSheet : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void sheetIsDecodedAsUtf8WithoutItsByteOrderMark();
    void missingSheetLeavesTheProgramUnstyledAndWorking();
    void highDensityRulesNameTheTwoTimesArtWithItsCuts_data();
    void highDensityRulesNameTheTwoTimesArtWithItsCuts();
};

void TestStyleSheet::cleanup()
{
    qApp->setStyleSheet(QString());
}

void TestStyleSheet::sheetIsDecodedAsUtf8WithoutItsByteOrderMark()
{
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write("\xEF\xBB\xBFQLineEdit { background: rgb(1, 2, 3); }\r\n"
               "QWidget { font-family: \"\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91\"; }\r\n");
    file.close();

    applyStyleSheet(*qApp, file);
    QVERIFY(!file.isOpen());
    QVERIFY(qApp->styleSheet().startsWith(QLatin1String("QLineEdit")));
    QVERIFY(qApp->styleSheet().contains(QStringLiteral("\"微软雅黑\"")));

    // The first rule, right after the mark, takes effect like any other.
    QLineEdit edit;
    edit.resize(100, 30);
    const QImage image = edit.grab().toImage();
    QCOMPARE(image.pixelColor(50, 15), QColor(1, 2, 3));
}

void TestStyleSheet::missingSheetLeavesTheProgramUnstyledAndWorking()
{
    QFile missing(QStringLiteral(":/stylesheet.css"));
    QVERIFY(!missing.exists());
    applyStyleSheet(*qApp, missing);
    QCOMPARE(qApp->styleSheet(), QString());

    Corvalen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *point1 = window.findChild<QLineEdit *>(QStringLiteral("lineEditPoint1"));
    auto *point2 = window.findChild<QLineEdit *>(QStringLiteral("lineEditPoint2"));
    QTest::keyClicks(point1, QStringLiteral("30.5,120.3"));
    QTest::keyClicks(point2, QStringLiteral("31.2,121.5"));
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("lineEditDistance"))->text(), QStringLiteral("138.65"));
}

void TestStyleSheet::highDensityRulesNameTheTwoTimesArtWithItsCuts_data()
{
    QTest::addColumn<QString>("sheet"); // DIR stands for a folder with a.png, a@2x.png and b.png
    QTest::addColumn<QString>("added");

    const QString scope = QStringLiteral("*[highDensity=\"true\"] ");
    QTest::newRow("strip") << "X { color: red; border-image:url(DIR/a.png) 24 0 48 0; }"
                           << "\r\n" + scope + "X { border-image:url(\"DIR/a@2x.png\") 48 0 96 0; }";
    QTest::newRow("no 2x file") << "X { border-image:url(DIR/b.png) 24 0 48 0; }" << "";
    QTest::newRow("pixmap, then cuts, in comments")
        << "/* X { } */X { qproperty-pixmap: url(DIR/a.png); }\nY:hover { border-image: url(DIR/a.png) 0 0 72 0 }"
        << "\r\n" + scope + "X { qproperty-pixmap: url(\"DIR/a@2x.png\"); }\r\n" + scope
               + "Y:hover { border-image: url(\"DIR/a@2x.png\") 0 0 144 0; }";
    QTest::newRow("each selector of a group") << "X::a,\nY[p=true] { border-image: url(DIR/a.png) 14 0 0 0 }"
                                              << "\r\n" + scope + "X::a," + scope
                                                     + "Y[p=true] { border-image: url(\"DIR/a@2x.png\") 28 0 0 0; }";
}

void TestStyleSheet::highDensityRulesNameTheTwoTimesArtWithItsCuts()
{
    QFETCH(QString, sheet);
    QFETCH(QString, added);
    QTemporaryDir dir;
    for (const char *name : {"a.png", "a@2x.png", "b.png"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString path = dir.path();
    sheet.replace(QStringLiteral("DIR"), path);
    QCOMPARE(withHighDensityArt(sheet), sheet + added.replace(QStringLiteral("DIR"), path));
}

QTEST_MAIN(TestStyleSheet)
#include "tst_stylesheet.moc"
