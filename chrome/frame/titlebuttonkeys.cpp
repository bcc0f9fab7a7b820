#include "titlebuttonkeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

void TitleButtonKeys::attach(QWidget *titleBar)
{
    if (!titleBar->findChild<TitleButtonKeys *>(QString(), Qt::FindDirectChildrenOnly))
        new TitleButtonKeys(titleBar);
}

TitleButtonKeys::TitleButtonKeys(QWidget *titleBar)
    : QObject(titleBar)
{
    const QList<QAbstractButton *> buttons = titleBar->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons)
        button->installEventFilter(this);
}

bool TitleButtonKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() | Qt::KeypadModifier) != Qt::KeypadModifier)
        return false;
    // A held key presses once, as Space does.
    if (!key->isAutoRepeat())
        static_cast<QAbstractButton *>(watched)->click();
    return true;
}
