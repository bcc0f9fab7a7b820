#pragma once

#include <QImage>

// 14x70 strips of five 14x14 frames: unchecked, checked, unchecked under the
// mouse, unchecked and disabled, checked and disabled. At `scale` 2 the
// strips are 28x140: the 1x check box is placed pixel by pixel, its 2x frames
// are drawn as shapes (a box with rounded corners, a stroked check mark)
// sampled at that size.
QImage checkBoxStrip(int scale = 1);
QImage radioButtonStrip(int scale = 1);
