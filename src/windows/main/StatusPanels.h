// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

// The main window's status bar: six panels, left to right. The date panel shows today's date
// and keeps it current by itself; the others show what the window puts there.
class StatusPanels : public QStatusBar
{
    Q_OBJECT

public:
    enum class Panel
    {
        DocumentName,
        Date,
        Time,
        ProgramName,
        CapsLock,
        Insert
    };

    explicit StatusPanels(QWidget *parent = nullptr);

    void setPanelText(Panel panel, const QString &text);
    QString panelText(Panel panel) const;
    // An indicator panel shows its text greyed while what it indicates is off.
    void setPanelLit(Panel panel, bool lit);
    bool panelLit(Panel panel) const;

private:
    void showToday();
    QLabel *label(Panel panel) const { return m_panels[std::size_t(panel)]; }

    std::array<QLabel *, 6> m_panels{};
};
