#pragma once

#include "qbasedialog.h"
#include "ui_qaboutdlg.h"

// The About card: program name, version and developer on a white card with
// a title strip, over the dimmed main window.
class QAboutDlg final : public QBaseDialog
{
    Q_OBJECT

public:
    explicit QAboutDlg(QWidget *parent = nullptr);
    ~QAboutDlg() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Ui::QAboutDlg ui;
};
