// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's ways into the preview and the about box.
#include "windows/main/MainWindow.h"

#include "platform/SettingsStore.h"
#include "windows/about/AboutDialog.h"
#include "windows/preview/PreviewDialog.h"

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
    const SystemSettingsFile settings;
    AboutDialog about(settings, MakerAddresses::ofBuild(), this);
    about.exec();
}
