#pragma once

#include <QtGlobal>

// Whether a window at this device pixel ratio shows the art drawn at 2x, its
// pictures and its shadow pieces alike: scaling that art down loses less
// than scaling the 1x art up.
constexpr bool usesTwoTimesArt(qreal ratio)
{
    return ratio > 1;
}
