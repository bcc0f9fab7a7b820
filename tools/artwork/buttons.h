#pragma once

#include <QImage>

enum class ButtonGlyph { Minimize, Maximize, Restore, Close, Version };

// A 24x96 strip of four 24x24 frames (normal, hover, pressed, disabled): the
// same glyph on a transparent background, in each state's colour.
QImage buttonStrip(ButtonGlyph glyph);
