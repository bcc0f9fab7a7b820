#include "pastedpointconverter.h"

#include "pastedpoint.h"

#include <QAction>
#include <QChildEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

PastedPointConverter::PastedPointConverter(QLineEdit *edit)
    : QObject(edit)
    , m_edit(edit)
{
    edit->installEventFilter(this);
}

bool PastedPointConverter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || m_edit->isReadOnly())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return pasteKey(static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton && pasteSelectionAtCaret();
    case QEvent::Drop:
        return drop(static_cast<QDropEvent *>(event));
    case QEvent::ChildPolished:
        // Qt makes the context menu afresh for every right click and
        // polishes it, with all its actions, just before it shows.
        if (auto *menu = qobject_cast<QMenu *>(static_cast<QChildEvent *>(event)->child()))
            convertPasteOf(menu);
        return false;
    default:
        return false;
    }
}

bool PastedPointConverter::pasteKey(QKeyEvent *event)
{
    // Asked for every key typed: the platform's list is looked up once, not
    // for each key as QKeyEvent::matches would.
    static const QList<QKeySequence> pasteKeys = QKeySequence::keyBindings(QKeySequence::Paste);
    const int pressed = int(event->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier)) | event->key();
    if (!pasteKeys.contains(QKeySequence(pressed)))
        return false;
    // Ctrl+Shift+Insert pastes the X11 selection under Qt's plain X11 key
    // scheme but the clipboard under the desktops' schemes, and Qt does not
    // say which scheme applies: that key keeps Qt's own paste.
    if (event->key() == Qt::Key_Insert && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return pasteFrom(QClipboard::Clipboard);
}

// As Qt's own middle click: at the caret that the press put down, never over
// the selection.
bool PastedPointConverter::pasteSelectionAtCaret()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        return false;
    const std::optional<QString> point = pointFromPastedText(clipboard->text(QClipboard::Selection));
    if (!point)
        return false;
    m_edit->deselect();
    insertAsOneUndoStep(*point);
    return true;
}

bool PastedPointConverter::drop(QDropEvent *event)
{
    // A drag within the field moves its own text.
    if (event->source() == m_edit)
        return false;
    const std::optional<QString> point = pointFromPastedText(event->mimeData()->text());
    if (!point)
        return false;

    // Qt's own drop, which puts the caret at the pointer, with the point in
    // the program's form as the dropped text. It goes straight to the field:
    // sent the usual way, it would come back through this filter and end the
    // drag that the original drop still belongs to.
    QMimeData converted;
    converted.setText(*point);
    // Qt 6 renamed the drop's position, buttons and modifiers.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QDropEvent convertedDrop(event->position(), event->possibleActions(), &converted, event->buttons(),
                             event->modifiers());
#else
    QDropEvent convertedDrop(event->posF(), event->possibleActions(), &converted, event->mouseButtons(),
                             event->keyboardModifiers());
#endif
    // Qt's drop takes the selection away anyway; taken away first, it leaves
    // the caret free to close the undo step.
    m_edit->deselect();
    closeUndoStep();
    static_cast<QObject *>(m_edit)->event(&convertedDrop);
    closeUndoStep();
    event->setDropAction(convertedDrop.dropAction());
    event->setAccepted(convertedDrop.isAccepted());
    return true;
}

// The menu's Paste is the action that Qt connects to the field's paste slot.
void PastedPointConverter::convertPasteOf(QMenu *menu)
{
    for (QAction *action : menu->actions()) {
        if (QObject::disconnect(action, SIGNAL(triggered()), m_edit, SLOT(paste())))
            connect(action, &QAction::triggered, this, [this] {
                if (!pasteFrom(QClipboard::Clipboard))
                    m_edit->paste();
            });
    }
}

bool PastedPointConverter::pasteFrom(QClipboard::Mode mode)
{
    const std::optional<QString> point = pointFromPastedText(QGuiApplication::clipboard()->text(mode));
    if (point)
        insertAsOneUndoStep(*point);
    return point.has_value();
}

// Nothing typed before or after joins the paste in one undo step, as with
// Qt's own paste.
void PastedPointConverter::insertAsOneUndoStep(const QString &text)
{
    closeUndoStep();
    m_edit->insert(text);
    closeUndoStep();
}

// A line edit closes its undo step whenever the caret moves, and offers no
// other way to close one: the caret steps aside and back. Over a selection
// there is no need (taking the selection out opens a step of its own) and
// no room (the step would drop the selection).
void PastedPointConverter::closeUndoStep()
{
    if (m_edit->hasSelectedText() || m_edit->text().isEmpty())
        return;
    const int caret = m_edit->cursorPosition();
    m_edit->setCursorPosition(caret > 0 ? caret - 1 : caret + 1);
    m_edit->setCursorPosition(caret);
}
