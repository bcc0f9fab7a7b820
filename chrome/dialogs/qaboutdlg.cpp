#include "qaboutdlg.h"

#include "dialogtexts.h"

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

void QAboutDlg::showEvent(QShowEvent *event)
{
#ifndef Q_OS_WIN
    // Orca reads the texts of a dialog as it opens only where they run to
    // three words, and the card's are single words and a version; without
    // such texts it reads the description, so here that carries them.
    setAccessibleDescription(dialogTexts(this));
#endif
    QBaseDialog::showEvent(event);
}
