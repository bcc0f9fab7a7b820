#include "liveresize.h"

#include "benchoptions.h"
#include "childprocess.h"

#include <QApplication>
#include <QProcess>
#include <QSize>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Where the series starts, a size no window of the benchmark opens at.
const QSize kStart(760, 190);

// The window widens and heightens by 2 and 1 pixels a step, then shrinks
// back the same way, as a corner dragged out and back in.
QSize sizeAt(int step)
{
    const int half = kLiveResizeSizes / 2;
    const int out = step < half ? step + 1 : kLiveResizeSizes - step - 1;
    return kStart + QSize(2 * out, out);
}

// Asks for the size and waits until the child has painted at it.
bool resizeAndWait(QProcess &child, const QString &window, const QSize &size)
{
    if (QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), window,
                                                       QString::number(size.width()),
                                                       QString::number(size.height())})
        != 0)
        return false;
    const QByteArray painted = "painted " + QByteArray::number(size.width()) + ' ' + QByteArray::number(size.height());
    for (QByteArray line = nextLine(child); !line.isEmpty(); line = nextLine(child)) {
        if (line == painted)
            return true;
    }
    return false;
}

// Says "painted WIDTH HEIGHT" once the window has painted at a size other
// than the last one said, after all of that paint is done: any of its
// widgets may paint, as opaque content may cover the whole window.
class PaintedSizes final : public QObject
{
public:
    explicit PaintedSizes(const QWidget *window)
        : m_window(window)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_reportPending && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window) {
            m_reportPending = true;
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report()
    {
        m_reportPending = false;
        if (m_window->size() == m_said)
            return;
        m_said = m_window->size();
        std::printf("painted %d %d\n", m_said.width(), m_said.height());
        std::fflush(stdout);
    }

    const QWidget *m_window;
    QSize m_said;
    bool m_reportPending = false;
};

} // namespace

LiveResize measureLiveResize(WindowKind kind)
{
    LiveResize result;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kResizeTargetOption), windowKindName(kind)});
    QByteArray ready = nextLine(child);
    while (ready.startsWith("painted "))
        ready = nextLine(child);
    if (!ready.startsWith("ready "))
        return result;
    const QString window = QString::fromLatin1(ready.mid(6));
    // Let the first frames and the window manager's work pass.
    QThread::msleep(500);
    if (!resizeAndWait(child, window, kStart))
        return result;

    const long before = cpuTicks(child.processId());
    for (int step = 0; step < kLiveResizeSizes; ++step) {
        if (!resizeAndWait(child, window, sizeAt(step)))
            return result;
    }
    const long after = cpuTicks(child.processId());
    child.kill();
    child.waitForFinished();

    result.measured = before >= 0 && after >= 0;
    result.ticks = after - before;
    return result;
}

int runResizeTarget(WindowKind kind)
{
    const auto window = makeWindow(kind);
    PaintedSizes paintedSizes(window.get());
    qApp->installEventFilter(&paintedSizes);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return 1;
    std::printf("ready %llu\n", static_cast<unsigned long long>(window->winId()));
    std::fflush(stdout);
    return QApplication::exec();
}
