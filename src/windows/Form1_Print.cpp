// The print command: the print settings window, the confirmation, then the page sent to
// the printer while the window goes on answering.
#include "windows/Form1.h"

#include "label/NumberText.h"
#include "platform/widgets/MsgBox.h"
#include "print/CalibrationPage.h"
#include "print/LabelOutput.h"
#include "print/LabelPrinting.h"
#include "print/Printer.h"
#include "windows/BackgroundTask.h"
#include "windows/Form2.h"

#include <QAction>

namespace {

// What the job prints, as the confirmation names it in its title and its question.
QString printedLabels(const Module1 &state)
{
    if (state.PrintSingleMode == 1)
        return QStringLiteral("l'étiquette N° ") +
               NumberText::signedForm(double(state.SinglePosition));
    return NumberText::plain(double(state.CopyCount)) + QStringLiteral(" étiquettes identiques");
}

bool confirmPrinting(const Module1 &state)
{
    const QString labels = printedLabels(state);
    QString question = QStringLiteral("Confirmer l'impression de ") + labels;
    if (state.PrintSingleMode != 1) {
        question += QStringLiteral("\r        à partir de l'étiquette N°") +
                    NumberText::signedForm(double(state.StartLabel));
        if (state.AutoIncrement)
            question += QStringLiteral("\ravec incrémentation automatique du texte 3  ?");
    }
    return MsgBox(question, MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                  QStringLiteral("Impression de ") + labels) == MsgBoxResult::Yes;
}

struct PrintOutcome
{
    bool printed = false;
    Module1 state; // as the job left it: the disk number after its last label
};

} // namespace

void Form1::loadPrintSettings()
{
    m_printSettings = std::make_unique<Form2>(m_state, m_commonDialog, this);
    Form2 *settings = m_printSettings.get();
    connect(settings, &Form2::printerSetupRequested, this, &Form1::Mnu_ConfigImp_Click);
    connect(settings, &Form2::calibrationRequested, this, &Form1::printCalibrationPage);
    // The preview opens over the print settings window, which stays open beneath it.
    connect(settings, &Form2::previewRequested, this, [this, settings] { showPreview(settings); });
}

void Form1::Mnu_Imprimer_Click()
{
    if (!m_printSettings)
        loadPrintSettings();
    m_printSettings->exec();
    // Left in any way, the window is unloaded and built again from the state next time.
    m_printSettings.reset();
    if (m_state.PrintCancelled == 1) {
        m_state.PrintCancelled = 0;
        return;
    }
    if (!confirmPrinting(m_state))
        return;
    // Lines that do not fit print nothing, rather than lines of an earlier text.
    if (!CalculIMP())
        return;
    submitPrintJob();
}

// The job gets its own copies of the state, the label and the printer: the user may go on
// editing while the scheduler answers. Only what printing changes comes back.
void Form1::submitPrintJob()
{
    LabelArtwork artwork;
    artwork.zones = m_zones;
    artwork.picture = picture();
    artwork.hasIcon = !m_state.IconPath.isEmpty();
    m_printing = std::make_unique<BusyPointer>();
    // One job at a time, so that each run numbers on from the one before.
    Mnu_Imprimer->setEnabled(false);
    runInBackground(
        this,
        [printer = m_printer, state = m_state, artwork]() mutable {
            const bool printed = LabelOutput::print(printer, state, artwork);
            return PrintOutcome{printed, state};
        },
        [this](const PrintOutcome &outcome) {
            m_printing.reset();
            Mnu_Imprimer->setEnabled(true);
            if (!outcome.printed) {
                // Nothing came out: the next run numbers the same disks again.
                showError(LabelPrinting::printerErrorMessage());
                return;
            }
            m_state.DiskNumber = outcome.state.DiskNumber;
            m_state.LabelOrigins = outcome.state.LabelOrigins;
        });
}

// Printed like a label job: off the window's thread, on copies, the busy pointer meanwhile.
void Form1::printCalibrationPage()
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
