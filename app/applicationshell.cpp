#include "applicationshell.h"

#include "commandline.h"
#include "highdpi.h"
#include "qwinnativeeventfilter.h"
#include "stylesheet.h"

#ifndef Q_OS_WIN
#include "sheetfont.h"
#include "windowframebridge.h"
#endif

#include <QApplication>

void ApplicationShell::prepare()
{
    enableHighDpiScaling();
}

ApplicationShell::ApplicationShell(QApplication &application)
{
    answerHelpAndVersion(application);
    // Lives as long as the process; the application does not own it.
    auto *frameFilter = new QWinNativeEventFilter;
    application.installNativeEventFilter(frameFilter);
#ifndef Q_OS_WIN
    m_frameBridge = std::make_unique<WindowFrameBridge>();
    application.installEventFilter(m_frameBridge.get());
    substituteSheetFontFamily();
#endif
    m_styleSheetFile.emplace(QStringLiteral(":/stylesheet.css"));
    applyStyleSheet(application, *m_styleSheetFile);
}

ApplicationShell::~ApplicationShell() = default;
