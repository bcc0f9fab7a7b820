#include "freshaccessibleids.h"

#include <QAccessible>
#include <QAccessibleObject>

namespace {

// A number holder: an accessible object that no tree contains.
class IdHolder final : public QAccessibleObject
{
public:
    explicit IdHolder(QObject *object)
        : QAccessibleObject(object)
    {
    }
    QAccessibleInterface *parent() const override { return nullptr; }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
};

} // namespace

void holdLastAccessibleId()
{
    static QObject holder;
    static QAccessible::Id held = 0;
    if (held)
        QAccessible::deleteAccessibleInterface(held);
    held = QAccessible::registerAccessibleInterface(new IdHolder(&holder));
}
