// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's ways into the preview and the about box.
#include "windows/main/MainWindow.h"

#include "platform/SystemInfoTool.h"
#include "windows/about/AboutDialog.h"
#include "windows/preview/PreviewDialog.h"

#include <QSettings>

void MainWindow::showPreview(QWidget *over)
{
    if (!splitZoneLines())
        return;
    PreviewDialog preview(m_state, zones(), picture(), over);
    preview.exec();
}

void MainWindow::filePreview()
{
    showPreview(this);
}

void MainWindow::helpAbout()
{
    const QSettings systemSettings(SystemInfoTool::systemSettingsPath(), QSettings::IniFormat);
    AboutDialog about(systemSettings, MakerAddresses::ofBuild(), this);
    about.exec();
}
