#include "corvalen.h"

#include "acceptedtextkeeper.h"
#include "coordinates.h"
#include "distanceannouncer.h"
#include "dropshadowslices.h"
#include "pastedpointconverter.h"
#include "qaboutdlg.h"
#include "windowframe.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// How far the content's shadow spreads, and with it the transparent band
// around the content that the shadow is drawn in.
constexpr qreal kShadowBlurRadius = 12.0;
// The content's size as the window opens (the form's 743 x 175 within the
// 12-px shadow margins), where the shadow is the effect's own at any scale.
constexpr QSize kOpeningContentSize(719, 151);

} // namespace

Corvalen::Corvalen(QWidget *parent)
    : QMainWindow(parent)
{
    ui.setupUi(this);

    m_frame = new WindowFrame(this);

    // Only the central widget is opaque; the window paints its shadow in the
    // margin around it.
    ui.centralWidget->setAutoFillBackground(true);
    ui.centralWidget->setBackgroundRole(QPalette::Window);

    ui.frameTitle->installEventFilter(this);
    m_frame->setTitleBar(ui.frameTitle);
    m_frame->setShadow(std::make_unique<DropShadowSlices>(kShadowBlurRadius, kOpeningContentSize));

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
    new DistanceAnnouncer(ui.lineEditDistance, ui.label_3);
}

Corvalen::~Corvalen() = default;

// The frame moves the window by its title bar; a double click on the title
// bar neither maximises nor restores.
bool Corvalen::eventFilter(QObject *watched, QEvent *event)
{
    return watched == ui.frameTitle && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
}

void Corvalen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_frame->paintShadow(painter);
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
    edit->setValidator(newCoordinateValidator(this));
    new AcceptedTextKeeper(edit);
    new PastedPointConverter(edit);
}

// Keeps the latitude and longitude text of a field once it holds exactly one
// comma; otherwise the field has no point and the last distance stays shown.
void Corvalen::takePointText(const QString &text, QStringList &parts)
{
    parts.clear();
    if (text.isEmpty())
        return;
    const QStringList split = text.split(QLatin1Char(','), Qt::KeepEmptyParts, Qt::CaseSensitive);
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
