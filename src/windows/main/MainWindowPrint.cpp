// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The print command: the print settings window, the confirmation, then the page sent to
// the printer while the window goes on answering.
#include "windows/main/MainWindow.h"

#include "label/NumberText.h"
#include "print/CalibrationPage.h"
#include "print/LabelOutput.h"
#include "print/LabelPrinting.h"
#include "print/Printer.h"
#include "widgets/MsgBox.h"
#include "windows/print-settings/PrintSettingsDialog.h"
#include "windows/shared/BackgroundTask.h"

#include <QAction>

namespace {

// What the job prints, as the confirmation names it in its title and its question.
QString printedLabels(const ProgramState &state)
{
    if (state.printSingleMode == 1)
        return QStringLiteral("l'étiquette N° ") +
               NumberText::signedForm(double(state.singlePosition));
    return NumberText::plain(double(state.copyCount)) + QStringLiteral(" étiquettes identiques");
}

bool confirmPrinting(const ProgramState &state)
{
    const QString labels = printedLabels(state);
    QString question = QStringLiteral("Confirmer l'impression de ") + labels;
    if (state.printSingleMode != 1) {
        question += QStringLiteral("\r        à partir de l'étiquette N°") +
                    NumberText::signedForm(double(state.startPosition));
        if (state.autoNumbering)
            question += QStringLiteral("\ravec incrémentation automatique du texte 3  ?");
    }
    return MsgBox(question, MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                  QStringLiteral("Impression de ") + labels) == MsgBoxResult::Yes;
}

struct PrintOutcome
{
    bool printed = false;
    ProgramState state; // as the job left it: the disk number after its last label
};

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
    // Left in any way, the window is unloaded and built again from the state next time.
    m_printSettings.reset();
    if (m_state.printCancelled == 1) {
        m_state.printCancelled = 0;
        return;
    }
    if (!confirmPrinting(m_state))
        return;
    // Lines that do not fit print nothing, rather than lines of an earlier text.
    if (!splitZoneLines())
        return;
    submitPrintJob();
}

// The job gets its own copies of the state, the label and the printer: the user may go on
// editing while the scheduler answers. Only what printing changes comes back.
void MainWindow::submitPrintJob()
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
        [printer = m_printer, state = m_state, artwork]() mutable {
            const bool printed = LabelOutput::print(printer, state, artwork);
            return PrintOutcome{printed, state};
        },
        [this](const PrintOutcome &outcome) {
            m_printing.reset();
            m_printAction->setEnabled(true);
            if (!outcome.printed) {
                // Nothing came out: the next run numbers the same disks again.
                showError(LabelPrinting::printerErrorMessage());
                return;
            }
            m_state.nextDiskNumber = outcome.state.nextDiskNumber;
            m_state.labelOrigin = outcome.state.labelOrigin;
        });
}

// Printed like a label job: off the window's thread, on copies, the busy pointer meanwhile.
void MainWindow::printCalibrationPage()
{
    auto busy = std::make_shared<BusyPointer>();
    runInBackground(
        this,
        [printer = m_printer, state = m_state] { return CalibrationPage::print(printer, state); },
        [this, busy](bool printed) mutable {
            busy.reset();
            if (!printed)
                showError(LabelPrinting::printerErrorMessage());
        });
}
