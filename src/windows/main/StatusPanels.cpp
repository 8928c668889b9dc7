// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/StatusPanels.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <algorithm>

StatusPanels::StatusPanels(QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] = new QLabel(this);
        // File names and printer names: shown as they are, never read as markup.
        m_panels[i]->setTextFormat(Qt::PlainText);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setContentsMargins(4, 0, 4, 0);
        // The document name takes the room that is left.
        addPermanentWidget(m_panels[i], Panel(i) == Panel::DocumentName ? 1 : 0);
    }
    showToday();
}

void StatusPanels::setPanelText(Panel panel, const QString &text)
{
    label(panel)->setText(text);
}

QString StatusPanels::panelText(Panel panel) const
{
    return label(panel)->text();
}

void StatusPanels::setPanelLit(Panel panel, bool lit)
{
    label(panel)->setEnabled(lit);
}

bool StatusPanels::panelLit(Panel panel) const
{
    return label(panel)->isEnabled();
}

void StatusPanels::showToday()
{
    const QDateTime now = QDateTime::currentDateTime();
    setPanelText(
        Panel::Date,
        QLocale(QLocale::French, QLocale::France).toString(now.date(), QLocale::ShortFormat));
    // Shown again just after midnight, so that a window left open overnight stays right.
    const QDateTime nextDay(now.date().addDays(1), QTime(0, 0, 1));
    QTimer::singleShot(int(std::max<qint64>(1000, now.msecsTo(nextDay))), this,
                       &StatusPanels::showToday);
}
