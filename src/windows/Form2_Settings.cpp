#include "windows/Form2.h"

#include "label/LabelFile.h"
#include "label/NumberText.h"
#include "platform/widgets/MsgBox.h"
#include "print/PrintSettingsFile.h"
#include "windows/CMDialog1.h"
#include "windows/KeyFilteredEdit.h"

#include <QCheckBox>

void Form2::showSettingsName(const QString &name)
{
    m_state.PrintSettingsTitle = Module1::printSettingsTitle(name);
    setWindowTitle(m_state.PrintSettingsTitle);
}

void Form2::prepareSettingsDialog(const QString &title, int flags, bool cancelError)
{
    m_commonDialog.CancelError = cancelError;
    m_commonDialog.DialogTitle = title;
    m_commonDialog.Filter = QStringLiteral("Fichiers de configuration (*.PAR)|*.PAR");
    m_commonDialog.FilterIndex = 1;
    m_commonDialog.Flags = flags;
}

// Each box's change handling stores its number back into the state.
void Form2::showLayout(const PrintSettingsFile::Layout &layout, QString (*form)(double value))
{
    Text1->setText(form(layout.SheetSpacing[LeftMargin]));
    Text3->setText(form(layout.SheetSpacing[TopMargin]));
    Text4->setText(form(layout.SheetSpacing[RowGap]));
    Text2->setText(form(layout.SheetSpacing[ColumnGap]));
    m_state.PrintFrame = layout.PrintFrame;
    m_state.PrintCutMarks = layout.PrintCutMarks;
    Check1->setChecked(layout.PrintFrame);
    Check2->setChecked(layout.PrintCutMarks);
}

bool Form2::SaveFileConfig(const QString &path)
{
    PrintSettingsFile::Layout layout;
    layout.PrintFrame = Check1->isChecked();
    layout.PrintCutMarks = Check2->isChecked();
    layout.SheetSpacing = {
        NumberText::leadingNumber(Text1->text()), NumberText::leadingNumber(Text3->text()),
        NumberText::leadingNumber(Text4->text()), NumberText::leadingNumber(Text2->text())};
    if (!PrintSettingsFile::write(path, layout))
        return false;
    layout.applyTo(m_state);
    return true;
}

bool Form2::OpenFileCONF(const QString &path)
{
    const std::optional<PrintSettingsFile::Layout> layout = PrintSettingsFile::read(path);
    if (!layout)
        return false;
    showLayout(*layout, NumberText::signedForm);
    return true;
}

void Form2::Command3_Click()
{
    showLayout(PrintSettingsFile::Layout(), NumberText::plain);
    showSettingsName(Module1::defaultSettingsName());
}

void Form2::Command4_Click()
{
    prepareSettingsDialog(QStringLiteral("Enregistrer"), CMDialog1::OverwritePrompt, true);
    if (!m_commonDialog.ShowSave())
        return;
    const QString path = m_commonDialog.FileName;
    if (!SaveFileConfig(path)) {
        MsgBoxError(LabelFile::saveErrorMessage());
        return;
    }
    m_state.ConfigFileName = path;
    showSettingsName(m_commonDialog.FileTitle.toUpper());
}

void Form2::Command5_Click()
{
    prepareSettingsDialog(QStringLiteral("Ouvrir"), 0, false);
    m_commonDialog.FileName = m_state.ConfigFileName;
    // Cancelling loads nothing, so the distances just typed stay.
    if (!m_commonDialog.ShowOpen() || m_commonDialog.FileName.isEmpty())
        return;
    const QString path = m_commonDialog.FileName;
    if (!OpenFileCONF(path)) {
        MsgBoxError(LabelFile::openErrorMessage());
        return;
    }
    m_state.ConfigFileName = path;
    m_state.ConfigLoaded = 1;
    m_state.ConfigName = m_commonDialog.FileTitle;
    showSettingsName(m_state.ConfigName.toUpper());
}
