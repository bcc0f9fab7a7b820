#pragma once

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

// The eight black, alpha-only pieces of the dialog shadow, keyed by their
// file name: the shadow is faint above, stronger at the sides, strongest below.
// At `scale` 2 every piece is twice the size, its fall-off drawn in steps of
// half a pixel that hold the 1x darkness over each whole pixel.
std::vector<std::pair<QString, QImage>> shadowPieces(int scale = 1);
