#include "stylesheet.h"

#include <QApplication>
#include <QFile>

void applyStyleSheet(QApplication &application, QFile &file)
{
    if (!file.open(QIODevice::ReadOnly))
        return;
    application.setStyleSheet(QString::fromUtf8(file.readAll()));
    file.close();
}
