#include "compositor.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>
#include <QX11Info>

#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>

namespace {

// The XFixes extension's first event number, or 0 where the server lacks it.
std::uint8_t xfixesFirstEvent()
{
    xcb_connection_t *connection = QX11Info::connection();
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

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *) override
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
    if (!QX11Info::isPlatformX11())
        return;
    // XFixes' selection notify is the extension's first event.
    const std::uint8_t selectionNotify = xfixesFirstEvent();
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
    return !QX11Info::isPlatformX11() || QX11Info::isCompositingManagerRunning();
}
