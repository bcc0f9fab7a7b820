#pragma once

#include <QAbstractNativeEventFilter>

// Gives frameless, resizable main windows the behaviour of a normal Windows
// window: no non-client area, sizing from a thin grip band inside the shadow
// margin, and a layout that follows the window's real maximised state, all
// answered through each window's frame. Dialogs and fixed-size windows are
// left alone. Built for Windows only.
class QWinNativeEventFilter final : public QAbstractNativeEventFilter
{
public:
    QWinNativeEventFilter();
    ~QWinNativeEventFilter() override;

    // What an answered message returns to Windows: Qt 6 passes a qintptr,
    // Qt 5 a long.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    using Result = qintptr;
#else
    using Result = long;
#endif

    bool nativeEventFilter(const QByteArray &eventType, void *message, Result *result) override;
};
