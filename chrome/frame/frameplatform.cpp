#include "frameplatform.h"

#include <QGuiApplication>

const FramePlatform &FramePlatform::current()
{
    static const std::unique_ptr<FramePlatform> platform = []() -> std::unique_ptr<FramePlatform> {
#ifdef Q_OS_WIN
        return makeWindowsFramePlatform();
#else
#ifdef CORVALEN_HAVE_X11
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            return makeX11FramePlatform();
#endif
        return makeQtFramePlatform();
#endif
    }();
    return *platform;
}

FramePlatform::~FramePlatform() = default;

void FramePlatform::prepare(QWidget *) const
{
}

bool FramePlatform::framesNatively() const
{
    return false;
}
