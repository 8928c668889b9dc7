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
QString printedLabels(const ProgramState &state)
{
    if (state.printMode == PrintMode::SingleLabel)
        return QCoreApplication::translate("MainWindow", "l'étiquette N° %1")
            .arg(NumberText::signedForm(double(state.singlePosition)));
    return QCoreApplication::translate("MainWindow", "%1 étiquettes identiques")
        .arg(NumberText::plain(double(state.copyCount)));
}

bool confirmPrinting(const ProgramState &state)
{
    const QString labels = printedLabels(state);
    QString question =
        QCoreApplication::translate("MainWindow", "Confirmer l'impression de %1").arg(labels);
    if (state.printMode != PrintMode::SingleLabel) {
        question +=
            QCoreApplication::translate("MainWindow", "\r        à partir de l'étiquette N°%1")
                .arg(NumberText::signedForm(double(state.startPosition)));
        if (state.autoNumbering)
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
    m_printSettings = std::make_unique<PrintSettingsDialog>(m_state, m_commonDialog, this);
    PrintSettingsDialog *settings = m_printSettings.get();
    connect(settings, &PrintSettingsDialog::printerSetupRequested, this, &MainWindow::printerSetup);
    connect(settings, &PrintSettingsDialog::calibrationRequested, this,
            &MainWindow::printCalibrationPage);
    // The preview opens over the print settings window, which stays open beneath it.
    connect(settings, &PrintSettingsDialog::previewRequested, this,
            [this, settings] { showPreview(settings); });
}

void MainWindow::filePrint()
{
    loadPrintSettings();
    m_printSettings->exec();
    const bool cancelled = m_printSettings->wasCancelled();
    // Left in any way, the window is unloaded and built again from the state next time.
    m_printSettings.reset();
    if (cancelled)
        return;
    if (!confirmPrinting(m_state))
        return;
    // Lines that do not fit print nothing, rather than lines of an earlier text.
    if (!splitZoneLines())
        return;
    if (!printsToPdf()) {
        submitPrintJob();
        return;
    }
    // A cancelled file dialog prints nothing, so the run keeps its numbers.
    if (const std::optional<QString> path = choosePdfFile(proposedPdfName(m_state.labelFileName)))
        writePrintPdf(*path);
}

bool MainWindow::printsToPdf() const
{
    return m_destination.target == PrintTarget::PdfFile || m_printer.isNull();
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

void MainWindow::submitPrintJob()
{
    runPrintJob([printer = m_printer](ProgramState &state, const LabelArtwork &artwork) {
        return PrintOutcome::printed(LabelOutput::print(printer, state, artwork), state);
    });
}

void MainWindow::writePrintPdf(const QString &path)
{
    runPrintJob(
        [path, page = m_destination.pdfPage()](ProgramState &state, const LabelArtwork &artwork) {
            return PrintOutcome::written(LabelOutput::writePdf(path, state, artwork, page), state);
        });
}

// The job gets its own copies of the state and the label: the user may go on editing while
// the scheduler or the disk answers. Only what printing changes comes back.
void MainWindow::runPrintJob(
    std::function<PrintOutcome(ProgramState &state, const LabelArtwork &artwork)> job)
{
    LabelArtwork artwork;
    artwork.zones = zones();
    artwork.picture = picture();
    artwork.hasIcon = !m_state.iconPath.isEmpty();
    m_printing = std::make_unique<BusyPointer>();
    // One job at a time, so that each run numbers on from the one before.
    m_printAction->setEnabled(false);
    runInBackground(
        this,
        [job = std::move(job), state = m_state, artwork]() mutable { return job(state, artwork); },
        [this](const PrintOutcome &outcome) {
            m_printing.reset();
            m_printAction->setEnabled(true);
            // Nothing came out: the next run numbers the same disks again.
            if (!showPrintFailure(outcome))
                return;
            m_state.nextDiskNumber = outcome.state.nextDiskNumber;
            m_state.labelOrigin = outcome.state.labelOrigin;
        });
}

// Printed like a label job: off the window's thread, on copies, the busy pointer meanwhile.
void MainWindow::printCalibrationPage()
{
    std::function<PrintOutcome()> job;
    if (!printsToPdf()) {
        job = [printer = m_printer, state = m_state] {
            return PrintOutcome::printed(CalibrationPage::print(printer, state), state);
        };
    } else if (const std::optional<QString> path = choosePdfFile(tr("Etalonnage.pdf"))) {
        job = [path = *path, page = m_destination.pdfPage(), state = m_state] {
            return PrintOutcome::written(CalibrationPage::writePdf(path, state, page), state);
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
    }
    return false;
}
