#pragma once

#include <QImage>

// The program's 128x128 logo: a globe with a great-circle route between two
// points, drawn with strokes heavy enough to read at 24x24 in the title bar.
// At `scale` 2 the same drawing is rendered at 256x256.
QImage logo(int scale = 1);
