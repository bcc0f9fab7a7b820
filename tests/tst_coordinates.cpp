#include "coordinates.h"
#include "pastedpoint.h"

#include <QtTest>

#include <cmath>
#include <random>

class TestCoordinates : public QObject
{
    Q_OBJECT

private slots:
    void validatorJudgesText_data();
    void validatorJudgesText();
    void pastedTextReadsAsOnePoint_data();
    void pastedTextReadsAsOnePoint();
    void distance_data();
    void distance();
    void antipodalPointsGiveAFiniteDistance();
};

void TestCoordinates::validatorJudgesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    const int acceptable = QValidator::Acceptable;
    const int intermediate = QValidator::Intermediate;
    const int invalid = QValidator::Invalid;

    // Everything the original pattern took stays acceptable.
    QTest::newRow("minus-point forms") << "-.5,-.5" << acceptable;
    QTest::newRow("fractions below one") << "0.5,0.5" << acceptable;
    QTest::newRow("one-digit values") << "8.5,9.5" << acceptable;
    QTest::newRow("eight decimals at the top of the range") << "89.99999999,179.99999999" << acceptable;
    QTest::newRow("bare limits") << "90,180" << acceptable;
    QTest::newRow("bare zeros") << "0,0" << acceptable;
    QTest::newRow("two- and three-digit longitudes") << "45.123,120.3" << acceptable;
    QTest::newRow("two-digit longitude") << "45.123,99.9" << acceptable;
    QTest::newRow("tiny longitude") << "0,0.00000001" << acceptable;

    // Mended: a minus sign before every form, and latitudes 9.x.
    QTest::newRow("southern latitude") << "-30.5,120.3" << acceptable;
    QTest::newRow("western longitude") << "30.5,-120.3" << acceptable;
    QTest::newRow("negative limits") << "-90,-180" << acceptable;
    QTest::newRow("latitude nine") << "9.5,10.5" << acceptable;
    QTest::newRow("negative latitude nine") << "-9.99999999,-0.5" << acceptable;
    QTest::newRow("negative longitude above a hundred") << "-45.5,-179.99999999" << acceptable;

    // Beginnings of a coordinate are let through while typing.
    QTest::newRow("empty") << "" << intermediate;
    QTest::newRow("lone minus") << "-" << intermediate;
    QTest::newRow("minus point") << "-." << intermediate;
    QTest::newRow("integer awaiting its fraction") << "30" << intermediate;
    QTest::newRow("latitude nine awaiting its fraction") << "9." << intermediate;
    QTest::newRow("trailing comma") << "30.5," << intermediate;
    QTest::newRow("fraction then comma") << "30.0," << intermediate;
    QTest::newRow("longitude minus") << "90,-" << intermediate;
    QTest::newRow("longitude awaiting its fraction") << "0.5,120" << intermediate;

    // Refusals that stay as they were.
    QTest::newRow("integer without fraction") << "30,120" << invalid;
    QTest::newRow("limits with a fraction") << "90.0,180.0" << invalid;
    QTest::newRow("negative limits with a fraction") << "-90.0,0" << invalid;
    QTest::newRow("nine decimals") << "1.123456789,1.5" << invalid;
    QTest::newRow("plus sign") << "+1.5,1.5" << invalid;
    QTest::newRow("space after comma") << "1.5, 1.5" << invalid;
    QTest::newRow("leading space") << " 1.5,1.5" << invalid;
    QTest::newRow("semicolon") << "1.5;1.5" << invalid;
    QTest::newRow("three parts") << "1.5,1.5,1.5" << invalid;
    QTest::newRow("latitude beyond 90") << "91.5,0" << invalid;
    QTest::newRow("latitude beyond -90") << "-90.5,0" << invalid;
    QTest::newRow("longitude beyond 180") << "0,180.5" << invalid;
    QTest::newRow("longitude beyond -180") << "0,-181.5" << invalid;
    QTest::newRow("exponent") << "1e1,0" << invalid;
    QTest::newRow("double minus") << "--1.5,0" << invalid;
    QTest::newRow("leading zero") << "05.5,0" << invalid;
    QTest::newRow("bare fraction without minus") << ".5,0" << invalid;
    QTest::newRow("minus plus") << "-+1.5,0" << invalid;
    // Qt 6's engine would let a point stand before a final line break.
    QTest::newRow("point and a line break") << "-.5,-0\n" << invalid;
    // Other scripts' digits would convert to 0.0 and give a wrong distance.
    QTest::newRow("Arabic-Indic fraction") << QString::fromUtf8("0.٥,0") << invalid;
    QTest::newRow("full-width second digit") << QString::fromUtf8("3３") << invalid;
    QTest::newRow("Devanagari longitude fraction") << QString::fromUtf8("30.5,120.५") << invalid;
}

void TestCoordinates::validatorJudgesText()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(int(judgeCoordinateText(text)), expected);
}

// An empty `point` is text that reads as no point.
void TestCoordinates::pastedTextReadsAsOnePoint_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("point");

    QTest::newRow("map service, space after the comma") << "51.50740, -0.12780" << "51.50740,-0.12780";
    QTest::newRow("southern latitude") << "-33.8688, 151.2093" << "-33.8688,151.2093";
    QTest::newRow("spreadsheet cell") << "  48.8566,2.3522 " << "48.8566,2.3522";
    QTest::newRow("tab and line end") << "48.8566,\t2.3522\r\n" << "48.8566,2.3522";
    QTest::newRow("degree signs and letters after") << "51.5074° N, 0.1278° W" << "51.5074,-0.1278";
    QTest::newRow("letters without a comma") << "33.8688°S 151.2093°E" << "-33.8688,151.2093";
    QTest::newRow("lower-case letters before") << "s33.8688 e151.2093" << "-33.8688,151.2093";
    QTest::newRow("longitude first by its letter") << "0.1278W, 51.5074N" << "51.5074,-0.1278";
    QTest::newRow("degrees, minutes, seconds") << "51°30′26″N 0°7′39″W" << "51.50722222,-0.1275";
    QTest::newRow("minutes and seconds in ASCII") << "51° 30' 26\" N, 0° 7' 39'' W" << "51.50722222,-0.1275";
    QTest::newRow("typographic marks and minus") << "51º30’26”, −0º7’39”" << "51.50722222,-0.1275";
    QTest::newRow("degrees and decimal minutes") << "N 51°30.4446′, W 0°7.65′" << "51.50741,-0.1275";
    QTest::newRow("seconds rounded half up") << "0°0′0.00009″S, 0°0′0.00027″E" << "-0.00000003,0.00000008";
    QTest::newRow("nine decimals") << "51.507351234,-0.127758999" << "51.50735123,-0.12775900";
    QTest::newRow("half rounds up on the digits") << "0.123456785, 9.999999995" << "0.12345679,10.00000000";
    QTest::newRow("rounding reaches the limits") << "-89.999999995, 179.999999999" << "-90,180";
    QTest::newRow("limits without a fraction") << "90.0° N, 180.00° W" << "90,-180";
    QTest::newRow("whole degrees get a fraction") << "48 N, 2 E" << "48.0,2.0";
    QTest::newRow("no minus on zero") << "-0.000000001, 0° W" << "0.00000000,0";
    QTest::newRow("program's form as written") << " -.5,-0" << "-.5,-0";

    QTest::newRow("a word") << "London" << "";
    QTest::newRow("one number") << "51.5074" << "";
    QTest::newRow("three values") << "51.5, -0.12, 10" << "";
    QTest::newRow("two values without comma or letter") << "51.5 -0.12" << "";
    QTest::newRow("seconds without their sign") << "51°30′26N" << "";
    QTest::newRow("latitude 91") << "91, 0" << "";
    QTest::newRow("longitude beyond 180 after rounding") << "0, 180.000000005" << "";
    QTest::newRow("S on a negative value") << "-33.8688 S, 151.2093 E" << "";
    QTest::newRow("two letters for one value") << "51.5 N S, 0.1 E" << "";
    QTest::newRow("two latitudes") << "51.5 N, 0.1 S" << "";
    QTest::newRow("sixty minutes") << "51°60′N 0°7′W" << "";
    QTest::newRow("fraction of degrees before minutes") << "51.5°30′N 0°7′W" << "";
    QTest::newRow("exponent") << "1e1, 0" << "";
    QTest::newRow("full-width digits") << "５１.５, ０.１" << "";
}

void TestCoordinates::pastedTextReadsAsOnePoint()
{
    QFETCH(QString, pasted);
    QFETCH(QString, point);
    const std::optional<QString> read = pointFromPastedText(pasted);
    QCOMPARE(read.value_or(QString()), point);
    if (!read)
        return;
    // What the reading writes, the field's validator takes whole.
    QCOMPARE(judgeCoordinateText(*read), QValidator::Acceptable);
}

void TestCoordinates::distance_data()
{
    QTest::addColumn<double>("latitude1");
    QTest::addColumn<double>("longitude1");
    QTest::addColumn<double>("latitude2");
    QTest::addColumn<double>("longitude2");
    QTest::addColumn<QString>("shown");

    QTest::newRow("nearby cities") << 30.5 << 120.3 << 31.2 << 121.5 << "138.65";
    QTest::newRow("half the equator") << 0.0 << 0.0 << 0.0 << 180.0 << "20037.5";
    QTest::newRow("pole to equator") << 90.0 << 0.0 << 0.0 << 0.0 << "10018.8";
    QTest::newRow("same point") << 30.5 << 120.3 << 30.5 << 120.3 << "0";
    QTest::newRow("tiny step prints in exponent form") << 0.0 << 0.0 << 0.0 << 0.00000001 << "1.11319e-06";
    QTest::newRow("missing longitude counts as zero") << 30.5 << 0.0 << 31.2 << 121.5 << "10799.9";
    QTest::newRow("pole to pole") << -90.0 << 0.0 << 90.0 << 0.0 << "20037.5";
    QTest::newRow("symmetric across the equator") << -30.5 << -120.3 << 30.5 << -120.3 << "6790.49";
}

void TestCoordinates::distance()
{
    QFETCH(double, latitude1);
    QFETCH(double, longitude1);
    QFETCH(double, latitude2);
    QFETCH(double, longitude2);
    QFETCH(QString, shown);
    QCOMPARE(formatDistance(computeDistance(latitude1, longitude1, latitude2, longitude2)), shown);
}

// Rounding can make the haversine term exceed one for opposite points; the
// distance must still be a number, at most half the circumference.
void TestCoordinates::antipodalPointsGiveAFiniteDistance()
{
    std::mt19937 random(20200511);
    std::uniform_real_distribution<double> latitude(-90.0, 90.0);
    std::uniform_real_distribution<double> longitude(-180.0, 0.0);
    std::uniform_real_distribution<double> nudge(-1e-7, 1e-7);
    const double halfCircumference = computeDistance(0, 0, 0, 180);
    for (int i = 0; i < 200000; ++i) {
        const double lat = latitude(random);
        const double lon = longitude(random);
        const double d = computeDistance(lat, lon, -lat + nudge(random), lon + 180.0 + nudge(random));
        if (!std::isfinite(d) || d < 0.0 || d > halfCircumference)
            QFAIL(qPrintable(QStringLiteral("%1,%2 gave %3").arg(lat, 0, 'g', 17).arg(lon, 0, 'g', 17).arg(d)));
    }
}

QTEST_APPLESS_MAIN(TestCoordinates)
#include "tst_coordinates.moc"
