#include "highdpi.h"

#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdlib>

// Qt takes the factor from Xft.dpi where it is set, else from the X server's
// figure, which is left out: whether the X resources on the root window of
// the display that Qt will open name an Xft.dpi. Asked on a short connection
// of its own, as the application's does not exist yet.
bool desktopAsksForScaling()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return false;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    bool found = false;
    if (!xcb_connection_has_error(connection)) {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            connection,
            xcb_get_property(connection, false, screen->root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 65536),
            nullptr);
        if (reply) {
            const QByteArray resources(static_cast<const char *>(xcb_get_property_value(reply)),
                                       xcb_get_property_value_length(reply));
            found = resources.startsWith("Xft.dpi:") || resources.contains("\nXft.dpi:");
            std::free(reply);
        }
    }
    xcb_disconnect(connection);
    return found;
}
