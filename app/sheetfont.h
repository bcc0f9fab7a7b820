#pragma once

#include <QString>

// The style sheet's font family, a face that only Windows installs.
QString sheetFontFamily();

// Where that face is missing, fontconfig picks a Latin fallback for every
// font the sheet sets and takes the Chinese glyphs from yet another face.
// Maps the sheet's family to an installed CJK sans that carries both, so
// that one designed face renders all text as on Windows. Call it after the
// application object exists and before the sheet is applied. Returns the
// family used, or an empty string when none is installed.
QString substituteSheetFontFamily();
