// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's ways into the preview and the about box.
#include "windows/main/MainWindow.h"

#include "platform/SystemInfoTool.h"
#include "windows/about/AboutDialog.h"
#include "windows/preview/PreviewDialog.h"

#include <QSettings>

void MainWindow::showPreview(const PrintRequest &request, QWidget *over)
{
    const std::optional<LabelArtwork> artwork = printedArtwork();
    if (!artwork)
        return;
    PreviewDialog preview(*artwork, request, over);
    preview.exec();
}

void MainWindow::filePreview()
{
    showPreview(m_session.print.request(), this);
}

void MainWindow::helpAbout()
{
    const QSettings systemSettings(SystemInfoTool::systemSettingsPath(), QSettings::IniFormat);
    AboutDialog about(systemSettings, MakerAddresses::ofBuild(), this);
    about.exec();
}
