#include "stylesheet.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>

void applyStyleSheet(QApplication &application, QFile &file)
{
    if (!file.open(QIODevice::ReadOnly))
        return;
    application.setStyleSheet(styleSheetForRatio(QString::fromUtf8(file.readAll()), application.devicePixelRatio()));
    file.close();
}

QString styleSheetForRatio(const QString &sheet, double ratio)
{
    if (ratio <= 1)
        return sheet;
    // A url of a PNG file and the up to four cuts after it.
    static const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\.png\\)((?:\\s+\\d+){0,4})"));
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QString adapted;
    int copied = 0;
    for (auto urls = url.globalMatch(sheet); urls.hasNext();) {
        const QRegularExpressionMatch match = urls.next();
        const QString fine = match.captured(1) + QStringLiteral("@2x.png");
        if (!QFile::exists(fine))
            continue;
        // Quoted: Qt's sheet parser rejects an "@" in a bare url.
        adapted += sheet.mid(copied, match.capturedStart() - copied) + QStringLiteral("url(\"") + fine
            + QStringLiteral("\")");
        const QString cuts = match.captured(2);
        int at = 0;
        for (auto numbers = number.globalMatch(cuts); numbers.hasNext();) {
            const QRegularExpressionMatch cut = numbers.next();
            adapted += cuts.mid(at, cut.capturedStart() - at) + QString::number(2 * cut.captured().toInt());
            at = cut.capturedEnd();
        }
        copied = match.capturedEnd();
    }
    return adapted + sheet.mid(copied);
}
