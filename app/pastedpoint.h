#pragma once

#include <QString>

// How a pasted text reads, and why it does not read as a point.
enum class PasteReading {
    Point,              // one point, as written or converted
    Swapped,            // two bare decimals written longitude first, swapped
    NotAPoint,          // no point, or one that could be read two ways
    LatitudeBeyond90,
    LongitudeBeyond180,
};

struct PastedPoint
{
    QString text; // "latitude,longitude"; empty unless the text reads as a point
    PasteReading reading = PasteReading::NotAPoint;

    bool isPoint() const { return reading == PasteReading::Point || reading == PasteReading::Swapped; }
};

// A point written as people copy it from maps, coordinate pickers, GPS
// receivers, geocaching listings, encyclopaedias and spreadsheets, in the
// program's form "latitude,longitude"; a point only if the text is exactly
// one. Read are: whitespace around the values; a comma or a semicolon
// between them, or a tab between two spreadsheet cells; degree signs;
// degrees with minutes (their sign may go after a degree sign), or with
// minutes and seconds; a hemisphere letter N, S, E or W before or after each
// value (S and W negate it, the letters say which value is which, and the
// separator may go); two bare decimals whose first cannot be a latitude but
// whose second can, as longitude first; and the same point in several forms
// between slashes, as encyclopaedias write it. More than eight decimals are
// rounded to eight; fewer stay as written. Text already in the program's
// form comes back as it is.
PastedPoint pointFromPastedText(const QString &text);
