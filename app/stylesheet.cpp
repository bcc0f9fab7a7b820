#include "stylesheet.h"

#include "windowframe.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

// A declaration's urls of PNG art that has a 2x version, named as the 2x
// version with the up to four cuts after each doubled; empty when it names none.
QString atHighDensity(const QString &declaration)
{
    static const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\.png\\)((?:\\s+\\d+){0,4})"));
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QString adapted;
    int copied = 0;
    for (auto urls = url.globalMatch(declaration); urls.hasNext();) {
        const QRegularExpressionMatch match = urls.next();
        const QString fine = match.captured(1) + QStringLiteral("@2x.png");
        if (!QFile::exists(fine))
            continue;
        // Quoted: Qt's sheet parser rejects an "@" in a bare url.
        adapted += declaration.mid(copied, match.capturedStart() - copied) + QStringLiteral("url(\"") + fine
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
    return copied ? adapted + declaration.mid(copied) : QString();
}

} // namespace

void applyStyleSheet(QApplication &application, QFile &file)
{
    if (!file.open(QIODevice::ReadOnly))
        return;
    application.setStyleSheet(withHighDensityArt(QString::fromUtf8(file.readAll())));
    file.close();
}

QString withHighDensityArt(const QString &sheet)
{
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^{}]*)\\}"));
    const QString scope = QStringLiteral("*[%1=\"true\"] ").arg(QLatin1String(WindowFrame::kHighDensityProperty));
    QString added;
    for (auto rules = rule.globalMatch(QString(sheet).remove(comment)); rules.hasNext();) {
        const QRegularExpressionMatch match = rules.next();
        QStringList declarations;
        for (const QString &declaration : match.captured(2).split(QLatin1Char(';'))) {
            const QString fine = atHighDensity(declaration.trimmed());
            if (!fine.isEmpty())
                declarations << fine;
        }
        if (declarations.isEmpty())
            continue;
        QStringList selectors;
        for (const QString &selector : match.captured(1).split(QLatin1Char(',')))
            selectors << scope + selector.trimmed();
        added += QStringLiteral("\r\n%1 { %2; }").arg(selectors.join(QLatin1Char(',')), declarations.join(QStringLiteral("; ")));
    }
    return sheet + added;
}
