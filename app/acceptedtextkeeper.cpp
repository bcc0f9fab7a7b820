#include "acceptedtextkeeper.h"

#include <QLineEdit>

AcceptedTextKeeper::AcceptedTextKeeper(QLineEdit *edit)
    : QObject(edit)
    , m_edit(edit)
    , m_announced(edit->text())
{
    rememberCaret();
    connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { m_announced = text; });
    connect(edit, &QLineEdit::cursorPositionChanged, this, &AcceptedTextKeeper::rememberCaret);
    connect(edit, &QLineEdit::selectionChanged, this, &AcceptedTextKeeper::rememberCaret);
    // Sent while the refused text is still in the field and before Qt's own
    // repair. Setting the text here also empties the history that the repair
    // would replay, and leaves nothing for undo or redo to announce.
    connect(edit, &QLineEdit::inputRejected, this, &AcceptedTextKeeper::putBack);
}

// The caret and selection as of the last announced change; a refused edit
// moves them before anything is announced.
void AcceptedTextKeeper::rememberCaret()
{
    m_cursor = m_edit->cursorPosition();
    m_selectionStart = m_edit->selectionStart();
    m_selectionLength = m_edit->selectedText().size();
}

void AcceptedTextKeeper::putBack()
{
    const int cursor = m_cursor;
    const int selectionStart = m_selectionStart;
    const int selectionLength = m_selectionLength;
    m_edit->setText(m_announced);

    const int length = m_announced.size();
    if (selectionStart >= 0 && selectionLength > 0 && selectionStart + selectionLength <= length) {
        // A selection made leftwards keeps its caret at its start.
        if (cursor == selectionStart)
            m_edit->setSelection(selectionStart + selectionLength, -selectionLength);
        else
            m_edit->setSelection(selectionStart, selectionLength);
    } else {
        m_edit->setCursorPosition(qBound(0, cursor, length));
    }
}
