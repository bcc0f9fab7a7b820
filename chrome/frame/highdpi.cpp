#include "highdpi.h"

#include <QGuiApplication>

void enableHighDpiScaling()
{
    if (desktopAsksForScaling())
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
    // 125 % and 150 % stay what they are instead of becoming 1 or 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
}
