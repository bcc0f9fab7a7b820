#include "applicationshell.h"

#include "commandline.h"
#include "qwinnativeeventfilter.h"
#include "stylesheet.h"

#ifndef Q_OS_WIN
#include "qwindowframebridge.h"
#include "sheetfont.h"
#endif

#include <QApplication>

ApplicationShell::ApplicationShell(QApplication &application)
    : m_styleSheetFile(QStringLiteral(":/stylesheet.css"))
{
    answerHelpAndVersion(application);
    // Lives as long as the process; the application does not own it.
    auto *frameFilter = new QWinNativeEventFilter;
    application.installNativeEventFilter(frameFilter);
#ifndef Q_OS_WIN
    m_frameBridge = std::make_unique<QWindowFrameBridge>(frameFilter);
    application.installEventFilter(m_frameBridge.get());
    substituteSheetFontFamily();
#endif
    applyStyleSheet(application, m_styleSheetFile);
}

ApplicationShell::~ApplicationShell() = default;
