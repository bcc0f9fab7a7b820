#include "childprocess.h"

#include <QFile>
#include <QList>
#include <QProcess>

long cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The command name may hold spaces; the fields after it do not.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields.at(11).toLong() + fields.at(12).toLong() : -1;
}

QByteArray nextLine(QProcess &child)
{
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(60000))
            return QByteArray();
    }
    return child.readLine().trimmed();
}
