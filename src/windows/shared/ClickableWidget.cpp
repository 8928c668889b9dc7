// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/ClickableWidget.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

class AccessibleClickable : public QAccessibleWidget
{
public:
    explicit AccessibleClickable(ClickableWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<ClickableWidget *>(widget())->press();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface *clickableFactory(const QString &, QObject *object)
{
    if (auto *clickable = qobject_cast<ClickableWidget *>(object))
        return new AccessibleClickable(clickable);
    return nullptr;
}

} // namespace

ClickableWidget::ClickableWidget(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    installAccessibility();
}

void ClickableWidget::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(clickableFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void ClickableWidget::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ClickableWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        press();
}

void ClickableWidget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        press();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ClickableWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void ClickableWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void ClickableWidget::drawFocusFrame(QPainter &painter) const
{
    if (!hasFocus())
        return;
    painter.save();
    painter.setPen(QPen(palette().color(QPalette::Highlight), 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.restore();
}
