#pragma once

#include <QLabel>
#include <QTimer>

// A short message under a field, in a tool-tip window of its own: it covers
// none of the form's pixels, and it leaves by itself after a few seconds, or
// at the next key or click anywhere in the program.
class FieldNotice final : public QLabel
{
    Q_OBJECT

public:
    // Belongs to `field`, and goes with it.
    explicit FieldNotice(QWidget *field);

    void showMessage(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *m_field;
    QTimer m_timeout;
};
