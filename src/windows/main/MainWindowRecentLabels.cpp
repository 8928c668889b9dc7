// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The labels last opened or saved, listed in the File menu from the user's settings; one
// of them opens as "Ouvrir" would open it.
#include "label/FilePaths.h"
#include "windows/main/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

void MainWindow::buildRecentLabelEntries(QMenu *fileMenu)
{
    for (std::size_t i = 0; i < m_recentLabelActions.size(); ++i) {
        QAction *entry = fileMenu->addAction(QString());
        entry->setObjectName(QStringLiteral("recentLabelAction%1").arg(i + 1));
        // The path is read before the question about a modified document, whose save
        // reorders the list.
        connect(entry, &QAction::triggered, this,
                [this, entry] { openAfterAsking(entry->data().toString()); });
        m_recentLabelActions[i] = entry;
    }
    m_recentLabelsEnd = fileMenu->addSeparator();
    showRecentLabels();
}

void MainWindow::showRecentLabels()
{
    const QStringList paths = RecentLabels::readFrom(QSettings()).paths();
    for (std::size_t i = 0; i < m_recentLabelActions.size(); ++i) {
        QAction *entry = m_recentLabelActions[i];
        const bool listed = qsizetype(i) < paths.size();
        entry->setVisible(listed);
        const QString path = listed ? paths[qsizetype(i)] : QString();
        entry->setData(path);
        // An "&" of the name is shown, not taken as the entry's key.
        QString name = documentName(path);
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
            name.replace(QLatin1Char('&'), QLatin1String("&&"))));
        entry->setStatusTip(path);
    }
    m_recentLabelsEnd->setVisible(!paths.isEmpty());
}

void MainWindow::changeRecentLabels(void (RecentLabels::*change)(const QString &),
                                    const QString &path)
{
    QSettings settings;
    RecentLabels recent = RecentLabels::readFrom(settings);
    (recent.*change)(path);
    recent.writeTo(settings);
    showRecentLabels();
}
