#include "applicationshell.h"

#include "commandline.h"
#include "highdpi.h"
#include "stylesheet.h"

#ifdef Q_OS_WIN
#include "qwinnativeeventfilter.h"
#else
#include "emptyfieldfocus.h"
#include "sheetfont.h"
#endif

#include <QApplication>

#include <cstdio>
#include <cstdlib>

void ApplicationShell::prepare()
{
    enableHighDpiScaling();
}

ApplicationShell::ApplicationShell(QApplication &application)
{
    answerHelpAndVersion(application);
#ifdef Q_OS_WIN
    // Lives as long as the process; the application does not own it.
    application.installNativeEventFilter(new QWinNativeEventFilter);
#else
    substituteSheetFontFamily();
    application.installEventFilter(new EmptyFieldFocus(&application));
#endif
    m_styleSheetFile.emplace(QStringLiteral(":/stylesheet.css"));
    applyStyleSheet(application, *m_styleSheetFile);
}

ApplicationShell::~ApplicationShell() = default;

int ApplicationShell::leave(int exitCode)
{
    // Qt 6's Wayland client tears down without the hang.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
#endif
    return exitCode;
}
