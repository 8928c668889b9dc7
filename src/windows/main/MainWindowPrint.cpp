// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The print command: the print settings window, the confirmation, then the page sent to
// the printer, or written to the PDF file the user names, while the window goes on answering.
#include "windows/main/MainWindow.h"

#include "label/NumberText.h"
#include "print/CalibrationPage.h"
#include "print/LabelOutput.h"
#include "print/LabelPrinting.h"
#include "print/PrintOutcome.h"
#include "print/Printer.h"
#include "widgets/MsgBox.h"
#include "windows/print-settings/PrintSettingsDialog.h"
#include "windows/shared/BackgroundTask.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// What the job prints, as the confirmation names it in its title and its question.
QString printedLabels(const PrintRequest &request)
{
    const PrintRun &run = request.run;
    if (run.mode == PrintMode::SingleLabel)
        return QCoreApplication::translate("MainWindow", "l'étiquette N° %1")
            .arg(NumberText::signedForm(double(run.singlePosition)));
    if (run.mode == PrintMode::List)
        return QCoreApplication::translate("MainWindow", "%1 étiquettes de la liste")
            .arg(NumberText::plain(double(request.list.count())));
    return QCoreApplication::translate("MainWindow", "%1 étiquettes identiques")
        .arg(NumberText::plain(double(run.copyCount)));
}

bool confirmPrinting(const PrintRequest &request)
{
    const PrintRun &run = request.run;
    const QString labels = printedLabels(request);
    QString question =
        QCoreApplication::translate("MainWindow", "Confirmer l'impression de %1").arg(labels);
    if (run.mode != PrintMode::SingleLabel) {
        question +=
            QCoreApplication::translate("MainWindow", "\r        à partir de l'étiquette N°%1")
                .arg(NumberText::signedForm(double(run.startPosition)));
        if (run.autoNumbering)
            question += QCoreApplication::translate(
                "MainWindow", "\ravec incrémentation automatique du texte 3  ?");
    }
    return MsgBox(question, MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                  QCoreApplication::translate("MainWindow", "Impression de %1").arg(labels)) ==
           MsgBoxResult::Yes;
}

// Beside the label, named after it; an untitled label's goes to the current folder.
QString proposedPdfName(const QString &labelFileName)
{
    if (labelFileName.isEmpty())
        return QCoreApplication::translate("MainWindow", "Nouveau.pdf");
    const QFileInfo label(labelFileName);
    return QDir(label.path()).filePath(label.completeBaseName() + QStringLiteral(".pdf"));
}

} // namespace

void MainWindow::loadPrintSettings()
{
    const UsedPositions used = sheetInPrinter().remembered();
    // The sheet may have been used since the positions were chosen (another start, another
    // printer): the labels are proposed where it is still free.
    m_session.print.run = used.offUsedPositions(m_session.print.run);
    m_printSettings = std::make_unique<PrintSettingsDialog>(m_session.print, m_commonDialog, this);
    PrintSettingsDialog *settings = m_printSettings.get();
    settings->showUsedPositions(used);
    connect(settings, &PrintSettingsDialog::sheetReplaced, this,
            [this] { sheetInPrinter().remember(UsedPositions()); });
    connect(settings, &PrintSettingsDialog::helpRequested, this,
            [this] { showHelp(HelpRequest::Page::Topic, QStringLiteral("parametres")); });
    connect(settings, &PrintSettingsDialog::printerSetupRequested, this, &MainWindow::printerSetup);
    // Both show what the window holds, not yet taken.
    connect(settings, &PrintSettingsDialog::calibrationRequested, this,
            [this, settings] { printCalibrationPage(settings->choices().settings.layout); });
    // The preview opens over the print settings window, which stays open beneath it.
    connect(settings, &PrintSettingsDialog::previewRequested, this,
            [this, settings] { showPreview(settings->choices().request(), settings); });
    connect(settings, &PrintSettingsDialog::sheetPreviewRequested, this,
            [this, settings] { showSheetPreview(settings->choices().request(), settings); });
}

void MainWindow::filePrint()
{
    loadPrintSettings();
    const std::optional<PrintRequest> request = m_printSettings->ask();
    // Left in any way, the window is unloaded, and built again from what it held next time.
    m_session.print = m_printSettings->choices();
    m_printSettings.reset();
    if (!request)
        return;
    if (!confirmPrinting(*request))
        return;
    // Lines that do not fit print nothing, rather than lines of an earlier text.
    const std::optional<LabelArtwork> artwork = printedArtwork();
    if (!artwork)
        return;
    if (!printsToPdf()) {
        submitPrintJob(*request, *artwork);
        return;
    }
    // A cancelled file dialog prints nothing, so the run keeps its numbers.
    if (const std::optional<QString> path =
            choosePdfFile(proposedPdfName(m_session.label.fileName)))
        writePrintPdf(*path, *request, *artwork);
}

bool MainWindow::printsToPdf() const
{
    return m_destination.target == PrintTarget::PdfFile || m_printer.isNull();
}

MarkedSheet MainWindow::sheetInPrinter() const
{
    return printsToPdf() ? MarkedSheet::ofPdfFiles() : MarkedSheet::inPrinter(m_printer.name());
}

void MainWindow::showSheetMarks()
{
    if (m_printSettings)
        m_printSettings->showUsedPositions(sheetInPrinter().remembered());
}

std::optional<QString> MainWindow::choosePdfFile(const QString &proposedName)
{
    FileRequest request;
    request.title = tr("Enregistrer en PDF");
    request.filter = tr("Fichiers PDF (*.pdf)|*.pdf");
    request.proposedName = proposedName;
    request.askBeforeOverwrite = true;
    if (const std::optional<ChosenFile> chosen = m_commonDialog.chooseFileToSave(request))
        return chosen->path;
    return std::nullopt;
}

void MainWindow::submitPrintJob(const PrintRequest &request, const LabelArtwork &artwork)
{
    runPrintJob(request, [printer = m_printer, request, artwork] {
        return LabelOutput::print(printer, request, artwork);
    });
}

void MainWindow::writePrintPdf(const QString &path, const PrintRequest &request,
                               const LabelArtwork &artwork)
{
    runPrintJob(request, [path, page = m_destination.pdfPage(), request, artwork] {
        return LabelOutput::writePdf(path, request, artwork, page);
    });
}

// The job works on its own copies of the request and the label: the user may go on editing
// while the scheduler or the disk answers. Only what printing changes comes back.
void MainWindow::runPrintJob(const PrintRequest &request, std::function<PrintOutcome()> job)
{
    m_printing = std::make_unique<BusyPointer>();
    // One job at a time, so that each run numbers on from the one before.
    m_printAction->setEnabled(false);
    // The sheet the job went to, whatever the printer set-up chooses meanwhile.
    runInBackground(this, std::move(job),
                    [this, request, sheet = sheetInPrinter()](const PrintOutcome &outcome) {
                        m_printing.reset();
                        m_printAction->setEnabled(true);
                        // Nothing came out: the next run numbers the same disks again, on the
                        // same free positions.
                        if (!showPrintFailure(outcome))
                            return;
                        const UsedPositions used = sheet.remembered().afterPrinting(request);
                        sheet.remember(used);
                        // The next labels go on where this job left the sheet.
                        PrintRun &run = m_session.print.run;
                        run = used.onFirstFreePosition(run);
                        run.nextDiskNumber = outcome.run.nextDiskNumber;
                        run.labelOrigin = outcome.run.labelOrigin;
                    });
}

// Printed like a label job: off the window's thread, on copies, the busy pointer meanwhile.
void MainWindow::printCalibrationPage(const SheetLayout &layout)
{
    std::function<PrintOutcome()> job;
    if (!printsToPdf()) {
        job = [printer = m_printer, layout] {
            return PrintOutcome::printed(CalibrationPage::print(printer, layout));
        };
    } else if (const std::optional<QString> path = choosePdfFile(tr("Etalonnage.pdf"))) {
        job = [path = *path, page = m_destination.pdfPage(), layout] {
            return PrintOutcome::written(CalibrationPage::writePdf(path, layout, page));
        };
    } else {
        return;
    }
    auto busy = std::make_shared<BusyPointer>();
    runInBackground(this, std::move(job), [this, busy](const PrintOutcome &outcome) mutable {
        busy.reset();
        showPrintFailure(outcome);
    });
}

bool MainWindow::showPrintFailure(const PrintOutcome &outcome)
{
    switch (outcome.result) {
    case PrintResult::Printed:
        return true;
    case PrintResult::PrinterError:
        showError(LabelPrinting::printerErrorMessage());
        break;
    case PrintResult::SaveError:
        showSaveError(outcome.refusal);
        break;
    case PrintResult::LabelOffPage:
        showError(outcome.refusal);
        break;
    }
    return false;
}
