// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

// The main window's status bar: six panels numbered from 1. Panel 2 shows today's date
// and keeps it current by itself; the others show what the window puts there.
class StatusPanels : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int DateDisplay = 2;

    explicit StatusPanels(QWidget *parent = nullptr);

    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;
    // An indicator panel shows its text greyed while what it indicates is off.
    void setPanelLit(int panel, bool lit);
    bool panelLit(int panel) const;

private:
    void showToday();

    std::array<QLabel *, 6> m_panels{};
};
