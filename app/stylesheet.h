#pragma once

class QApplication;
class QFile;
class QString;

// Applies the style sheet in `file` to the whole application. The sheet is
// UTF-8 (a leading byte-order mark is dropped); a file that cannot be opened
// leaves the application unstyled, silently. It is applied with the rules
// for the 2x art that withHighDensityArt() adds.
void applyStyleSheet(QApplication &application, QFile &file);

// The sheet followed by a rule for each of its rules that names art with a
// 2x version, matching only the widgets of a window whose high-density
// property is set (the window's frame sets it above a ratio of 1). Qt's style
// engine would swap a url's NAME.png for NAME@2x.png itself, but it cuts
// border images in the pixels of the file it loaded, so the 1x cuts of a
// sprite strip would select the wrong part of the 2x strip: the added rules
// name the 2x art with the cuts after it doubled. Each added rule outranks
// its original by one attribute and one type, so the order among the rules
// stays; without the property the sheet acts exactly as written.
QString withHighDensityArt(const QString &sheet);
