// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/print-settings/PrintSettingsDialog.h"

#include "label/NumberText.h"
#include "print/RunLimits.h"
#include "print/SheetGeometry.h"
#include "widgets/MsgBox.h"
#include "windows/print-settings/KeyFilteredEdit.h"
#include "windows/print-settings/LabelListPanel.h"
#include "windows/print-settings/SheetTile.h"
#include "windows/print-settings/Spinner.h"
#include "windows/shared/WindowPlacement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <cstdint>
#include <limits>

namespace {

// A count box's number, rounded, within the 16-bit range the window counts in.
int wholeNumber(const QLineEdit *box)
{
    const double n = NumberText::leadingNumber(box->text());
    return int(qBound<double>(std::numeric_limits<std::int16_t>::min(), qRound64(n),
                              std::numeric_limits<std::int16_t>::max()));
}

void showNumber(QLineEdit *box, double value)
{
    box->setText(NumberText::plain(value));
}

// "3, 4", as the window names positions.
QString positionList(const QList<int> &positions)
{
    QStringList numbers;
    for (const int position : positions)
        numbers.append(QString::number(position));
    return numbers.join(QStringLiteral(", "));
}

} // namespace

PrintSettingsDialog::PrintSettingsDialog(const PrintChoices &choices, CommonDialog &commonDialog,
                                         QWidget *parent)
    : QDialog(parent), m_choices(choices), m_commonDialog(commonDialog)
{
    setObjectName(QStringLiteral("PrintSettingsDialog"));
    buildWindow();
    orderFocus();
    // Design values, from which the load and the first activation start.
    m_singleLabelOption->setChecked(true);
    m_numberStyleOption->setChecked(true);
    connectHandlers();
    loadWindow();
}

PrintSettingsDialog::~PrintSettingsDialog() = default;

std::optional<PrintRequest> PrintSettingsDialog::ask()
{
    exec();
    // Left through its frame, the window goes on to print without its button's checks.
    if (m_cancelled || !listPrints())
        return std::nullopt;
    if (result() != QDialog::Accepted && !usedPositionsAccepted())
        return std::nullopt;
    return m_choices.request();
}

bool PrintSettingsDialog::listPrints()
{
    if (m_choices.run.mode != PrintMode::List)
        return true;
    m_listPanel->readNow();
    if (const std::optional<ListRefusal> &refusal = m_listPanel->refusal()) {
        MsgBoxError(refusal->message());
        return false;
    }
    return m_listPanel->labelCount() > 0;
}

// Labels printed over labels already printed are spoilt, with those under them: in every
// mode, the user says first whether the sheet in the printer really is the one to print on.
bool PrintSettingsDialog::usedPositionsAccepted()
{
    const QList<int> over = m_usedPositions.printedOverBy(m_choices.request());
    if (over.isEmpty())
        return true;
    const QString question =
        over.size() == 1
            ? tr("L'étiquette %1 est déjà utilisée. Imprimer quand même ?").arg(over.first())
            : tr("Les étiquettes %1 sont déjà utilisées. Imprimer quand même ?")
                  .arg(positionList(over));
    return MsgBox(question, MsgBoxButtons::YesNo, MsgBoxIcon::Question, warningTitle()) ==
           MsgBoxResult::Yes;
}

void PrintSettingsDialog::showUsedPositions(const UsedPositions &used)
{
    m_usedPositions = used;
    for (int position = 1; position <= int(m_tiles.size()); ++position)
        m_tiles[std::size_t(position - 1)]->setUsed(used.isUsed(position));
    m_usedPositionsCaption->setText(
        tr("Etiquettes utilisées : %1")
            .arg(used.isEmpty() ? tr("aucune") : positionList(used.positions())));
    m_newSheetButton->setEnabled(!used.isEmpty());
}

void PrintSettingsDialog::replaceSheet()
{
    showUsedPositions(UsedPositions());
    emit sheetReplaced();
}

QString PrintSettingsDialog::warningTitle()
{
    return tr("Avertissement");
}

void PrintSettingsDialog::loadWindow()
{
    adjustSize();
    // Never shown yet, the window has no frame: its own size is centred. Its frame geometry
    // would come out a pixel short once the main window is on screen, and the window would
    // open a pixel off from one time to the next.
    move(centredWindowPosition(size(), screen()->availableGeometry()));
    setTipTexts();
    const QString &loadedName = m_choices.settings.loadedName;
    showSettingsName(loadedName.isEmpty() ? defaultSettingsName() : loadedName);
    for (const SheetDistance which : SheetDistances)
        showNumber(distanceEdit(which), m_choices.settings.layout.distance(which));
    showNumber(countBox(CountField::CopyCount).edit, m_choices.run.copyCount);
    showNumber(countBox(CountField::StartPosition).edit, m_choices.run.startPosition);
    // After the boxes: filling the count and start boxes runs the chain that enables it.
    m_printLabelsButton->setEnabled(false);
    showNumber(countBox(CountField::FirstDiskNumber).edit, m_choices.run.nextDiskNumber);
    m_listPanel->setStartPosition(m_choices.run.startPosition);
    m_listPanel->setList(m_choices.listText, m_choices.listFileName);
}

void PrintSettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        onActivated();
}

void PrintSettingsDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape is the cancel button, as in every dialog; closing through the frame is not.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cancelButton->click();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        emit helpRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PrintSettingsDialog::onActivated()
{
    selectNumberingStyle();
    if (m_choices.run.mode == PrintMode::Run) {
        m_runOption->setChecked(true);
        showCopyCount();
        if (m_choices.numberingTicked) {
            m_autoNumberingCheck->setChecked(true);
            showAutoIncrementPanels(true);
        } else {
            m_autoNumberingCheck->setChecked(false);
            showAutoIncrementPanels(false);
        }
        enablePrintForRun();
    } else if (m_choices.run.mode == PrintMode::SingleLabel) {
        m_singleLabelOption->setChecked(true);
        showSingleLabelMode();
    } else if (m_choices.run.mode == PrintMode::List) {
        m_listOption->setChecked(true);
        showListCount();
    }
    m_frameCheck->setChecked(m_choices.settings.layout.printFrame);
    m_cutOutlineCheck->setChecked(m_choices.settings.layout.printCutOutline);
    // Space on the focused option must not switch the mode the window opened in.
    for (QRadioButton *option : {m_singleLabelOption, m_runOption, m_listOption}) {
        if (option->isChecked())
            option->setFocus();
    }
}

void PrintSettingsDialog::selectNumberingStyle()
{
    if (m_choices.run.numberingStyle == NumberingStyle::NumberOfTotal) {
        m_numberOfTotalStyleOption->setChecked(true);
        return;
    }
    // No style chosen yet counts as the number alone.
    m_choices.run.numberingStyle = NumberingStyle::Number;
    m_numberStyleOption->setChecked(true);
}

void PrintSettingsDialog::showSingleLabelMode()
{
    m_chooseTileHint->show();
    showSinglePositionCaption();
    if (m_choices.run.singlePosition >= 1 &&
        m_choices.run.singlePosition <= SheetGeometry::Positions)
        choosePosition(m_choices.run.singlePosition);
    else
        m_printLabelsButton->setEnabled(false);
    m_runGroup->hide();
    m_listGroup->hide();
    m_numberingGroup->hide();
    m_autoNumberingCheck->hide();
    showPositionTiles();
}

// The run option and the print button both say how many labels the run holds.
void PrintSettingsDialog::showCopyCount()
{
    const QString copies = NumberText::plain(double(m_choices.run.copyCount));
    m_runOption->setText(tr("%1 Etiquettes identiques").arg(copies));
    showPrintedCount(m_choices.run.copyCount);
}

void PrintSettingsDialog::showPrintedCount(int count)
{
    m_printLabelsButton->setText(
        tr("&Imprimer %1 étiquettes").arg(NumberText::plain(double(count))));
}

void PrintSettingsDialog::showListCount()
{
    if (m_choices.run.mode != PrintMode::List)
        return;
    showPrintedCount(m_listPanel->labelCount());
    enablePrintForRun();
}

void PrintSettingsDialog::onListTextChanged()
{
    m_choices.listText = m_listPanel->text();
    m_choices.listFileName = m_listPanel->fileName();
}

void PrintSettingsDialog::showSinglePositionCaption()
{
    m_printLabelsButton->setText(
        tr("&Imprimer l'étiquette N° %1")
            .arg(NumberText::signedForm(double(m_choices.run.singlePosition))));
}

// A run prints when it has copies and a start, and, numbered, a first disk number.
void PrintSettingsDialog::enablePrintForRun()
{
    const bool numberMissing = m_choices.numberingTicked && m_choices.run.nextDiskNumber == 0;
    const bool hasLabels = m_choices.run.mode == PrintMode::List ? m_listPanel->labelCount() > 0
                                                                 : m_choices.run.copyCount != 0;
    m_printLabelsButton->setEnabled(hasLabels && m_choices.run.startPosition != 0 &&
                                    !numberMissing);
}

void PrintSettingsDialog::showAutoIncrementPanels(bool shown)
{
    m_numberStyleGroup->setVisible(shown);
    m_numberingGroup->setVisible(shown);
}

void PrintSettingsDialog::copyCheckBoxes()
{
    m_choices.settings.layout.printFrame = m_frameCheck->isChecked();
    m_choices.settings.layout.printCutOutline = m_cutOutlineCheck->isChecked();
    m_choices.run.autoNumbering = m_autoNumberingCheck->isChecked();
}

void PrintSettingsDialog::showStartLabelTip()
{
    countBox(CountField::StartPosition)
        .edit->setToolTip(tr("A partir de l'étiquette N°%1")
                              .arg(NumberText::signedForm(double(m_choices.run.startPosition))));
}

void PrintSettingsDialog::hidePositionTiles()
{
    for (SheetTile *tile : m_tiles)
        tile->setEnabled(false);
}

void PrintSettingsDialog::showPositionTiles()
{
    for (SheetTile *tile : m_tiles)
        tile->setEnabled(true);
}

void PrintSettingsDialog::chooseSingleLabel()
{
    m_choices.run.numberingStyle = NumberingStyle::Unchosen;
    m_choices.run.mode = PrintMode::SingleLabel;
    showSingleLabelMode();
}

void PrintSettingsDialog::showRunPanels()
{
    m_chooseTileHint->hide();
    m_runGroup->show();
    m_autoNumberingCheck->show();
    const bool numbered = m_choices.numberingTicked;
    m_autoNumberingCheck->setChecked(numbered);
    showAutoIncrementPanels(numbered);
    selectNumberingStyle();
    hidePositionTiles();
}

void PrintSettingsDialog::showCopyCountRow(bool shown)
{
    const CountBox &copies = countBox(CountField::CopyCount);
    for (QWidget *part :
         {static_cast<QWidget *>(copies.caption), static_cast<QWidget *>(copies.edit),
          static_cast<QWidget *>(copies.spinner)})
        part->setVisible(shown);
}

void PrintSettingsDialog::chooseRun()
{
    m_choices.run.mode = PrintMode::Run;
    m_listGroup->hide();
    showCopyCountRow(true);
    showRunPanels();
    showCopyCount();
    // Only a run that can print may be printed: coming from a single label with no start
    // position, the run would start off the sheet.
    enablePrintForRun();
}

// A list prints as many labels as it has lines, over as many sheets as it takes: the copy
// count has no say.
void PrintSettingsDialog::chooseList()
{
    m_choices.run.mode = PrintMode::List;
    showCopyCountRow(false);
    showRunPanels();
    m_listGroup->show();
    showListCount();
}

void PrintSettingsDialog::chooseNumberStyle()
{
    m_choices.run.numberingStyle = NumberingStyle::Number;
}

void PrintSettingsDialog::chooseNumberOfTotalStyle()
{
    m_choices.run.numberingStyle = NumberingStyle::NumberOfTotal;
}

void PrintSettingsDialog::choosePosition(int position)
{
    m_choices.run.singlePosition = position;
    m_printLabelsButton->setEnabled(true);
    showSinglePositionCaption();
    for (std::size_t i = 0; i < m_tiles.size(); ++i)
        m_tiles[i]->setChosen(int(i) + 1 == position);
    m_choices.run.labelOrigin =
        SheetGeometry::labelOrigin(position, m_choices.settings.layout.sheetSpacing);
}

void PrintSettingsDialog::onAutoNumberingToggled(bool ticked)
{
    m_choices.numberingTicked = ticked;
    showAutoIncrementPanels(ticked);
    enablePrintForRun();
}

double PrintSettingsDialog::typedDistance(SheetDistance which) const
{
    return NumberText::leadingNumber(distanceEdit(which)->text().replace(u',', u'.'));
}

void PrintSettingsDialog::onDistanceEdited(SheetDistance which)
{
    m_choices.settings.layout.setDistance(which, typedDistance(which));
}

void PrintSettingsDialog::onCountEdited(const CountBox &box)
{
    const int typed = wholeNumber(box.edit);
    const int kept = countWithinLimits(box.field, typed);
    if (kept != typed) {
        // The box shows the count it keeps, and that change comes back here.
        showNumber(box.edit, kept);
        return;
    }
    m_choices.run.*box.value = typed;
    // However the count is raised or the start moved, the run stays on the sheet; a list goes
    // on to the next.
    if (box.field != CountField::FirstDiskNumber && m_choices.run.mode != PrintMode::List)
        keepRunOnSheet();
    if (box.field == CountField::StartPosition)
        m_listPanel->setStartPosition(typed);
    enablePrintForRun();
    box.spinner->showValue(m_choices.run.*box.value);
    if (box.field == CountField::CopyCount)
        showCopyCount();
    else if (box.field == CountField::StartPosition)
        showStartLabelTip();
}

// A copy count past its limits is told and brought back within them; a start position is
// brought onto the sheet without a word, as the box takes two digits and the sheet has ten
// positions.
int PrintSettingsDialog::countWithinLimits(CountField field, int typed) const
{
    switch (field) {
    case CountField::CopyCount:
        if (typed > RunLimits::MaxCopies) {
            MsgBoxError(RunLimits::tooManyCopiesMessage());
            return RunLimits::MaxCopies;
        }
        if (typed < 0) {
            MsgBoxError(RunLimits::tooFewCopiesMessage());
            return 1;
        }
        break;
    case CountField::StartPosition:
        return qBound(0, typed, SheetGeometry::Positions);
    case CountField::FirstDiskNumber:
        break;
    }
    return typed;
}

// Labels past position 10 would all print over position 10: the count is cut to the
// positions left from the start.
void PrintSettingsDialog::keepRunOnSheet()
{
    const int positionsLeft = RunLimits::positionsFrom(m_choices.run.startPosition);
    if (m_choices.run.copyCount <= positionsLeft)
        return;
    MsgBox(RunLimits::pastSheetEndMessage(m_choices.run.startPosition), MsgBoxButtons::OKOnly,
           MsgBoxIcon::Exclamation, warningTitle());
    m_choices.run.copyCount = positionsLeft;
    showNumber(countBox(CountField::CopyCount).edit, m_choices.run.copyCount);
}

void PrintSettingsDialog::onCountStepped(const CountBox &box, int value)
{
    m_choices.run.*box.value = value;
    showNumber(box.edit, value);
}

void PrintSettingsDialog::printLabels()
{
    if (!listPrints() || !usedPositionsAccepted())
        return;
    copyCheckBoxes();
    accept();
}

void PrintSettingsDialog::cancel()
{
    m_choices.settings.layout.printFrame = m_frameCheck->isChecked();
    m_choices.settings.layout.printCutOutline = m_cutOutlineCheck->isChecked();
    m_cancelled = true;
    reject();
}

void PrintSettingsDialog::printerSetup()
{
    emit printerSetupRequested();
}

void PrintSettingsDialog::preview()
{
    openPreview(&PrintSettingsDialog::previewRequested);
}

void PrintSettingsDialog::sheetPreview()
{
    openPreview(&PrintSettingsDialog::sheetPreviewRequested);
}

void PrintSettingsDialog::openPreview(void (PrintSettingsDialog::*requested)())
{
    copyCheckBoxes();
    emit(this->*requested)();
    // Back from the preview, as when the window becomes active again.
    onActivated();
}
