#include "qaboutdlg.h"

QAboutDlg::QAboutDlg(QWidget *parent)
    : QBaseDialog(parent)
{
    ui.setupUi(this);
    setTitleBar(ui.frameTitle);
    // The card itself holds the focus when it opens, so that its close button
    // shows the focus square only once a keyboard user tabs to it; Escape
    // closes the card either way.
    setFocus(Qt::OtherFocusReason);
}

QAboutDlg::~QAboutDlg() = default;
