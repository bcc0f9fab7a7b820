#include "qaboutdlg.h"

QAboutDlg::QAboutDlg(QWidget *parent)
    : QBaseDialog(parent)
{
    ui.setupUi(this);
    setTitleBar(ui.frameTitle);
}

QAboutDlg::~QAboutDlg() = default;
