#pragma once

class QApplication;
class QFile;

// Applies the style sheet in `file` to the whole application. The sheet is
// UTF-8 (a leading byte-order mark is dropped); a file that cannot be opened
// leaves the application unstyled, silently.
void applyStyleSheet(QApplication &application, QFile &file);
