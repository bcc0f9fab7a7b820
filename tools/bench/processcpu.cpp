#include "processcpu.h"

#include "benchoptions.h"
#include "childprocess.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <cstdio>

namespace {

// A point typed, then selected and erased: twelve keystrokes.
const char *const kRound[] = {"3", "0", "period", "5", "comma", "1", "2", "0", "period", "3", "ctrl+a", "BackSpace"};
constexpr int kRoundLength = sizeof kRound / sizeof kRound[0];
constexpr int kRounds = kTypedKeystrokes / kRoundLength;

// Counts the erasing keystrokes that reach the focused field.
class ErasureCount final : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget()
            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Backspace && ++count == kRounds) {
            std::puts("typed");
            std::fflush(stdout);
        }
        return false;
    }
};

} // namespace

ProcessCpu measureProcessCpu(WindowKind kind)
{
    ProcessCpu result;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kTypingTargetOption), windowKindName(kind)});
    if (nextLine(child) != "ready")
        return result;
    // Let the first frames and the window manager's work pass.
    QThread::msleep(500);

    QStringList keys{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("12")};
    for (int round = 0; round < kRounds; ++round) {
        for (const char *key : kRound)
            keys << QLatin1String(key);
    }
    const long beforeTyping = cpuTicks(child.processId());
    if (QProcess::execute(QStringLiteral("xdotool"), keys) != 0 || nextLine(child) != "typed")
        return result;
    // The last repaint.
    QThread::msleep(200);
    const long afterTyping = cpuTicks(child.processId());
    QThread::sleep(kIdleSeconds);
    const long afterIdle = cpuTicks(child.processId());
    child.kill();
    child.waitForFinished();

    result.measured = beforeTyping >= 0 && afterIdle >= 0;
    result.typingTicks = afterTyping - beforeTyping;
    result.idleTicks = afterIdle - afterTyping;
    return result;
}

int runTypingTarget(WindowKind kind)
{
    const auto window = makeWindow(kind);
    ErasureCount erasures;
    qApp->installEventFilter(&erasures);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
