#include "sheetfont.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

QString sheetFontFamily()
{
    return QStringLiteral("微软雅黑");
}

QString substituteSheetFontFamily()
{
    // In order of preference: the face Debian's package of the program
    // depends on, then the one most other distributions carry.
    const QStringList candidates{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")};
    const QStringList installed = QFontDatabase().families();
    for (const QString &family : candidates) {
        if (installed.contains(family)) {
            QFont::insertSubstitution(sheetFontFamily(), family);
            return family;
        }
    }
    return QString();
}
