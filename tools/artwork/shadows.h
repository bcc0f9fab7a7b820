#pragma once

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

// The eight black, alpha-only pieces of the dialog shadow, keyed by their
// file name: the shadow is faint above, stronger at the sides, strongest below.
std::vector<std::pair<QString, QImage>> shadowPieces();
