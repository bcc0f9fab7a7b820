#pragma once

#include <QImage>

// 14x70 strips of five 14x14 frames: unchecked, checked, unchecked under the
// mouse, unchecked and disabled, checked and disabled.
QImage checkBoxStrip();
QImage radioButtonStrip();
