// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's printer: the orientation shown in m_orientationLabel and the menu's check
// marks, the orientation switch and the printer set-up. Every question to CUPS runs off the
// user-interface thread; the answer is shown when it comes, for the printer still chosen.
// While a PDF file is chosen instead, they show and set the orientation of its page.
#include "windows/main/MainWindow.h"

#include "print/Printer.h"
#include "print/PrinterQuery.h"
#include "print/PrinterSetup.h"
#include "widgets/MsgBox.h"
#include "windows/shared/BackgroundTask.h"

#include <QAction>
#include <QLabel>
#include <memory>

void MainWindow::findDefaultPrinter()
{
    if (m_defaultPrinterSearch == DefaultPrinterSearch::Asking)
        return;
    m_defaultPrinterSearch = DefaultPrinterSearch::Asking;
    runInBackground(
        this,
        [remembered = m_destination.printerName] { return PrinterQuery::findPrinter(remembered); },
        [this](const PrinterQuery::FoundPrinter &found) {
            const bool away = std::holds_alternative<SchedulerAway>(found.printer);
            // Asked again at the next refresh: the scheduler may be back by then.
            m_defaultPrinterSearch =
                away ? DefaultPrinterSearch::SchedulerAway : DefaultPrinterSearch::Answered;
            // The user may have chosen a printer in the meantime: his choice stands.
            if (!m_printer.isNull())
                return;
            if (away) {
                if (showsPrinter(QString()))
                    showPrinterAnswer(SchedulerAway{});
                return;
            }
            m_printer = std::get<Printer>(found.printer);
            showSheetMarks();
            // The child asked the printer's orientation too: no second question.
            if (!m_printer.isNull() && showsPrinter(m_printer.name()))
                showPrinterAnswer(found.orientation);
            else
                refreshOrientationDisplay();
        });
}

void MainWindow::refreshOrientationDisplay()
{
    if (m_destination.target == PrintTarget::PdfFile) {
        showPrinterAnswer(StoredOrientation(m_destination.pdfOrientation));
        return;
    }
    if (m_printer.isNull()) {
        switch (m_defaultPrinterSearch) {
        case DefaultPrinterSearch::Answered:
            showPrinterAnswer(std::nullopt);
            return;
        case DefaultPrinterSearch::Asking:
            return; // the answer is shown when it comes
        case DefaultPrinterSearch::SchedulerAway:
            findDefaultPrinter();
            return;
        }
    }
    runInBackground(
        this, [printer = m_printer] { return PrinterQuery::orientation(printer); },
        [this, asked = m_printer.name()](const OrientationAnswer &orientation) {
            if (showsPrinter(asked))
                showPrinterAnswer(orientation);
        });
}

// The orientation CUPS reports for the program's printer, or that there is no printer. While
// the scheduler is away the frame says so, and keeps showing the orientation it last
// reported; that there is no printer, it can no longer tell.
void MainWindow::showPrinterAnswer(const OrientationAnswer &answer)
{
    const StoredOrientation *orientation = std::get_if<StoredOrientation>(&answer);
    m_printerStateLabel->setText(orientation ? QString() : tr("Imprimante non disponible"));
    if (orientation)
        showOrientation(*orientation);
    else if (!m_shownOrientation)
        m_orientationLabel->clear();
    emit orientationShown();
}

void MainWindow::showOrientation(StoredOrientation orientation)
{
    const bool portrait = orientation == PageGeometry::Orientation::Portrait;
    if (portrait)
        m_orientationLabel->setText(tr("En cours : Portrait"));
    m_portraitAction->setChecked(portrait);
    const bool landscape = orientation == PageGeometry::Orientation::Landscape;
    if (landscape)
        m_orientationLabel->setText(tr("En cours : Paysage"));
    m_landscapeAction->setChecked(landscape);
    if (!orientation)
        m_orientationLabel->setText(tr("Aucune imprimante"));
    m_shownOrientation = orientation;
}

void MainWindow::setPrinterCommandsEnabled(bool enabled)
{
    // One change of the printer's defaults at a time: a second would race the first.
    for (QAction *command : {m_printerSetupAction, m_portraitAction, m_landscapeAction})
        command->setEnabled(enabled);
}

bool MainWindow::showsPrinter(const QString &asked) const
{
    return m_destination.target == PrintTarget::CupsPrinter && asked == m_printer.name();
}

void MainWindow::switchPrinterToPortrait()
{
    if (m_destination.target == PrintTarget::PdfFile)
        setPdfOrientation(PageGeometry::Orientation::Portrait);
    else
        switchOrientation(PageGeometry::Orientation::Portrait);
}

void MainWindow::switchPrinterToLandscape()
{
    if (m_destination.target == PrintTarget::PdfFile)
        setPdfOrientation(PageGeometry::Orientation::Landscape);
    else
        switchOrientation(PageGeometry::Orientation::Landscape);
}

// The PDF page's orientation is the program's own: CUPS is not asked.
void MainWindow::setPdfOrientation(PageGeometry::Orientation orientation)
{
    m_destination.pdfOrientation = orientation;
    m_destination.remember();
    refreshOrientationDisplay();
}

void MainWindow::switchOrientation(PageGeometry::Orientation orientation)
{
    // The click toggled a check mark: they show the printer's answer, not the request.
    m_portraitAction->setChecked(m_shownOrientation == PageGeometry::Orientation::Portrait);
    m_landscapeAction->setChecked(m_shownOrientation == PageGeometry::Orientation::Landscape);

    setPrinterCommandsEnabled(false);
    runInBackground(
        this,
        [orientation, printer = m_printer] {
            return OrientationSwitch::switchTo(orientation, printer);
        },
        [this, asked = m_printer.name(), busy = std::make_shared<BusyPointer>()](
            const OrientationSwitch::Outcome &switched) mutable {
            busy.reset();
            setPrinterCommandsEnabled(true);
            if (showsPrinter(asked))
                showPrinterAnswer(switched.orientation);
            if (switched.result == OrientationSwitch::SwitchResult::Refused)
                showError(tr("L'orientation de l'imprimante n'a pas pu être changée."));
        });
}

void MainWindow::printerSetup()
{
    setPrinterCommandsEnabled(false);
    runInBackground(
        this, [current = m_printer.name()] { return PrinterSetup::offer(current); },
        [this, busy = std::make_shared<BusyPointer>()](PrinterSetupOffer offer) mutable {
            busy.reset();
            setPrinterCommandsEnabled(true);
            offer.currentTarget = m_destination.target;
            offer.pdfOrientation = m_destination.pdfOrientation;
            const std::optional<PrinterSetupChoice> choice = m_commonDialog.choosePrinter(offer);
            if (!choice)
                return;
            m_destination.target = choice->target;
            if (choice->target == PrintTarget::PdfFile) {
                setPdfOrientation(choice->orientation);
            } else {
                m_destination.printerName = choice->printer;
                m_destination.remember();
                m_printer = Printer(choice->printer);
                storePrinterSetup(*choice);
            }
            // Another printer holds another sheet.
            showSheetMarks();
        });
}

void MainWindow::storePrinterSetup(const PrinterSetupChoice &choice)
{
    setPrinterCommandsEnabled(false);
    runInBackground(
        this, [choice] { return PrinterSetup::store(choice); },
        [this, asked = choice.printer,
         busy = std::make_shared<BusyPointer>()](const PrinterSetupStored &outcome) mutable {
            busy.reset();
            setPrinterCommandsEnabled(true);
            // Later jobs and the display follow the choice the printer now reports.
            if (showsPrinter(asked))
                showPrinterAnswer(outcome.orientation);
            if (!outcome.stored)
                showError(tr("Le papier et l'orientation choisis n'ont pas pu être enregistrés."));
        });
}
