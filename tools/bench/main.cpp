// Measures what a user waits for, each against a baseline taken in the same
// run, and prints the ratios:
// - a keystroke in the first point field (validator, change handler,
//   distance, setText) against the same keystroke in a plain line edit;
// - start-up, from launching a process to its first painted frame, of the
//   main window against a bare main window with the same style sheet.
// Run it under the platform to judge (an X server, or offscreen).
#include "applicationshell.h"
#include "corvalen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const char kFirstFrameOption[] = "--first-frame";

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median time of one call of `run`, in microseconds, after a warm-up.
double measure(int rounds, const std::function<void()> &run)
{
    for (int i = 0; i < rounds / 10 + 1; ++i)
        run();
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    return median(times);
}

// One keystroke on average: a whole point typed, then erased in one go.
double keystrokeMicros(QLineEdit *edit)
{
    const QString typed = QStringLiteral("30.5,120.3");
    return measure(2000, [edit, &typed] {
        QTest::keyClicks(edit, typed);
        edit->clear();
    }) / typed.size();
}

// Notes when a window has painted itself for the first time.
class FirstPaint : public QObject
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

// The child side of the start-up measure: start like the program does, show
// the window, and say so on the first painted frame.
int runUntilFirstFrame(int argc, char *argv[], bool bare)
{
    QApplication application(argc, argv);
    ApplicationShell shell(application);
    QWidget *window = bare ? new QMainWindow : new Corvalen;
    FirstPaint firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
    while (!firstPaint.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::puts("painted");
    std::fflush(stdout);
    delete window;
    return 0;
}

// Launch to first frame of a child process, in microseconds.
double startupMicros(const QString &kind)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kFirstFrameOption), kind});
    child.waitForReadyRead(30000);
    const double micros = timer.nsecsElapsed() / 1000.0;
    child.waitForFinished(30000);
    return micros;
}

void report(const char *what, double subject, double baseline, double aim)
{
    std::printf("%-30s %9.1f us   baseline %9.1f us   ratio %.2f (aim <= %.1f)\n",
                what, subject, baseline, subject / baseline, aim);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], kFirstFrameOption) == 0)
        return runUntilFirstFrame(argc, argv, qstrcmp(argv[2], "bare") == 0);

    QApplication application(argc, argv);
    ApplicationShell shell(application);

    Corvalen window;
    window.show();
    QWidget plainWindow;
    auto *plainEdit = new QLineEdit(&plainWindow);
    plainWindow.show();
    if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitForWindowExposed(&plainWindow))
        return 1;
    auto *point1 = window.findChild<QLineEdit *>(QStringLiteral("lineEditPoint1"));
    window.findChild<QLineEdit *>(QStringLiteral("lineEditPoint2"))->setText(QStringLiteral("31.2,121.5"));

    const double plainKeystroke = keystrokeMicros(plainEdit);
    const double keystroke = keystrokeMicros(point1);
    report("keystroke in lineEditPoint1", keystroke, plainKeystroke, 1.5);

    // Interleaved, so that a busy moment of the machine hits both alike.
    std::vector<double> bare, program;
    for (int i = 0; i < 15; ++i) {
        bare.push_back(startupMicros(QStringLiteral("bare")));
        program.push_back(startupMicros(QStringLiteral("corvalen")));
    }
    report("launch to first frame", median(program), median(bare), 1.3);
    return 0;
}
