#pragma once

#include <QObject>

class QWidget;

// Lets Enter press the focused button of a title bar, as Space does: Windows
// users press either, and Qt's tool buttons take only Space. Lives as the
// title bar's child; one per bar.
class TitleButtonKeys final : public QObject
{
    Q_OBJECT

public:
    static void attach(QWidget *titleBar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TitleButtonKeys(QWidget *titleBar);
};
