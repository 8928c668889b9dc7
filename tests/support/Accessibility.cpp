// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"

#include <QAccessible>
#include <QGroupBox>
#include <QWidget>
#include <functional>

using namespace Qt::StringLiterals;

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

// A control its window hid (a scroll bar with nothing to scroll, a toolbar's overflow button,
// the pages of the other tabs) is offered to no one until it is shown; a control of a window
// not shown yet counts, as it is offered as soon as the window shows. The scroll bars of a box
// belong to the box, which carries the name.
bool isLeftOut(QAccessibleInterface *node, const QWidget *window)
{
    const auto *widget = qobject_cast<const QWidget *>(node->object());
    if (!widget)
        return false;
    if (!widget->isVisibleTo(window) && widget != window)
        return true;
    const QWidget *parent = widget->parentWidget();
    return node->role() == QAccessible::ScrollBar && parent &&
           parent->objectName().startsWith("qt_scrollarea"_L1);
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
    return u"role %1 object %2"_s.arg(int(node->role()))
        .arg(object ? object->objectName() + QLatin1Char(' ') +
                          QLatin1String(object->metaObject()->className())
                    : u"(none)"_s);
}

} // namespace

namespace Accessibility {

QStringList namelessControls(QWidget *window)
{
    QStringList nameless;
    walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface *node) {
        if (isLeftOut(node, window))
            return;
        const QString name = node->text(QAccessible::Name).trimmed();
        if (isControl(node->role()) && name.isEmpty())
            nameless.append(describe(node));
        // A group is announced by its own caption, never by the one of the group around it.
        const auto *group = qobject_cast<const QGroupBox *>(node->object());
        if (group && !group->title().isEmpty() && name != group->title().trimmed())
            nameless.append(describe(node) + u" announced as \"%1\""_s.arg(name));
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
