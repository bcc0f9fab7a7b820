#pragma once

#include <QString>

#include <optional>

// A point written as people copy it from maps, encyclopaedias and
// spreadsheets, in the program's form "latitude,longitude"; nothing unless
// the text is exactly one point. Read are: whitespace around the values and
// the comma; degree signs; degrees with minutes, or with minutes and
// seconds; a hemisphere letter N, S, E or W before or after each value (S
// and W negate it, the letters say which value is which, and the comma may
// go). More than eight decimals are rounded to eight; fewer stay as written.
// Text already in the program's form comes back as it is.
std::optional<QString> pointFromPastedText(const QString &text);
