#pragma once

#include <QFile>

#include <memory>

class QApplication;
class QWindowFrameBridge;

// What start-up sets up around the main window, in this order: the answer to
// --help or --version, which ends the process instead; the native frame
// filter, kept for the life of the process; where the window system sends no
// Windows messages, the bridge that puts the filter's questions from Qt's own
// events, and the substitute for the style sheet's Windows font; then the
// compiled-in style sheet. Declare it before the main window, so that the
// window is destroyed first.
class ApplicationShell
{
public:
    explicit ApplicationShell(QApplication &application);
    ~ApplicationShell();

private:
#ifndef Q_OS_WIN
    std::unique_ptr<QWindowFrameBridge> m_frameBridge;
#endif
    QFile m_styleSheetFile;
};
