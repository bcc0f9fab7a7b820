#pragma once

#include <QObject>

#include <memory>

class QAbstractNativeEventFilter;

// Whether the desktop blends translucent windows with what lies beneath them.
// Without that, a translucent shadow margin shows as solid black, so the
// frameless windows drop it. One instance, made on first use.
class Compositor final : public QObject
{
    Q_OBJECT

public:
    static Compositor *instance();
    ~Compositor() override;

    // Always true on Windows and where the platform cannot tell; on X11 true
    // while a compositing manager owns the screen's selection for it.
    bool isActive() const;

signals:
    // The compositing manager started or stopped.
    void activeChanged(bool active);

private:
    Compositor();
    Q_DISABLE_COPY(Compositor)
    // Looks again after the platform has seen a selection change.
    void recheck();

    bool m_active;
    // Notices the selection changes that the platform reports, where it does.
    std::unique_ptr<QAbstractNativeEventFilter> m_selectionWatch;
};
