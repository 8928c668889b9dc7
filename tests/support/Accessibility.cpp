#include "Accessibility.h"

#include <QAccessible>
#include <QWidget>
#include <functional>

namespace {

bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::Link:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

void walk(QAccessibleInterface *node, const std::function<void(QAccessibleInterface *)> &visit)
{
    if (!node)
        return;
    visit(node);
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), visit);
}

QString describe(QAccessibleInterface *node)
{
    const QObject *object = node->object();
    return QStringLiteral("role %1 object %2")
        .arg(int(node->role()))
        .arg(object ? object->objectName() + QLatin1Char(' ') +
                          QLatin1String(object->metaObject()->className())
                    : QStringLiteral("(none)"));
}

} // namespace

namespace Accessibility {

QStringList namelessControls(QWidget *window)
{
    QStringList nameless;
    walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface *node) {
        if (isControl(node->role()) && !node->state().invisible &&
            node->text(QAccessible::Name).trimmed().isEmpty())
            nameless.append(describe(node));
    });
    return nameless;
}

QStringList controlNames(QWidget *window)
{
    QStringList names;
    walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface *node) {
        if (isControl(node->role()))
            names.append(node->text(QAccessible::Name));
    });
    return names;
}

} // namespace Accessibility
