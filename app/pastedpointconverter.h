#pragma once

#include <QClipboard>
#include <QObject>

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
// Text that reads as no point takes Qt's own way.
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
    bool pasteSelectionAtCaret();
    bool drop(QDropEvent *event);
    void convertPasteOf(QMenu *menu);
    bool pasteFrom(QClipboard::Mode mode);
    void insertAsOneUndoStep(const QString &text);
    void closeUndoStep();

    QLineEdit *m_edit;
};
