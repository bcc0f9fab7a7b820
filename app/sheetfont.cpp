#include "sheetfont.h"

#include <QFont>

QString sheetFontFamily()
{
    return QStringLiteral("微软雅黑");
}

QStringList sheetFontSubstitutes()
{
    return {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")};
}

void substituteSheetFontFamily()
{
    // Asking the font database which face is installed would load it at
    // start-up even for a window without text; matching does that lazily.
    QFont::insertSubstitutions(sheetFontFamily(), sheetFontSubstitutes());
}
