#include "emptyfieldfocus.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

bool EmptyFieldFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn)
        return false;
    auto *field = qobject_cast<QLineEdit *>(watched);
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    const bool selectsAll =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (!field || !selectsAll || !field->text().isEmpty() || !field->inputMask().isEmpty())
        return false;
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(field, &plain);
    return true;
}
