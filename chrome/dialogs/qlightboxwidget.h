#pragma once

#include <QPixmap>
#include <QWidget>

// Covers its parent with a still, darkened image of it, taken just before the
// overlay appears: the dimmed background behind a modal dialog. The owner
// shows, hides and deletes it; a resize of the parent while it is visible
// takes a fresh image at the new size.
class QLightBoxWidget final : public QWidget
{
    Q_OBJECT

public:
    // With followTopLevel the overlay dims the top-most ancestor of parent
    // instead of parent itself. parent must not be null.
    QLightBoxWidget(QWidget *parent, bool followTopLevel);
    ~QLightBoxWidget() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void refreshSnapshot();
    QPixmap grabParent();

    bool m_refreshing;
    QPixmap m_snapshot;
};
