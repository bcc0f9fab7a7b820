#include "dialogtexts.h"

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace {

void collectLabels(const QAccessibleInterface *node, const QString &skip, QStringList &texts)
{
    for (int i = 0; i < node->childCount(); ++i) {
        const QAccessibleInterface *child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        const QString name = child->text(QAccessible::Name);
        if (child->role() == QAccessible::StaticText && !name.isEmpty() && name != skip)
            texts.append(name);
        collectLabels(child, skip, texts);
    }
}

} // namespace

QString dialogTexts(QWidget *dialog)
{
    QStringList texts;
    if (const QAccessibleInterface *root = QAccessible::queryAccessibleInterface(dialog))
        collectLabels(root, root->text(QAccessible::Name), texts);
    return texts.join(QLatin1Char(' '));
}
