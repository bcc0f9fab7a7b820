#include "highdpi.h"

// The system's DPI is the desktop's own choice of scale.
bool desktopAsksForScaling()
{
    return true;
}
