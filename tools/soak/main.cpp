// Opens and closes the About card over the main window again and again, as a
// user would: the version button, a resize of the main window while the card
// and its overlay are up, then the card's close button or Escape. Prints the
// resident memory every 100 cycles; it must level off, not keep growing.
//
//   corvalen_soak [CYCLES]      1000 cycles unless given
//
// Start-up is the program's own (ApplicationShell): the substitute font, the
// compiled-in style sheet, one main window.

#include "applicationshell.h"
#include "corvalen.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kReportEvery = 100;

// Resident set size in KiB, from the kernel's page counts.
long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// Runs inside the card's own event loop: the card and its overlay are shown.
void resizeAndClose(QWidget *window, int cycle)
{
    auto *card = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!card) {
        std::fprintf(stderr, "cycle %d: the version button opened no modal card\n", cycle);
        std::exit(1);
    }
    const QSize size = window->size();
    window->resize(size + QSize(40 + cycle % 7 * 10, 30));
    QApplication::processEvents();
    window->resize(size);
    QApplication::processEvents();

    // Both ways a user closes it.
    auto *close = card->findChild<QToolButton *>(QStringLiteral("toolButton_close"));
    if (cycle % 2 && close)
        close->click();
    else
        QTest::keyClick(card, Qt::Key_Escape);
}

QtMessageHandler standardMessageHandler = nullptr;

// The offscreen platform says this at every show of the card; nothing else is dropped.
void dropSizeHintNotice(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        standardMessageHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    standardMessageHandler = qInstallMessageHandler(dropSizeHintNotice);
    ApplicationShell::prepare();
    QApplication application(argc, argv);
    const int cycles = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;

    ApplicationShell shell(application);

    Corvalen window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *version = window.findChild<QToolButton *>(QStringLiteral("toolButtonVersion"));
    if (!version)
        return 1;

    long previous = residentKiB();
    long afterFirstReport = 0;
    std::printf("cycles  resident KiB  growth over the last %d\n", kReportEvery);
    std::printf("%6d  %12ld\n", 0, previous);
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        QTimer::singleShot(0, &window, [&window, cycle] { resizeAndClose(&window, cycle); });
        version->click();
        QApplication::processEvents();
        if (cycle % kReportEvery == 0 || cycle == cycles) {
            const long now = residentKiB();
            std::printf("%6d  %12ld  %+8ld\n", cycle, now, now - previous);
            std::fflush(stdout);
            previous = now;
            if (cycle == kReportEvery)
                afterFirstReport = now;
        }
    }
    // The first cycles fill Qt's caches (fonts, glyphs, style sheet rules).
    if (cycles > kReportEvery)
        std::printf("growth from cycle %d to cycle %d: %+ld KiB\n", kReportEvery, cycles, previous - afterFirstReport);
    return 0;
}
