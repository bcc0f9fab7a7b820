#include "launch.h"

#include "benchoptions.h"
#include "timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWidget>

#include <cstdio>

namespace {

// Notes when a window has painted itself for the first time.
class FirstPaint final : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

int showUntilFirstFrame(WindowKind kind)
{
    const auto window = makeWindow(kind);
    FirstPaint firstPaint;
    window->installEventFilter(&firstPaint);
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
