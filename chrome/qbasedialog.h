#pragma once

#include "shadowpainter.h"
#include "titlebardrag.h"

#include <QDialog>
#include <QMetaObject>
#include <QPointer>

class QLightBoxWidget;

// Base of the program's dialogs: a frameless, translucent dialog that paints
// a soft shadow into a band of 10, 5, 10, 15 pixels (left, top, right,
// bottom) around its content, is dragged by the title bar that the derived
// dialog hands over, closes through the close button inside that bar and,
// on request, dims a widget of another window while it is shown.
class QBaseDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QBaseDialog(QWidget *parent = nullptr);
    ~QBaseDialog() override;

    // Dims target, or the first main window when target is null, while the
    // dialog is shown. A later call replaces the overlay.
    void enableLightBox(QWidget *target);

protected:
    // Makes titleBar the drag handle and wires the first "toolButton_close"
    // inside it; null detaches the current one.
    void setTitleBar(QWidget *titleBar);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Guarded: the target, and with it the overlay that is its Qt child, may
    // be destroyed before the dialog.
    QPointer<QWidget> m_lightBoxTarget;
    QPointer<QWidget> m_titleBar;
    QPointer<QLightBoxWidget> m_lightBox;
    QMetaObject::Connection m_closeConnection;
    TitleBarDrag m_titleBarDrag;
    ShadowPainter m_shadow;
};
