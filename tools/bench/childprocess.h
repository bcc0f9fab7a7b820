#pragma once

#include <QByteArray>

class QProcess;

// User plus system time that a process has spent so far, in clock ticks of
// 10 ms, from /proc; -1 where it cannot be read.
long cpuTicks(qint64 pid);

// The child's next line of output, trimmed; empty when none comes within a
// minute.
QByteArray nextLine(QProcess &child);
