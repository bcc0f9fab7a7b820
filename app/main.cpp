#include "corvalen.h"
#include "qwinnativeeventfilter.h"
#include "stylesheet.h"

#ifndef Q_OS_WIN
#include "qwindowframebridge.h"
#endif

#include <QApplication>
#include <QFile>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    // Lives as long as the process; the application does not own it.
    auto *frameFilter = new QWinNativeEventFilter;
    application.installNativeEventFilter(frameFilter);
#ifndef Q_OS_WIN
    // No Windows messages here: the filter is asked from Qt's events instead.
    QWindowFrameBridge frameBridge(frameFilter);
    application.installEventFilter(&frameBridge);
#endif

    QFile styleSheetFile(QStringLiteral(":/stylesheet.css"));
    applyStyleSheet(application, styleSheetFile);

    Corvalen window;
    window.show();
    return application.exec();
}
