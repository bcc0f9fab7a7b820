#include "applicationshell.h"
#include "corvalen.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ApplicationShell::prepare();
    QApplication application(argc, argv);
    ApplicationShell shell(application);

    Corvalen window;
    window.show();
    return shell.leave(application.exec());
}
