#pragma once

// Turns on Qt's scaling for high-density screens before the application
// object exists, by the factor the desktop asks for: on Windows the
// monitor's DPI, on X11 the Xft.dpi resource that desktops set (the X
// server's own figure comes from a physical size that is often a guess, so
// without the resource the program stays at 100 %). QT_SCALE_FACTOR applies
// on top everywhere. Fractional factors are kept, and pixmaps come at the
// screen's density.
void enableHighDpiScaling();

// Whether the desktop names a scale of its own for Qt 5 to follow (Qt 6
// follows the same itself); each platform answers in a file of its own.
bool desktopAsksForScaling();
