#pragma once

#include "win32api.h"

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QSet>

class QWidget;

// Gives frameless, resizable main windows the behaviour of a normal Windows
// window: no non-client area, sizing from a thin grip band inside the shadow
// margin, and margins and maximise-button picture that follow the window's
// real maximised state. Dialogs and fixed-size windows are left alone.
class QWinNativeEventFilter final : public QAbstractNativeEventFilter
{
public:
    QWinNativeEventFilter();
    ~QWinNativeEventFilter() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

private:
    void updateMaximizedLayout(QWidget *window, HWND handle);

    // Main windows switched to the maximised layout and not yet back.
    QSet<QWidget *> m_maximizedWindows;
    // Receiver of each recorded window's destroyed signal, so that a window
    // destroyed while maximised leaves the set; its connections end with it.
    QObject m_windowWatch;
};
