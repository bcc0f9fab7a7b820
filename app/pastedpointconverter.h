#pragma once

#include "pastedpoint.h"

#include <QObject>

#include <functional>

class FieldNotice;
class QDropEvent;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QString;

// Lets a point that is pasted into a line edit in a form people copy it in
// go in as the program's form "latitude,longitude" (pointFromPastedText):
// from the paste keys, the context menu's Paste, the X11 middle click and a
// drop from elsewhere. The converted text goes where Qt's own paste would put
// the pasted text, as one undo step, and the field's validator judges it.
// Text that reads as no point takes Qt's own way. A paste that the field
// refuses, or a point read longitude first and swapped, is said in a short
// notice under the field; typing says nothing.
class PastedPointConverter final : public QObject
{
    Q_OBJECT

public:
    // Watches `edit` for as long as it lives; owned by it.
    explicit PastedPointConverter(QLineEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pasteKey(QKeyEvent *event);
    bool pasteSelectionAtPointer();
    bool drop(QDropEvent *event);
    void convertPasteOf(QMenu *menu);
    void pasteClipboard();
    // Reads `pasted`, has `put` put it in as the route does (the point, or
    // else the text as Qt would), then says what went wrong or was done.
    void paste(const QString &pasted, const std::function<void(const PastedPoint &)> &put);
    void insertAsOneUndoStep(const QString &text);
    void closeUndoStep();

    QLineEdit *m_edit;
    FieldNotice *m_notice;
};
