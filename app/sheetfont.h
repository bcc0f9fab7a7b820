#pragma once

#include <QString>
#include <QStringList>

// The style sheet's font family, a face that only Windows installs.
QString sheetFontFamily();

// CJK sans faces that carry Latin and Chinese alike, in order of preference:
// the one Debian's package of the program depends on, then the one most
// other distributions carry.
QStringList sheetFontSubstitutes();

// Where the sheet's face is missing, fontconfig would pick a Latin fallback
// for every font the sheet sets and take the Chinese glyphs from yet another
// face. This maps the sheet's family to the substitutes; font matching takes
// the first of them that is installed, so that one designed face renders all
// text, as on Windows. Call it before the sheet is applied.
void substituteSheetFontFamily();
