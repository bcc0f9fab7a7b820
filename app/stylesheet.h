#pragma once

class QApplication;
class QFile;
class QString;

// Applies the style sheet in `file` to the whole application. The sheet is
// UTF-8 (a leading byte-order mark is dropped); a file that cannot be opened
// leaves the application unstyled, silently. Above a device pixel ratio of 1
// it is applied as styleSheetForRatio() adapts it.
void applyStyleSheet(QApplication &application, QFile &file);

// The sheet for screens of `ratio` device pixels per unit. Qt's style engine
// swaps a url's NAME.png for NAME@2x.png above a ratio of 1, but cuts border
// images in the pixels of the file it loaded, so the 1x cuts of a sprite
// strip would select the wrong part of the 2x strip. Above 1, every url that
// has a 2x version therefore names it, with the cuts that follow doubled;
// at 1 the sheet is returned unchanged.
QString styleSheetForRatio(const QString &sheet, double ratio);
