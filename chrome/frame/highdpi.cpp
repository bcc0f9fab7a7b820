#include "highdpi.h"

#include <QGuiApplication>

void enableHighDpiScaling()
{
    // Qt 6 always scales by the desktop's factor and loads pixmaps at the
    // screen's density; Qt 5 does either only when asked.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    if (desktopAsksForScaling())
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    // 125 % and 150 % stay what they are instead of becoming 1 or 2 (Qt 6's
    // default, Qt 5 rounds).
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}
