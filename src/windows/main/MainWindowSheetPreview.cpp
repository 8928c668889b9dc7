// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole-sheet preview, from the print settings window.
#include "windows/main/MainWindow.h"

#include "print/Printer.h"
#include "windows/preview/SheetPreviewDialog.h"
#include "windows/shared/BackgroundTask.h"

void MainWindow::showSheetPreview(const PrintRequest &request, QWidget *over)
{
    const std::optional<LabelArtwork> artwork = printedArtwork();
    if (!artwork)
        return;
    SheetPreviewDialog preview(*artwork, request, sheetInPrinter().remembered(), over);
    connect(&preview, &SheetPreviewDialog::helpRequested, this,
            [this] { showHelp(HelpRequest::Page::Topic, QStringLiteral("feuille")); });
    if (printsToPdf()) {
        preview.setPage(m_destination.pdfPage());
    } else {
        // The printer's page waits on the scheduler; a printer that cannot say it is shown
        // the page of a PDF file.
        runInBackground(
            &preview, [printer = m_printer] { return printer.pageGeometry(); },
            [&preview](const std::optional<PageGeometry> &page) {
                preview.setPage(page.value_or(PageGeometry::a4Portrait()));
            });
    }
    preview.exec();
}
