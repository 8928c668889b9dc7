#include "windows/Form2.h"

#include "label/NumberText.h"
#include "platform/widgets/MsgBox.h"
#include "print/RunLimits.h"
#include "print/SheetGeometry.h"
#include "windows/KeyFilteredEdit.h"
#include "windows/SheetTile.h"
#include "windows/Spinner.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <limits>

namespace {

// A count box's number, rounded, within what a 16-bit count holds.
qint16 wholeNumber(const QLineEdit *box)
{
    const double n = NumberText::leadingNumber(box->text());
    return qint16(qBound<double>(std::numeric_limits<qint16>::min(), qRound64(n),
                                 std::numeric_limits<qint16>::max()));
}

double distance(const QLineEdit *box)
{
    return NumberText::leadingNumber(box->text());
}

void showNumber(QLineEdit *box, double value)
{
    box->setText(NumberText::plain(value));
}

} // namespace

Form2::Form2(Module1 &state, CMDialog1 &commonDialog, QWidget *parent)
    : QDialog(parent), m_state(state), m_commonDialog(commonDialog)
{
    setObjectName(QStringLiteral("Form2"));
    buildWindow();
    // Design values, from which the load and the first activation start.
    Option1->setChecked(true);
    Option3->setChecked(true);
    connectHandlers();
    Form_Load();
}

Form2::~Form2() = default;

void Form2::Form_Load()
{
    adjustSize();
    move(CenterForm(frameGeometry().size(), screen()->availableGeometry()));
    setTipTexts();
    showSettingsName(m_state.ConfigLoaded == 1 ? m_state.ConfigName
                                               : Module1::defaultSettingsName());
    Command1->setEnabled(false);
    showNumber(Text1, m_state.SheetSpacing[LeftMargin]);
    showNumber(Text3, m_state.SheetSpacing[TopMargin]);
    showNumber(Text4, m_state.SheetSpacing[RowGap]);
    showNumber(Text2, m_state.SheetSpacing[ColumnGap]);
    showNumber(Text5, m_state.CopyCount);
    showNumber(Text6, m_state.StartLabel);
    Command1->setEnabled(false);
    showNumber(Text7, m_state.DiskNumber);
}

void Form2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    // Escape is the cancel button, as in every dialog; closing through the frame is not.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command2->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form2::Form_Activate()
{
    selectNumberingStyle();
    if (m_state.PrintSingleMode == 0) {
        Option2->setChecked(true);
        showCopyCount();
        if (m_state.AutoIncrementBox == 1) {
            Check3->setChecked(true);
            showAutoIncrementPanels(true);
        } else {
            Check3->setChecked(false);
            showAutoIncrementPanels(false);
        }
        enablePrintForRun();
    } else if (m_state.PrintSingleMode == 1) {
        Option1->setChecked(true);
        showSingleLabelMode();
    }
    Check1->setChecked(m_state.PrintFrame);
    Check2->setChecked(m_state.PrintCutMarks);
}

void Form2::selectNumberingStyle()
{
    if (m_state.NumberingStyle == 2) {
        Option4->setChecked(true);
        return;
    }
    // No style chosen yet counts as the number alone.
    m_state.NumberingStyle = 1;
    Option3->setChecked(true);
}

void Form2::showSingleLabelMode()
{
    Label11->show();
    showSinglePositionCaption();
    if (m_state.SinglePosition >= 1 && m_state.SinglePosition <= SheetGeometry::Positions)
        Label_Click(m_state.SinglePosition);
    else
        Command1->setEnabled(false);
    Frame3->hide();
    Frame5->hide();
    Check3->hide();
    LabelVisible();
}

// The run option and the print button both say how many labels the run holds.
void Form2::showCopyCount()
{
    const QString copies = NumberText::plain(double(m_state.CopyCount));
    Option2->setText(copies + QStringLiteral(" Etiquettes identiques"));
    Command1->setText(QStringLiteral("&Imprimer ") + copies + QStringLiteral(" étiquettes"));
}

void Form2::showSinglePositionCaption()
{
    Command1->setText(QStringLiteral("&Imprimer l'étiquette N° ") +
                      NumberText::signedForm(double(m_state.SinglePosition)));
}

// A run prints when it has copies and a start, and, numbered, a first disk number.
void Form2::enablePrintForRun()
{
    const bool numberMissing = m_state.AutoIncrementBox == 1 && m_state.DiskNumber == 0;
    Command1->setEnabled(m_state.CopyCount != 0 && m_state.StartLabel != 0 && !numberMissing);
}

void Form2::showAutoIncrementPanels(bool shown)
{
    Frame4->setVisible(shown);
    Frame5->setVisible(shown);
}

void Form2::copyCheckBoxes()
{
    m_state.PrintFrame = Check1->isChecked();
    m_state.PrintCutMarks = Check2->isChecked();
    m_state.AutoIncrement = Check3->isChecked();
}

void Form2::showStartLabelTip()
{
    Text6->setToolTip(QStringLiteral("A partir de l'étiquette N°") +
                      NumberText::signedForm(double(m_state.StartLabel)));
}

void Form2::CacheLabel()
{
    for (SheetTile *tile : m_tiles)
        tile->setEnabled(false);
}

void Form2::LabelVisible()
{
    for (SheetTile *tile : m_tiles)
        tile->setEnabled(true);
}

void Form2::Option1_Click()
{
    m_state.NumberingStyle = 0;
    m_state.PrintSingleMode = 1;
    showSingleLabelMode();
}

void Form2::Option2_Click()
{
    m_state.PrintSingleMode = 0;
    Label11->hide();
    Frame3->show();
    showCopyCount();
    Check3->show();
    const bool numbered = m_state.AutoIncrementBox == 1;
    Check3->setChecked(numbered);
    showAutoIncrementPanels(numbered);
    selectNumberingStyle();
    CacheLabel();
    // Only a run that can print may be printed: coming from a single label with no start
    // position, the run would start off the sheet.
    enablePrintForRun();
}

void Form2::Option3_Click()
{
    m_state.NumberingStyle = 1;
}

void Form2::Option4_Click()
{
    m_state.NumberingStyle = 2;
}

void Form2::Label_Click(int position)
{
    m_state.SinglePosition = qint16(position);
    Command1->setEnabled(true);
    showSinglePositionCaption();
    for (std::size_t i = 0; i < m_tiles.size(); ++i)
        m_tiles[i]->setChosen(int(i) + 1 == position);
    const QPointF origin = SheetGeometry::labelOrigin(position, m_state.SheetSpacing);
    m_state.LabelOrigins = {origin.x(), origin.y()};
}

void Form2::Check3_Click(bool ticked)
{
    m_state.AutoIncrementBox = ticked ? 1 : 0;
    showAutoIncrementPanels(ticked);
    enablePrintForRun();
}

void Form2::Text1_Change()
{
    m_state.SheetSpacing[LeftMargin] = distance(Text1);
}

void Form2::Text2_Change()
{
    m_state.SheetSpacing[ColumnGap] = distance(Text2);
}

void Form2::Text3_Change()
{
    m_state.SheetSpacing[TopMargin] = distance(Text3);
}

void Form2::Text4_Change()
{
    m_state.SheetSpacing[RowGap] = distance(Text4);
}

void Form2::Text5_Change()
{
    m_state.CopyCount = wholeNumber(Text5);
    if (m_state.CopyCount > RunLimits::MaxCopies) {
        MsgBoxError(RunLimits::tooManyCopiesMessage());
        m_state.CopyCount = RunLimits::MaxCopies;
        showNumber(Text5, m_state.CopyCount);
    } else if (m_state.CopyCount < 0) {
        MsgBoxError(RunLimits::tooFewCopiesMessage());
        m_state.CopyCount = 1;
        showNumber(Text5, m_state.CopyCount);
    }
    // However the count is raised, the run stays on the sheet.
    keepRunOnSheet();
    enablePrintForRun();
    VScroll1->showValue(m_state.CopyCount);
    showCopyCount();
}

void Form2::Text6_Change()
{
    const qint16 typed = wholeNumber(Text6);
    const qint16 onSheet = qint16(qBound(0, int(typed), SheetGeometry::Positions));
    if (typed != onSheet) {
        // The box takes two digits, the sheet has ten positions.
        showNumber(Text6, onSheet);
        return;
    }
    m_state.StartLabel = typed;
    keepRunOnSheet();
    enablePrintForRun();
    VScroll2->showValue(m_state.StartLabel);
    showStartLabelTip();
}

// Labels past position 10 would all print over position 10: the count is cut to the
// positions left from the start.
void Form2::keepRunOnSheet()
{
    const int positionsLeft = RunLimits::positionsFrom(m_state.StartLabel);
    if (m_state.CopyCount <= positionsLeft)
        return;
    MsgBox(RunLimits::pastSheetEndMessage(m_state.StartLabel), MsgBoxButtons::OKOnly,
           MsgBoxIcon::Exclamation, QStringLiteral("Avertissement"));
    m_state.CopyCount = qint16(positionsLeft);
    showNumber(Text5, m_state.CopyCount);
}

void Form2::Text7_Change()
{
    m_state.DiskNumber = wholeNumber(Text7);
    enablePrintForRun();
    VScroll3->showValue(m_state.DiskNumber);
}

void Form2::VScroll1_Change(int value)
{
    m_state.CopyCount = qint16(value);
    showNumber(Text5, value);
}

void Form2::VScroll2_Change(int value)
{
    m_state.StartLabel = qint16(value);
    showNumber(Text6, value);
}

void Form2::VScroll3_Change(int value)
{
    m_state.DiskNumber = qint16(value);
    showNumber(Text7, value);
}

void Form2::Command1_Click()
{
    copyCheckBoxes();
    accept();
}

void Form2::Command2_Click()
{
    m_state.PrintFrame = Check1->isChecked();
    m_state.PrintCutMarks = Check2->isChecked();
    m_state.PrintCancelled = 1;
    reject();
}

void Form2::Command6_Click()
{
    emit printerSetupRequested();
}

void Form2::Command7_Click()
{
    copyCheckBoxes();
    emit previewRequested();
    // Back from the preview, as when the window becomes active again.
    Form_Activate();
}
