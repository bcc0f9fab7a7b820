#include "corvalen.h"

#include "acceptedtextkeeper.h"
#include "coordinates.h"
#include "framegeometry.h"
#include "qaboutdlg.h"

#include <QGraphicsDropShadowEffect>
#include <QMouseEvent>
#include <QRegExpValidator>

namespace {

// Caption, sizing border, minimise and maximise boxes, no system menu: the
// system runs its own move, size and maximise for a window Qt draws entirely.
constexpr DWORD kFramelessWindowStyle = 0x82C70000;

#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
constexpr auto kKeepEmptyParts = Qt::KeepEmptyParts;
#else
constexpr auto kKeepEmptyParts = QString::KeepEmptyParts;
#endif

} // namespace

Corvalen::Corvalen(QWidget *parent)
    : QMainWindow(parent)
    , m_titleBarDrag(this)
{
    ui.setupUi(this);

    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground, true);
    SetWindowLongW(nativeHandle(this), GWL_STYLE, static_cast<LONG>(kFramelessWindowStyle));

    // Only the central widget is opaque; the shadow lives in the margin around it.
    ui.centralWidget->setAutoFillBackground(true);
    ui.centralWidget->setBackgroundRole(QPalette::Window);
    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setColor(Qt::black);
    shadow->setBlurRadius(12.0);
    ui.centralWidget->setGraphicsEffect(shadow);

    ui.frameTitle->installEventFilter(this);
    setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);

    // A fresh About card per click, over the dimmed window content; leaving
    // the handler destroys it together with its overlay.
    connect(ui.toolButtonVersion, &QToolButton::clicked, this, [this] {
        QAboutDlg about(this);
        about.enableLightBox(ui.centralWidget);
        about.exec();
    });
    ui.toolButton_max->hide();
    ui.lineEditPoint1->setFocus(Qt::OtherFocusReason);

    setCoordinateValidator(ui.lineEditPoint1);
    setCoordinateValidator(ui.lineEditPoint2);
    connect(ui.lineEditPoint1, &QLineEdit::textChanged, this,
            [this](const QString &text) { takePointText(text, m_listPoint1); });
    connect(ui.lineEditPoint2, &QLineEdit::textChanged, this,
            [this](const QString &text) { takePointText(text, m_listPoint2); });
}

Corvalen::~Corvalen() = default;

bool Corvalen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui.frameTitle)
        return false;
    // A double click on the title bar neither maximises nor restores.
    if (event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        return true;
    return m_titleBarDrag.handle(event);
}

void Corvalen::on_toolButton_min_clicked()
{
    showMinimized();
}

void Corvalen::on_toolButton_max_clicked()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void Corvalen::on_toolButton_close_clicked()
{
    close();
}

void Corvalen::setCoordinateValidator(QLineEdit *edit)
{
    const QRegExp pattern(coordinatePattern(), Qt::CaseSensitive, QRegExp::RegExp);
    edit->setValidator(new QRegExpValidator(pattern, this));
    new AcceptedTextKeeper(edit);
}

// Keeps the latitude and longitude text of a field once it holds exactly one
// comma; otherwise the field has no point and the last distance stays shown.
void Corvalen::takePointText(const QString &text, QStringList &parts)
{
    parts.clear();
    if (text.isEmpty())
        return;
    const QStringList split = text.split(QLatin1Char(','), kKeepEmptyParts, Qt::CaseSensitive);
    if (split.size() != 2)
        return;
    parts = split;
    updateDistance();
}

void Corvalen::updateDistance()
{
    if (m_listPoint1.size() != 2 || m_listPoint2.size() != 2)
        return;
    // Unfinished parts ("", "-") convert to 0.0 and count as such.
    const double latitude1 = m_listPoint1.at(0).toDouble();
    const double longitude1 = m_listPoint1.at(1).toDouble();
    const double latitude2 = m_listPoint2.at(0).toDouble();
    const double longitude2 = m_listPoint2.at(1).toDouble();
    ui.lineEditDistance->setText(formatDistance(computeDistance(latitude1, longitude1, latitude2, longitude2)));
}
