#include "coordinates.h"

#include <QtGlobal>
// Qt 6 has no QRegExp; its QRegularExpression engine judges partial points
// as QRegExp does (the tests hold both builds to the same table).
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QRegularExpressionValidator>
#else
#include <QRegExpValidator>
#endif

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr double kEarthRadiusKm = 6378.137;
constexpr double kPi = 3.141592653589793;

double toRadians(double degrees)
{
    return (degrees * kPi) / 180.0;
}

// Both validators match the whole text themselves. The pattern has no anchors
// of its own: Qt 6's engine lets $ match before a final line break, so a
// point followed by one would be let stand there, where Qt 5 refuses it.
QString coordinatePattern()
{
    // "-.5" is its own form; every other form may carry a leading minus.
    // Digits are ASCII only: the regular expression's \d takes any script's
    // digits, which the number conversion then reads as 0.0.
    const QString fraction = QStringLiteral("\\.[0-9]{1,8}");
    const QString latitude = QStringLiteral("(-%1|-?([1-9]%1|[1-8][0-9]%1|90|0(%1)?))").arg(fraction);
    const QString longitude = QStringLiteral("(-%1|-?([1-9][0-9]?%1|1[0-7][0-9]%1|180|0(%1)?))").arg(fraction);
    return QStringLiteral("%1,%2").arg(latitude, longitude);
}

} // namespace

QValidator *newCoordinateValidator(QObject *parent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return new QRegularExpressionValidator(QRegularExpression(coordinatePattern()), parent);
#else
    return new QRegExpValidator(QRegExp(coordinatePattern(), Qt::CaseSensitive, QRegExp::RegExp), parent);
#endif
}

QValidator::State judgeCoordinateText(QString text)
{
    const std::unique_ptr<QValidator> validator(newCoordinateValidator(nullptr));
    int position = int(text.size());
    return validator->validate(text, position);
}

double computeDistance(double latitude1, double longitude1,
                       double latitude2, double longitude2)
{
    const double phi1 = toRadians(latitude1);
    const double lambda1 = toRadians(longitude1);
    const double phi2 = toRadians(latitude2);
    const double lambda2 = toRadians(longitude2);

    const double s = std::sin((phi1 - phi2) * 0.5);
    const double a = s * s;
    const double t = std::sin((lambda1 - lambda2) * 0.5);
    const double b = t * t;
    const double h = (std::cos(phi2) * std::cos(phi1)) * b + a;

    // Rounding can push h a hair above 1 for near-antipodal points, and
    // asin of a root above 1 is NaN.
    return (std::asin(std::sqrt(std::min(h, 1.0))) * 2.0) * kEarthRadiusKm;
}

QString formatDistance(double kilometres)
{
    return QString::number(kilometres, 'g', 6);
}
