#include "compositor.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

// The Windows desktop always composites, and other platforms give no sign.

Compositor::Compositor()
    : QObject(QCoreApplication::instance())
    , m_active(true)
{
}

Compositor::~Compositor() = default;

bool Compositor::isActive() const
{
    return true;
}
