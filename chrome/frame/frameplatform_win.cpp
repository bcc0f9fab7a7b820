#include "frameplatform.h"

#include <QMainWindow>

#include <windows.h>

namespace {

// Caption, sizing border, minimise and maximise boxes, no system menu: the
// system runs its own move, size and maximise for a window Qt draws entirely.
constexpr DWORD kFramelessWindowStyle = 0x82C70000;

HWND handleOf(const QWidget *window)
{
    return reinterpret_cast<HWND>(window->winId());
}

class WindowsFramePlatform final : public FramePlatform
{
public:
    void prepare(QWidget *window) const override
    {
        // Main windows are sized and maximised by the system; dialogs keep
        // the style Qt gave them.
        if (qobject_cast<QMainWindow *>(window))
            SetWindowLongW(handleOf(window), GWL_STYLE, LONG(kFramelessWindowStyle));
    }

    bool framesNatively() const override
    {
        return true;
    }

    // Only moves come here: the system resizes from the native filter's hit
    // test, and a natively framed window has no grip bands of Qt's.
    bool startSystemDrag(QWidget *window, Qt::Edges, const QPointF &, qreal) const override
    {
        // Give up Qt's capture so that the system can take the pointer; the
        // move loop returns when the button is released.
        ReleaseCapture();
        SendMessageW(handleOf(window), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
        return true;
    }
};

} // namespace

std::unique_ptr<FramePlatform> makeWindowsFramePlatform()
{
    return std::make_unique<WindowsFramePlatform>();
}
