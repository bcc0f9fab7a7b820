#pragma once

#include <QString>
#include <QValidator>

// The validator of a point field. A point is typed as "latitude,longitude" in
// decimal degrees. Every value but 0, ±90 (latitude) and ±180 (longitude)
// carries a fraction of 1 to 8 digits; there is no plus sign, exponent or
// whitespace. It takes a whole point, lets a text that can still grow into
// one stand, and refuses the rest.
QValidator *newCoordinateValidator(QObject *parent);

// How that validator judges a whole text.
QValidator::State judgeCoordinateText(QString text);

// Great-circle distance in kilometres between two points given in degrees,
// by the haversine formula on a sphere of the WGS-84 equatorial radius.
double computeDistance(double latitude1, double longitude1,
                       double latitude2, double longitude2);

// The distance as shown to the user: six significant digits.
QString formatDistance(double kilometres);
