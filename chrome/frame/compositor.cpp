#include "compositor.h"

// What every platform shares; each platform's own file says how it knows.

Compositor *Compositor::instance()
{
    static Compositor *const compositor = new Compositor;
    return compositor;
}

void Compositor::recheck()
{
    const bool active = isActive();
    if (active == m_active)
        return;
    m_active = active;
    emit activeChanged(active);
}
