#pragma once

#include <xcb/xcb.h>

// What the X11 parts of the frame ask the X server through: Qt's own
// connection (a pointer grab or a request must come from the client that
// Qt's windows belong to), the root window of Qt's screen, and the atoms they
// name, interned once per connection.
struct X11Connection
{
    xcb_connection_t *connection;
    xcb_window_t root;
    // The compositing manager's selection of Qt's screen, _NET_WM_CM_S<n>.
    xcb_atom_t compositorSelection;
    xcb_atom_t supported;
    xcb_atom_t moveResize;
};

// Null unless the application runs on X11.
const X11Connection *x11Connection();
