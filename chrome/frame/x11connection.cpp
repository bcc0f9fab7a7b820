#include "x11connection.h"

#include <QByteArray>
#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// All the atoms asked at once: one round trip.
void internAtoms(X11Connection &x11, int screen)
{
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(screen);
    const QByteArray names[] = {selection, QByteArrayLiteral("_NET_SUPPORTED"),
                                QByteArrayLiteral("_NET_WM_MOVERESIZE")};
    xcb_atom_t *const atoms[] = {&x11.compositorSelection, &x11.supported, &x11.moveResize};
    xcb_intern_atom_cookie_t cookies[3];
    for (int i = 0; i < 3; ++i)
        cookies[i] = xcb_intern_atom(x11.connection, false, std::uint16_t(names[i].size()), names[i].constData());
    for (int i = 0; i < 3; ++i) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(x11.connection, cookies[i], nullptr);
        *atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
    }
}

} // namespace

const X11Connection *x11Connection()
{
    static std::unique_ptr<X11Connection> current;
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    // Qt's xcb platform answers the same names on Qt 5 and Qt 6.
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    auto *connection = static_cast<xcb_connection_t *>(native->nativeResourceForIntegration("connection"));
    if (!connection)
        return nullptr;
    if (current && current->connection == connection)
        return current.get();
    current = std::make_unique<X11Connection>();
    current->connection = connection;
    current->root = xcb_window_t(reinterpret_cast<quintptr>(native->nativeResourceForIntegration("rootwindow")));
    internAtoms(*current, int(reinterpret_cast<qintptr>(native->nativeResourceForIntegration("x11screen"))));
    return current.get();
}
