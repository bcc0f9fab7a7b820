#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;
class QLineEdit;

// Tells screen readers the distance once typing pauses: its label, with the
// unit, and the text of the read-only field, without the user tabbing there.
// Said once per pause, and only when the text differs from what was said
// last. Lives as the field's child.
class DistanceAnnouncer final : public QObject
{
    Q_OBJECT

public:
    DistanceAnnouncer(QLineEdit *field, const QLabel *label);

private:
    void announce();

    QLineEdit *m_field;
    const QLabel *m_label;
    QTimer m_pause;
    QString m_announced;
};
