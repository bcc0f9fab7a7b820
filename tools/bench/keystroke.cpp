#include "keystroke.h"

#include "timing.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

namespace {

void paintPendingUpdates()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

} // namespace

double keystrokeMicros(QLineEdit *edit, Painting painting)
{
    const QString typed = QStringLiteral("30.5,120.3");
    if (painting == Painting::Deferred) {
        return medianMicros(2000, [edit, &typed] {
            QTest::keyClicks(edit, typed);
            edit->clear();
        }) / typed.size();
    }
    paintPendingUpdates();
    return medianMicros(200, [edit, &typed] {
        for (const QChar c : typed) {
            QTest::keyClick(edit, c.toLatin1());
            paintPendingUpdates();
        }
        edit->clear();
        paintPendingUpdates();
    }) / typed.size();
}
