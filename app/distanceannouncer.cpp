#include "distanceannouncer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QLabel>
#include <QLineEdit>

namespace {

// How long typing rests before the distance is said.
constexpr int kPauseMs = 800;

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Before Qt 6.8 there is no announcement event. Orca speaks a notification
// as it shows, so the announcement is one: an accessible object without a
// widget, hence without pixels, under the field, named with the message.
class Notification final : public QAccessibleObject
{
public:
    Notification(QObject *owner, QWidget *field)
        : QAccessibleObject(owner)
        , m_field(field)
    {
    }

    void setMessage(const QString &message) { m_message = message; }

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_field); }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? m_message : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    QWidget *m_field;
    QString m_message;
};
#endif

} // namespace

DistanceAnnouncer::DistanceAnnouncer(QLineEdit *field, const QLabel *label)
    : QObject(field)
    , m_field(field)
    , m_label(label)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &DistanceAnnouncer::announce);
    connect(field, &QLineEdit::textChanged, &m_pause, qOverload<>(&QTimer::start));
}

void DistanceAnnouncer::announce()
{
    const QString text = m_field->text();
    if (text == m_announced || !QAccessible::isActive())
        return;
    m_announced = text;
    const QString message = m_label->text() + text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(m_field, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    auto *notification = static_cast<Notification *>(QAccessible::queryAccessibleInterface(this));
    if (!notification) {
        // The accessibility cache owns it and deletes it with this object.
        notification = new Notification(this, m_field);
        QAccessible::registerAccessibleInterface(notification);
    }
    notification->setMessage(message);
    QAccessibleEvent event(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
#endif
}
