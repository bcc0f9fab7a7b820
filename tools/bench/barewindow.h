#pragma once

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMainWindow>

// An ordinary framed main window holding three line edits under the
// program's style sheet, the first focused: what laying out and painting a
// window of the program's look costs at any size, without its form, chrome
// or shadow.
class BareWindow : public QMainWindow
{
public:
    BareWindow()
    {
        auto *content = new QWidget(this);
        auto *layout = new QHBoxLayout(content);
        for (int i = 0; i < 3; ++i)
            layout->addWidget(new QLineEdit(content));
        setCentralWidget(content);
        layout->itemAt(0)->widget()->setFocus(Qt::OtherFocusReason);
    }

private:
    Q_DISABLE_COPY(BareWindow)
};

// The bare window made frameless and translucent as the program's window is,
// with the same 12-pixel margins around its opaque content, but nothing drawn
// in them: what the translucency costs, without the shadow.
class FramelessWindow final : public BareWindow
{
public:
    FramelessWindow()
    {
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_TranslucentBackground, true);
        setContentsMargins(12, 12, 12, 12);
        centralWidget()->setAutoFillBackground(true);
    }
};
