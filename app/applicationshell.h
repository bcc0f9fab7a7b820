#pragma once

#include <QFile>

#include <memory>
#include <optional>

class QApplication;
class WindowFrameBridge;

// What start-up sets up around the main window, in this order: the answer to
// --help or --version, which ends the process instead; the native frame
// filter, kept for the life of the process; where the window system sends no
// Windows messages, the bridge that gives the frame from Qt's own events, and the substitute for the style sheet's Windows font; then the
// compiled-in style sheet. Declare it before the main window, so that the
// window is destroyed first.
class ApplicationShell final
{
public:
    // What must be set before the application object exists: scaling that
    // follows the screen, by fractional factors too, with pixmaps drawn for it.
    static void prepare();

    explicit ApplicationShell(QApplication &application);
    ~ApplicationShell();
    ApplicationShell(const ApplicationShell &) = delete;
    ApplicationShell &operator=(const ApplicationShell &) = delete;

private:
#ifndef Q_OS_WIN
    std::unique_ptr<WindowFrameBridge> m_frameBridge;
#endif
    // Made only once the filter is installed.
    std::optional<QFile> m_styleSheetFile;
};
