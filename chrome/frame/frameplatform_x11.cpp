#include "frameplatform.h"
#include "x11connection.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <cstring>

// Qt's own system move and resize tell the window manager that the drag
// starts where the pointer is when they are asked, which is the first motion
// after the press; its distance would be lost. Sending the window manager
// message ourselves lets it start at the press.

namespace {

// Whether the running window manager announces moves and resizes on the root window.
bool windowManagerMovesAndResizes(const X11Connection &x11)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        x11.connection, xcb_get_property(x11.connection, false, x11.root, x11.supported, XCB_ATOM_ATOM, 0, 4096),
        nullptr);
    bool found = false;
    if (reply && reply->format == 32) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
        for (int i = 0; i < count && !found; ++i)
            found = atoms[i] == x11.moveResize;
    }
    std::free(reply);
    return found;
}

// The _NET_WM_MOVERESIZE direction of a move (no edges) or of a resize.
std::uint32_t direction(Qt::Edges edges)
{
    const bool top = edges & Qt::TopEdge, bottom = edges & Qt::BottomEdge;
    const bool left = edges & Qt::LeftEdge, right = edges & Qt::RightEdge;
    if (top)
        return left ? 0u : right ? 2u : 1u;
    if (bottom)
        return left ? 6u : right ? 4u : 5u;
    if (left)
        return 7;
    if (right)
        return 3;
    return 8;
}

// A logical screen point in the device pixels that X11 counts: Qt scales a
// screen's contents about its top-left corner, which it leaves in place.
QPoint nativePoint(const QWidget *window, const QPointF &point, qreal ratio)
{
    const QScreen *screen = window->windowHandle()->screen();
    const QPoint origin = screen->geometry().topLeft();
    return origin + ((point - origin) * ratio).toPoint();
}

class X11FramePlatform final : public FramePlatform
{
public:
    bool startSystemDrag(QWidget *window, Qt::Edges edges, const QPointF &pressPosition,
                         qreal ratio) const override
    {
        const X11Connection *x11 = x11Connection();
        if (!x11 || !window->windowHandle() || !windowManagerMovesAndResizes(*x11))
            return false;

        const QPoint anchor = nativePoint(window, pressPosition, ratio);
        xcb_client_message_event_t message;
        std::memset(&message, 0, sizeof message);
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = xcb_window_t(window->winId());
        message.type = x11->moveResize;
        message.data.data32[0] = std::uint32_t(anchor.x());
        message.data.data32[1] = std::uint32_t(anchor.y());
        message.data.data32[2] = direction(edges);
        message.data.data32[3] = XCB_BUTTON_INDEX_1;
        message.data.data32[4] = 1; // a normal application asks
        // The window manager grabs the pointer itself; Qt's grab must go first.
        xcb_ungrab_pointer(x11->connection, XCB_CURRENT_TIME);
        xcb_send_event(x11->connection, false, x11->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
        xcb_flush(x11->connection);
        return true;
    }
};

} // namespace

std::unique_ptr<FramePlatform> makeX11FramePlatform()
{
    return std::make_unique<X11FramePlatform>();
}
