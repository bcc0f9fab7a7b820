#pragma once

// The frame of the program's frameless windows, in Qt terms: which grip band
// lies under a point, the margins a window keeps for its shadow, and its
// layout while maximised. The Windows message filter and the Qt event bridge
// both ask here, so the compositor decision and the margins live in one place.

#include <QMargins>
#include <QPoint>
#include <Qt>

class QMainWindow;
class QWidget;

namespace WindowFrame {

// Makes a main window frameless and translucent, sized by its grip bands and
// with a shadow margin on every side. Call it once, from the constructor.
void makeFrameless(QMainWindow *window);

// Records the margins in which a frameless window draws its shadow and lays
// the window out with them; its size includes them. While no compositor
// blends the desktop the window keeps no margins at all, since its
// transparent pixels would show black: followCompositor drops them.
void setShadowMargins(QWidget *window, const QMargins &margins);

// The margins of the window's normal layout as the desktop is now.
QMargins normalMargins(const QWidget *window);

// Brings a recorded window's margins in line with the compositor, keeping the
// size of its visible content, and its place once the window has been placed.
// Maximised windows wait until they are restored. Called as a window is
// shown or activated, and for every window when the compositor comes or goes.
void followCompositor(QWidget *window);

// The grip edges under a screen point of a frameless main window whose size
// is not fixed; none while it is maximised or full screen.
Qt::Edges edgesAt(const QWidget *window, const QPoint &globalPosition);

// Lays a recorded main window out for its window state where the window
// manager places a maximised window on the work area itself: no margins while
// maximised, the normal ones otherwise, and the maximise button's picture.
void followWindowState(QWidget *window);

// Sets the maximise button's "maximizeProperty" and re-polishes it, so that
// the style sheet shows the restore picture while maximised; nothing is
// written when the property already says so.
void showMaximizedState(QWidget *window, bool maximized);

} // namespace WindowFrame
