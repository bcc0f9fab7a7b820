#pragma once

#include "ui_corvalen.h"

#include <QMainWindow>
#include <QStringList>

class QLineEdit;
class WindowFrame;

// The main window: a frameless, translucent window with its own title bar
// and the live great-circle distance between two typed points.
class Corvalen final : public QMainWindow
{
    Q_OBJECT

public:
    explicit Corvalen(QWidget *parent = nullptr);
    ~Corvalen() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void on_toolButton_min_clicked();
    void on_toolButton_max_clicked();
    void on_toolButton_close_clicked();

private:
    void setCoordinateValidator(QLineEdit *edit);
    void takePointText(const QString &text, QStringList &parts);
    void updateDistance();

    Ui::CorvalenClass ui;
    QStringList m_listPoint1;
    QStringList m_listPoint2;
    WindowFrame *m_frame = nullptr;
};
