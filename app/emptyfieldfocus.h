#pragma once

#include <QObject>

// Lets a screen reader announce an empty text field that is tabbed into.
// A field reached by Tab selects all its text, and for an empty field that
// is a caret move, which Qt reports before it reports the focus; Orca, having
// followed the caret into the field, then skipped the field's label and role.
// An empty field has nothing to select, so it takes such a focus as a plain
// one. Watches the whole application.
class EmptyFieldFocus final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
