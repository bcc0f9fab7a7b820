#pragma once

#include <QImage>

enum class ButtonGlyph { Minimize, Maximize, Restore, Close, Version };

// A 24x96 strip of four 24x24 frames (normal, hover, pressed, disabled): the
// same glyph on a transparent background, in each state's colour. At `scale`
// 2 the strip is 48x192, the glyph's shapes sampled at that size.
QImage buttonStrip(ButtonGlyph glyph, int scale = 1);
