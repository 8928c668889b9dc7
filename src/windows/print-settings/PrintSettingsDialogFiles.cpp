// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/print-settings/PrintSettingsDialog.h"

#include "label/LabelFile.h"
#include "label/NumberText.h"
#include "print/PrintSettingsFile.h"
#include "widgets/MsgBox.h"
#include "windows/print-settings/KeyFilteredEdit.h"
#include "windows/shared/ChangedFileQuestion.h"
#include "windows/shared/CommonDialog.h"

#include <QCheckBox>

void PrintSettingsDialog::showSettingsName(const QString &name)
{
    setWindowTitle(tr("Paramétrage de l'impression %1").arg(name));
}

QString PrintSettingsDialog::defaultSettingsName()
{
    return tr("DEFAUT");
}

FileRequest PrintSettingsDialog::settingsFileRequest(const QString &title,
                                                     const QString &proposedName)
{
    FileRequest request;
    request.title = title;
    request.filter = tr("Fichiers de configuration (*.PAR)|*.PAR");
    request.proposedName = proposedName;
    return request;
}

// Each box's change handling stores its number back into the window's choices.
void PrintSettingsDialog::showLayout(const SheetLayout &layout, QString (*form)(double value))
{
    for (const SheetDistance which : SheetDistances)
        distanceEdit(which)->setText(form(layout.distance(which)));
    m_choices.settings.layout.printFrame = layout.printFrame;
    m_choices.settings.layout.printCutOutline = layout.printCutOutline;
    m_frameCheck->setChecked(layout.printFrame);
    m_cutOutlineCheck->setChecked(layout.printCutOutline);
}

SmallFile::WriteResult PrintSettingsDialog::saveSettingsFile(const QString &path)
{
    SheetLayout layout;
    layout.printFrame = m_frameCheck->isChecked();
    layout.printCutOutline = m_cutOutlineCheck->isChecked();
    for (const SheetDistance which : SheetDistances)
        layout.setDistance(which, typedDistance(which));
    const SmallFile::WriteResult written = PrintSettingsFile::write(path, layout);
    if (written) {
        m_choices.settings.layout = layout;
        m_choices.settingsFileOnDisk = KnownFile::of(path);
    }
    return written;
}

bool PrintSettingsDialog::openSettingsFile(const QString &path)
{
    const std::optional<SheetLayout> layout = PrintSettingsFile::read(path);
    if (!layout)
        return false;
    m_choices.settingsFileOnDisk = KnownFile::of(path);
    showLayout(*layout, NumberText::signedForm);
    return true;
}

void PrintSettingsDialog::restoreDefaultSettings()
{
    showLayout(SheetLayout(), NumberText::plain);
    showSettingsName(defaultSettingsName());
}

void PrintSettingsDialog::saveSettings()
{
    // The name the file dialogs last held, whichever window showed them: often the label's
    // own, which the user then renames.
    FileRequest request = settingsFileRequest(tr("Enregistrer"), m_commonDialog.lastFileName());
    request.askBeforeOverwrite = true;
    const std::optional<ChosenFile> chosen = m_commonDialog.chooseFileToSave(request);
    if (!chosen)
        return;
    const QString &path = chosen->path;
    if (!mayReplaceChangedFile(m_choices.settingsFileOnDisk, path))
        return;
    if (const SmallFile::WriteResult written = saveSettingsFile(path); !written) {
        MsgBoxError(LabelFile::saveErrorPrompt(written.reason));
        return;
    }
    m_choices.settings.filePath = path;
    showSettingsName(chosen->fileName.toUpper());
}

void PrintSettingsDialog::loadSettings()
{
    // Cancelling loads nothing, so the distances just typed stay.
    const std::optional<ChosenFile> chosen = m_commonDialog.chooseFileToOpen(
        settingsFileRequest(tr("Ouvrir"), m_choices.settings.filePath));
    if (!chosen || chosen->path.isEmpty())
        return;
    const QString &path = chosen->path;
    if (!openSettingsFile(path)) {
        MsgBoxError(LabelFile::openErrorMessage());
        return;
    }
    m_choices.settings.filePath = path;
    m_choices.settings.loadedName = chosen->fileName;
    showSettingsName(chosen->fileName.toUpper());
}
