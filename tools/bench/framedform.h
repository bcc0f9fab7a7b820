#pragma once

#include "ui_corvalen.h"

#include <QMainWindow>

// The main window's form, style sheet and texts in an ordinary main window:
// the window system's frame, no translucency, no shadow and no title-bar
// logic. What the program costs beyond this is what its chrome costs.
class FramedForm final : public QMainWindow
{
public:
    FramedForm()
    {
        ui.setupUi(this);
        ui.lineEditPoint1->setFocus(Qt::OtherFocusReason);
    }

    QLineEdit *firstField() const { return ui.lineEditPoint1; }
    QLineEdit *secondField() const { return ui.lineEditPoint2; }

private:
    Q_DISABLE_COPY(FramedForm)

    Ui::CorvalenClass ui;
};
