#include "launch.h"

#include "benchoptions.h"
#include "timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWidget>

#include <cstdio>

namespace {

// Notes when a window has painted for the first time: itself or any of its
// widgets, as opaque content may cover the whole window.
class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(const QWidget *window)
        : m_window(window)
    {
    }

    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        painted = painted
            || (event->type() == QEvent::Paint && watched->isWidgetType()
                && static_cast<QWidget *>(watched)->window() == m_window);
        return false;
    }

private:
    const QWidget *m_window;
};

} // namespace

int showUntilFirstFrame(WindowKind kind)
{
    const auto window = makeWindow(kind);
    FirstPaint firstPaint(window.get());
    qApp->installEventFilter(&firstPaint);
    window->show();
    while (!firstPaint.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("painted %.0f\n", cpuMicros());
    std::fflush(stdout);
    return 0;
}

Launch measureLaunch(WindowKind kind)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kFirstFrameOption), windowKindName(kind)});
    child.waitForReadyRead(30000);
    Launch launch;
    launch.waitedMicros = timer.nsecsElapsed() / 1000.0;
    child.waitForFinished(30000);
    launch.cpuMicros = child.readAll().split(' ').value(1).trimmed().toDouble();
    return launch;
}
