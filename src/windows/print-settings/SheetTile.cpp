// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/print-settings/SheetTile.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

SheetTile::SheetTile(const QString &caption, QWidget *parent) : QAbstractButton(parent)
{
    setText(caption);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setFocusPolicy(Qt::StrongFocus);
}

void SheetTile::setChosen(bool chosen)
{
    if (chosen == m_chosen)
        return;
    m_chosen = chosen;
    update();
}

void SheetTile::setUsed(bool used)
{
    if (used == m_used)
        return;
    m_used = used;
    // Read out as it is shown: "Etiquette 3 (utilisée)".
    setAccessibleName(used ? text() + QLatin1Char(' ') + usedCaption() : QString());
    update();
}

QString SheetTile::usedCaption()
{
    return tr("(utilisée)");
}

QSize SheetTile::sizeHint() const
{
    return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(16, 16);
}

void SheetTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(backColor()));
    if (m_used)
        painter.fillRect(rect(), QBrush(QColor(UsedHatchColor), Qt::BDiagPattern));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // Unavailable tiles are greyed, as every disabled control is.
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QString caption = m_used ? text() + QLatin1Char('\n') + usedCaption() : text();
    // The name stays readable over the hatching, greyed or not.
    const QRect captionRect = painter.boundingRect(rect(), Qt::AlignCenter, caption);
    painter.fillRect(captionRect.adjusted(-2, 0, 2, 0), QColor(backColor()));
    painter.drawText(rect(), Qt::AlignCenter, caption);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
