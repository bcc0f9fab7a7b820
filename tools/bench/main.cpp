// Measures what a user waits for and what the user's CPU pays, each against
// a baseline taken in the same run, and prints a Markdown table of ratios.
// Keystrokes are timed in process CPU time, so a busy machine disturbs them
// little; launch is timed both on the clock and in the child's CPU time.
// - a keystroke in the first point field (validator, change handler,
//   distance, setText) against the same keystroke in a plain line edit, the
//   handler alone; and with the window painted after each key, against the
//   same form in an ordinary framed window;
// - launch to the first painted frame against the same form in an ordinary
//   framed window and against an empty main window, all started as the
//   program starts (frame filter, font, style sheet);
// - under X with xdotool: the process CPU time of typing keystrokes into the
//   real window, and of sitting idle with the caret blinking, against the
//   framed form; and of a live resize through a series of sizes, against a
//   bare window with the same style sheet and three line edits, against
//   that window frameless and translucent with the program's margins but no
//   shadow, and against the framed form.
// Run it under the platform to judge (tools/with-display.sh for X).
#include "applicationshell.h"
#include "benchoptions.h"
#include "corvalen.h"
#include "framedform.h"
#include "keystroke.h"
#include "launch.h"
#include "liveresize.h"
#include "processcpu.h"
#include "timing.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

namespace {

void printHeader()
{
    std::puts("| measure | Corvalen | baseline | ratio | aim |");
    std::puts("|---|---|---|---|---|");
}

void printRow(const char *what, double subject, double baseline, const char *unit, double aim)
{
    std::printf("| %s | %.1f %s | %.1f %s | %.2f | <= %.2f |\n", what, subject, unit, baseline, unit,
                subject / baseline, aim);
    std::fflush(stdout);
}

void printSkipped(const char *what, const char *why)
{
    std::printf("| %s | - | - | skipped: %s | |\n", what, why);
}

void printKeystrokeRows()
{
    Corvalen window;
    FramedForm form;
    QWidget plainWindow;
    auto *plainEdit = new QLineEdit(&plainWindow);
    for (QWidget *shown : {static_cast<QWidget *>(&window), static_cast<QWidget *>(&form), &plainWindow}) {
        shown->show();
        if (!QTest::qWaitForWindowExposed(shown))
            return;
    }
    auto *point1 = window.findChild<QLineEdit *>(QStringLiteral("lineEditPoint1"));
    window.findChild<QLineEdit *>(QStringLiteral("lineEditPoint2"))->setText(QStringLiteral("31.2,121.5"));
    form.secondField()->setText(QStringLiteral("31.2,121.5"));

    const double plainHandler = keystrokeMicros(plainEdit, Painting::Deferred);
    const double handler = keystrokeMicros(point1, Painting::Deferred);
    printRow("keystroke, handler only (vs plain line edit)", handler, plainHandler, "us", 1.3);
    const double formPainted = keystrokeMicros(form.firstField(), Painting::Synchronous);
    const double painted = keystrokeMicros(point1, Painting::Synchronous);
    printRow("keystroke, handler and paint (vs framed form)", painted, formPainted, "us", 1.3);
}

void printLaunchRows()
{
    // Interleaved, so that a busy moment of the machine hits all alike.
    const WindowKind kinds[] = {WindowKind::Empty, WindowKind::FramedForm, WindowKind::Program};
    std::vector<double> waited[3], cpu[3];
    for (int round = 0; round < 21; ++round) {
        for (int k = 0; k < 3; ++k) {
            const Launch launch = measureLaunch(kinds[k]);
            waited[k].push_back(launch.waitedMicros / 1000);
            cpu[k].push_back(launch.cpuMicros / 1000);
        }
    }
    const double waitedProgram = median(waited[2]), cpuProgram = median(cpu[2]);
    printRow("launch to first frame (vs framed form)", waitedProgram, median(waited[1]), "ms", 1.1);
    printRow("launch to first frame (vs empty window)", waitedProgram, median(waited[0]), "ms", 1.2);
    printRow("launch CPU to first frame (vs framed form)", cpuProgram, median(cpu[1]), "ms", 1.1);
    printRow("launch CPU to first frame (vs empty window)", cpuProgram, median(cpu[0]), "ms", 1.2);
}

void printProcessCpuRows()
{
    const char typing[] = "CPU typing 720 keys (vs framed form)";
    const char idle[] = "CPU idle 20 s, caret blinking (vs framed form)";
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        printSkipped(typing, "needs X");
        printSkipped(idle, "needs X");
        return;
    }
    const ProcessCpu form = measureProcessCpu(WindowKind::FramedForm);
    const ProcessCpu program = measureProcessCpu(WindowKind::Program);
    if (!form.measured || !program.measured) {
        printSkipped(typing, "no xdotool, /proc or keyboard focus");
        printSkipped(idle, "no xdotool, /proc or keyboard focus");
        return;
    }
    printRow(typing, program.typingTicks, form.typingTicks, "ticks", 1.3);
    // An idle baseline may spend no tick at all.
    printRow(idle, program.idleTicks, qMax(form.idleTicks, 1L), "ticks", 1.5);
}

void printLiveResizeRows()
{
    constexpr int kRounds = 3;
    // What a window of the program's look costs at any size without its form,
    // chrome or shadow; that window frameless and translucent; and the
    // program's own form and sheet in an ordinary framed window.
    const struct {
        WindowKind kind;
        const char *name;
    } baselines[] = {
        {WindowKind::Bare, "bare window"},
        {WindowKind::Frameless, "frameless, no shadow"},
        {WindowKind::FramedForm, "framed form"},
    };
    constexpr int kBaselines = sizeof baselines / sizeof baselines[0];
    char rows[kBaselines][80];
    for (int b = 0; b < kBaselines; ++b)
        std::snprintf(rows[b], sizeof rows[b], "live resize, %d sizes (vs %s)", kRounds * kLiveResizeSizes,
                      baselines[b].name);
    const auto skipAll = [&](const char *why) {
        for (const char *row : rows)
            printSkipped(row, why);
    };
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        skipAll("needs X");
        return;
    }
    // Interleaved, so that a busy moment of the machine hits all alike.
    long baselineTicks[kBaselines] = {};
    long programTicks = 0;
    for (int round = 0; round < kRounds; ++round) {
        for (int b = 0; b <= kBaselines; ++b) {
            const LiveResize resize = measureLiveResize(b < kBaselines ? baselines[b].kind : WindowKind::Program);
            if (!resize.measured) {
                skipAll("no xdotool, /proc or painted size");
                return;
            }
            (b < kBaselines ? baselineTicks[b] : programTicks) += resize.ticks;
        }
    }
    for (int b = 0; b < kBaselines; ++b)
        printRow(rows[b], programTicks, qMax(baselineTicks[b], 1L), "ticks", 1.3);
}

} // namespace

int main(int argc, char *argv[])
{
    ApplicationShell::prepare();
    QApplication application(argc, argv);
    ApplicationShell shell(application);

    WindowKind kind;
    if (argc == 3 && windowKindFromName(QString::fromLocal8Bit(argv[2]), &kind)) {
        if (qstrcmp(argv[1], kFirstFrameOption) == 0)
            return showUntilFirstFrame(kind);
        if (qstrcmp(argv[1], kTypingTargetOption) == 0)
            return runTypingTarget(kind);
        if (qstrcmp(argv[1], kResizeTargetOption) == 0)
            return runResizeTarget(kind);
    }

    printHeader();
    printKeystrokeRows();
    printLaunchRows();
    printProcessCpuRows();
    printLiveResizeRows();
    return 0;
}
