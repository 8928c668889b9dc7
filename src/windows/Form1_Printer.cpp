// The main window's printer: the orientation shown in Label6 and the menu's check marks, the
// orientation switch and the printer set-up. Every question to CUPS runs off the
// user-interface thread; the answer is shown when it comes, for the printer still chosen.
#include "windows/Form1.h"

#include "platform/widgets/MsgBox.h"
#include "print/Printer.h"
#include "print/PrinterSetup.h"
#include "windows/BackgroundTask.h"

#include <QAction>
#include <QLabel>
#include <memory>

void Form1::findDefaultPrinter()
{
    runInBackground(
        this, [] { return Printer::systemDefault(); },
        [this](const Printer &found) {
            // The user may have chosen a printer in the meantime: his choice stands.
            if (!m_printer.isNull())
                return;
            m_printer = found;
            refreshOrientationDisplay();
        });
}

void Form1::refreshOrientationDisplay()
{
    if (m_printer.isNull()) {
        showOrientation(0);
        return;
    }
    runInBackground(
        this, [printer = m_printer] { return printer.orientation(); },
        [this, asked = m_printer.name()](int orientation) {
            if (asked == m_printer.name())
                showOrientation(orientation);
        });
}

// orientation: 1 portrait, 2 landscape, 0 when no printer answers.
void Form1::showOrientation(int orientation)
{
    if (orientation == 1)
        Label6->setText(QStringLiteral("En cours : Portrait"));
    Mnu_ImpPort->setChecked(orientation == 1);
    if (orientation == 2)
        Label6->setText(QStringLiteral("En cours : Paysage"));
    Mnu_ImpPays->setChecked(orientation == 2);
    if (orientation == 0)
        Label6->setText(QStringLiteral("Aucune imprimante"));
    m_shownOrientation = orientation;
    emit orientationShown();
}

void Form1::setPrinterCommandsEnabled(bool enabled)
{
    // One change of the printer's defaults at a time: a second would race the first.
    for (QAction *command : {Mnu_ConfigImp, Mnu_ImpPort, Mnu_ImpPays})
        command->setEnabled(enabled);
}

void Form1::Mnu_ImpPort_Click()
{
    switchOrientation(&OrImp::SetOrientationPortrait);
}

void Form1::Mnu_ImpPays_Click()
{
    switchOrientation(&OrImp::SetOrientationLandscape);
}

void Form1::switchOrientation(OrImp::SwitchResult (*setOrientation)(qint16 &, const Printer &))
{
    // The click toggled a check mark: they show the printer's answer, not the request.
    Mnu_ImpPort->setChecked(m_shownOrientation == 1);
    Mnu_ImpPays->setChecked(m_shownOrientation == 2);

    struct Outcome
    {
        OrImp::SwitchResult result;
        qint16 requested;
        int orientation;
    };
    setPrinterCommandsEnabled(false);
    runInBackground(
        this,
        [setOrientation, printer = m_printer] {
            qint16 requested = 0;
            const OrImp::SwitchResult result = setOrientation(requested, printer);
            return Outcome{result, requested, printer.orientation()};
        },
        [this, asked = m_printer.name(),
         busy = std::make_shared<BusyPointer>()](const Outcome &outcome) mutable {
            busy.reset();
            setPrinterCommandsEnabled(true);
            m_state.PrinterOrientation = outcome.requested;
            if (asked == m_printer.name())
                showOrientation(outcome.orientation);
            if (outcome.result == OrImp::SwitchResult::Refused)
                showError(QStringLiteral("L'orientation de l'imprimante n'a pas pu être changée."));
        });
}

void Form1::Mnu_ConfigImp_Click()
{
    setPrinterCommandsEnabled(false);
    runInBackground(
        this, [current = m_printer.name()] { return PrinterSetup::offer(current); },
        [this, busy = std::make_shared<BusyPointer>()](const PrinterSetupOffer &offer) mutable {
            busy.reset();
            setPrinterCommandsEnabled(true);
            m_commonDialog.Flags = CMDialog1::PrintSetup;
            m_commonDialog.CancelError = false;
            const std::optional<PrinterSetupChoice> choice = m_commonDialog.ShowPrinter(offer);
            if (!choice)
                return;
            m_printer = Printer(choice->printer);
            storePrinterSetup(*choice);
        });
}

void Form1::storePrinterSetup(const PrinterSetupChoice &choice)
{
    struct Outcome
    {
        bool stored;
        int orientation;
    };
    setPrinterCommandsEnabled(false);
    runInBackground(
        this,
        [choice] {
            const bool stored = PrinterSetup::store(choice);
            return Outcome{stored, Printer(choice.printer).orientation()};
        },
        [this, asked = choice.printer,
         busy = std::make_shared<BusyPointer>()](const Outcome &outcome) mutable {
            busy.reset();
            setPrinterCommandsEnabled(true);
            // Later jobs and the display follow the choice the printer now reports.
            if (asked == m_printer.name())
                showOrientation(outcome.orientation);
            if (!outcome.stored)
                showError(QStringLiteral(
                    "Le papier et l'orientation choisis n'ont pas pu être enregistrés."));
        });
}
