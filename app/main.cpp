#include "corvalen.h"
#include "stylesheet.h"

#include <QApplication>
#include <QFile>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    QFile styleSheetFile(QStringLiteral(":/stylesheet.css"));
    applyStyleSheet(application, styleSheetFile);

    Corvalen window;
    window.show();
    return application.exec();
}
