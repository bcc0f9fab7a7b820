#pragma once

#include "framepress.h"

#include <QMargins>
#include <QObject>
#include <QPointer>

#include <memory>

class QPainter;
class QScreen;
class QWidget;
class QWindow;
class ShadowPainter;
class ShadowSliceSource;

// The frame of one frameless, translucent window, and the one place where it
// is decided: the band around the content in which the window draws its
// shadow, whether that band shows, the grip bands along the edges, the layout
// while maximised, the window's device pixel ratio, and the hand-over of a
// press on the title bar or a grip band to the system's move or resize.
//
// Native input reaches it from the window, the window's title bar and, on
// Windows, the native filter; it lays the window out and tells the painters.
// The window creates it in its constructor and registers what it needs; it is
// the window's child and goes with it.
class WindowFrame final : public QObject
{
    Q_OBJECT

public:
    // A window's dynamic property, true while its ratio calls for the 2x art:
    // the style sheet's rules for that art match the widgets under it.
    static constexpr char kHighDensityProperty[] = "highDensity";

    // Makes `window` frameless and translucent.
    explicit WindowFrame(QWidget *window);
    ~WindowFrame() override;

    // The frame of a frameless window, or null for any other widget.
    static WindowFrame *of(const QWidget *window);

    // The shadow around the window's content, whose reach is the band it is
    // drawn in; the window's size includes the band while it shows.
    void setShadow(std::unique_ptr<ShadowSliceSource> slices);
    // Paints the shadow into the band, from the slices for the window's
    // ratio; nothing while the band does not show.
    void paintShadow(QPainter &painter);
    // A left press on `titleBar`, or on a child that passes presses on,
    // moves the window; null detaches the current one.
    void setTitleBar(QWidget *titleBar);

    // Whether the shadow band shows: the desktop blends translucent windows
    // (without that the band would show black) and the window is neither
    // maximised nor full screen.
    bool isShadowShown() const { return m_shadowShown; }
    // The device pixel ratio of the screen the window is on.
    qreal devicePixelRatio() const { return m_ratio; }

    // The grip edges under a screen point of a resizable main window; none
    // for any other window and while the window is maximised.
    Qt::Edges gripEdgesAt(const QPoint &globalPosition) const;
    // The grip edges under a point where the window's rectangle and the
    // point are device pixels, as Windows gives them: the bands scale with
    // the window; none while it is maximised.
    Qt::Edges gripEdgesInDevicePixels(const QRect &window, const QPoint &point) const;

    // Switches between the normal layout and the maximised one, which keeps
    // `maximizedMargins` (none where the window manager puts a maximised
    // window on the work area; on Windows, the part of the frame that is off
    // the screen). Margins are applied on every call while maximised; the
    // rest only when the state changes. Windows' native filter calls it;
    // elsewhere the frame follows the window's state itself.
    void setMaximized(bool maximized, const QMargins &maximizedMargins);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isResizable() const;
    QMargins normalMargins() const;
    void watchNativeWindow();
    void followCompositor(bool active);
    void followScale();
    void followNativeSize();
    void showShadowBand(bool shown);
    void showMaximizeButton(bool maximized);
    void showFineArt();
    bool handleWindowMouse(QEvent *event);
    bool handleTitleBarEvent(QEvent *event);
    void showEdgesCursor(Qt::Edges edges);

    QWidget *m_window;
    QPointer<QWidget> m_titleBar;
    QPointer<QWindow> m_nativeWindow;
    QPointer<QScreen> m_screen;
    QMargins m_shadowMargins;
    std::unique_ptr<ShadowPainter> m_shadow;
    bool m_shadowShown = false;
    bool m_maximized = false;
    qreal m_ratio = 1.0;
    FramePress m_press;
    // Edges of the cursor shape now overriding the widgets' own.
    Qt::Edges m_cursorEdges;
};
