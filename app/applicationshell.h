#pragma once

#include <QFile>

#include <optional>

class QApplication;

// What start-up sets up around the main window, in this order: the answer to
// --help or --version, which ends the process instead; on Windows the native
// frame filter, kept for the life of the process, and elsewhere the
// substitute for the style sheet's Windows font and the filter that lets
// screen readers announce an empty field tabbed into; then the compiled-in
// style sheet. Declare it before the main window, so that the window is
// destroyed first.
class ApplicationShell final
{
public:
    // What must be set before the application object exists: scaling that
    // follows the screen, by fractional factors too, with pixmaps drawn for it.
    static void prepare();

    explicit ApplicationShell(QApplication &application);
    ~ApplicationShell();

    // The exit code of the event loop, for main to return. On Wayland with
    // Qt 5 the process ends here instead: as Qt 5.15's Wayland client tears
    // its connection down, one of its event threads can be stopped after a
    // read was prepared for it and before it polls, and the other then waits
    // for that read for ever. Nothing of the program's needs the teardown.
    int leave(int exitCode);
    ApplicationShell(const ApplicationShell &) = delete;
    ApplicationShell &operator=(const ApplicationShell &) = delete;

private:
    // Made only once the filter is installed.
    std::optional<QFile> m_styleSheetFile;
};
