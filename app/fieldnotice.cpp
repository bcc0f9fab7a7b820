#include "fieldnotice.h"

#include <QGuiApplication>
#include <QToolTip>

namespace {

constexpr int kShownMs = 5000;

} // namespace

FieldNotice::FieldNotice(QWidget *field)
    : QLabel(field, Qt::ToolTip)
    , m_field(field)
{
    setObjectName(QStringLiteral("fieldNotice"));
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(kShownMs);
    connect(&m_timeout, &QTimer::timeout, this, &QWidget::hide);
}

void FieldNotice::showMessage(const QString &text)
{
    setText(text);
    // Tools that list windows, and screen readers, know a tool-tip window
    // by its title.
    setWindowTitle(text);
    adjustSize();
    move(m_field->mapToGlobal(QPoint(0, m_field->height() + 2)));
    show();
    m_timeout.start();
    qApp->installEventFilter(this);
}

bool FieldNotice::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::WindowDeactivate:
        hide();
        break;
    default:
        break;
    }
    return false;
}

void FieldNotice::hideEvent(QHideEvent *event)
{
    m_timeout.stop();
    qApp->removeEventFilter(this);
    QLabel::hideEvent(event);
}
