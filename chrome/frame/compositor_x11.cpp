#include "compositor.h"
#include "x11connection.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>
#include <functional>

namespace {

// The XFixes extension's first event number, or 0 where the server lacks it.
std::uint8_t xfixesFirstEvent(xcb_connection_t *connection)
{
    static const char name[] = "XFIXES";
    xcb_query_extension_reply_t *reply =
        xcb_query_extension_reply(connection, xcb_query_extension(connection, sizeof name - 1, name), nullptr);
    const std::uint8_t first = reply && reply->present ? reply->first_event : 0;
    std::free(reply);
    return first;
}

// Qt already asks XFixes to report changes of the compositing manager's
// selection owner; this filter only notices them go by. Any selection change
// is a reason to look, and looking is cheap.
class SelectionWatch final : public QAbstractNativeEventFilter
{
public:
    SelectionWatch(std::uint8_t selectionNotify, std::function<void()> onChange)
        : m_selectionNotify(selectionNotify)
        , m_onChange(std::move(onChange))
    {
    }

    // Qt 6 passes the result as a qintptr, Qt 5 as a long.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
#else
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *) override
#endif
    {
        if (eventType == QByteArrayLiteral("xcb_generic_event_t")
            && (static_cast<xcb_generic_event_t *>(message)->response_type & 0x7F) == m_selectionNotify)
            m_onChange();
        return false;
    }

private:
    std::uint8_t m_selectionNotify;
    std::function<void()> m_onChange;
};

} // namespace

Compositor::Compositor()
    : QObject(QCoreApplication::instance())
    , m_active(isActive())
{
    const X11Connection *x11 = x11Connection();
    if (!x11)
        return;
    // XFixes' selection notify is the extension's first event.
    const std::uint8_t selectionNotify = xfixesFirstEvent(x11->connection);
    if (!selectionNotify)
        return;
    // Queued, so that Qt has taken in the new owner before it is asked.
    m_selectionWatch = std::make_unique<SelectionWatch>(selectionNotify, [this] {
        QTimer::singleShot(0, this, [this] { recheck(); });
    });
    QCoreApplication::instance()->installNativeEventFilter(m_selectionWatch.get());
}

Compositor::~Compositor()
{
    // Gone with the application otherwise: no events come after it.
    if (m_selectionWatch && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(m_selectionWatch.get());
}

bool Compositor::isActive() const
{
    const X11Connection *x11 = x11Connection();
    if (!x11)
        return true;
    xcb_get_selection_owner_reply_t *reply = xcb_get_selection_owner_reply(
        x11->connection, xcb_get_selection_owner(x11->connection, x11->compositorSelection), nullptr);
    const bool owned = reply && reply->owner != XCB_NONE;
    std::free(reply);
    return owned;
}
