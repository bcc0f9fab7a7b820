#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// Keeps a line edit with a validator on the last text it announced whenever
// the validator refuses an edit. Qt puts a refused edit right by replaying
// its undo history backwards, and Qt 5.15 can leave a stale cursor or
// selection in that history after a redo: the replay then ends on a text the
// validator refuses, without any change signal (or undo and redo bring such a
// text back themselves). The keeper puts back the announced text, caret and
// selection itself, so the field never depends on that history; the price is
// that a refused edit also clears the field's undo steps.
class AcceptedTextKeeper final : public QObject
{
    Q_OBJECT

public:
    // Watches `edit` for as long as it lives; owned by it.
    explicit AcceptedTextKeeper(QLineEdit *edit);

private:
    void rememberCaret();
    void putBack();

    QLineEdit *m_edit;
    QString m_announced;
    int m_cursor = 0;
    int m_selectionStart = -1;
    int m_selectionLength = 0;
};
