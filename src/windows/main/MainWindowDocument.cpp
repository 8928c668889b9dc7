// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The document commands of the File menu: New, Open, Save, Save As and Quit, the
// reading and writing of the label file behind them, and the question asked before a
// modified document is left (New, Open, the window's frame, the end of the session).
#include "label/FilePaths.h"
#include "windows/main/MainWindow.h"

#include "platform/LabelLoader.h"
#include "widgets/MsgBox.h"
#include "windows/main/RecoveryKeeper.h"
#include "windows/main/StatusPanels.h"
#include "windows/main/ZoneTextEdit.h"
#include "windows/shared/PictureBox.h"
#include "windows/shared/ZoneDisplay.h"
#include "windows/shared/ChangedFileQuestion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSessionManager>

namespace {

QString labelFileFilter()
{
    return QCoreApplication::translate("MainWindow", "Fichiers étiquette (*.ETI)|*.eti");
}

QString saveQuestion(const QString &labelFileName)
{
    return QCoreApplication::translate(
               "MainWindow", "Fichier %1 modifié !\r\n            Enregistrer le fichier ? ")
        .arg(labelFileName);
}

} // namespace

bool MainWindow::isModified() const
{
    return !m_savedDocument || document() != *m_savedDocument;
}

QString MainWindow::untitledName()
{
    return tr("SANS NOM");
}

// An empty name is an untitled document.
void MainWindow::showDocumentName(const QString &name)
{
    m_statusPanels->setPanelText(StatusPanels::Panel::DocumentName,
                                 name.isEmpty() ? untitledName() : name);
}

void MainWindow::showUntitledName()
{
    showDocumentName(QString());
}

void MainWindow::onFileMenuAboutToShow()
{
    refreshOrientationDisplay();
    // Another of the program's windows may have opened or saved a label meanwhile.
    showRecentLabels();
}

void MainWindow::fileNew()
{
    if (!settleUnsavedChanges())
        return;
    if (MsgBox(tr("Création d'une nouvelle étiquette ?\r        Confirmer ?"),
               MsgBoxButtons::OKCancel, MsgBoxIcon::None,
               tr("Création d'une étiquette")) != MsgBoxResult::OK)
        return;

    m_session.label.fileName.clear();
    m_labelFileOnDisk = KnownFile();
    showUntitledName();
    m_savedDocument = LabelDocument::blank();
    m_model->replace(*m_savedDocument);
    showAlignmentCaption();
    m_zoneTextEdit->setFocus();
}

void MainWindow::fileOpen()
{
    if (!settleUnsavedChanges())
        return;
    FileRequest request;
    request.proposedName = m_session.label.fileName;
    request.title = tr("Ouvrir");
    request.filter = labelFileFilter();
    request.startFolder = m_session.start.programFolder;
    if (const std::optional<ChosenFile> chosen = m_commonDialog.chooseFileToOpen(request))
        openLabel(chosen->path);
}

void MainWindow::openAfterAsking(const QString &path)
{
    if (settleUnsavedChanges())
        openLabel(path);
}

bool MainWindow::fileSave()
{
    if (m_session.label.fileName.isEmpty())
        return fileSaveAs();
    return saveLabel(m_session.label.fileName);
}

bool MainWindow::fileSaveAs()
{
    const QString previousName = m_session.label.fileName;
    if (m_session.label.fileName.isEmpty())
        m_session.label.fileName = tr("Nouveau.eti");

    FileRequest request;
    request.title = tr("Enregistrer Sous");
    request.filter = labelFileFilter();
    request.proposedName = m_session.label.fileName;
    request.askBeforeOverwrite = true;
    // No folder of its own: where the last dialog started.
    const std::optional<ChosenFile> chosen = m_commonDialog.chooseFileToSave(request);
    if (!chosen) {
        m_session.label.fileName = previousName;
        return false;
    }
    // The dialog has added the extension to a name typed without one.
    m_session.label.fileName = chosen->path;
    const bool saved = saveLabel(m_session.label.fileName);
    showDocumentName(documentName(chosen->path));
    return saved;
}

void MainWindow::fileQuit()
{
    bool saveWanted = false;
    if (isModified()) {
        saveWanted = MsgBox(saveQuestion(m_session.label.fileName), MsgBoxButtons::YesNo,
                            MsgBoxIcon::Exclamation, tr("Quitter Korvalin")) == MsgBoxResult::Yes;
        if (saveWanted) {
            if (!m_session.label.fileName.isEmpty()) {
                saveLabel(m_session.label.fileName);
            } else {
                m_session.label.fileName = withTrailingSlash(QDir::currentPath()) + tr("Nouveau");
                fileSaveAs();
            }
        }
    }
    if (MsgBox(tr("Quitter Korvalin\r  Confirmez  ?"), MsgBoxButtons::YesNo, MsgBoxIcon::Question,
               tr("Quitter le programme"), MsgBoxDefault::Second) != MsgBoxResult::Yes)
        return;
    if (isModified()) {
        // Edits the user wanted kept and that were not written come back at the next start.
        if (saveWanted)
            m_recovery->keepBeyondThisRun();
        else
            m_recovery->discard();
    }
    endProgram();
}

bool MainWindow::settleUnsavedChanges()
{
    if (!isModified())
        return true;
    switch (MsgBox(saveQuestion(m_session.label.fileName), MsgBoxButtons::YesNoCancel,
                   MsgBoxIcon::Exclamation, programName())) {
    case MsgBoxResult::Yes:
        return fileSave();
    case MsgBoxResult::No:
        m_recovery->discard();
        return true;
    default:
        return false;
    }
}

bool MainWindow::mayEndSession(bool userMayBeAsked)
{
    if (!isModified())
        return true;
    if (!userMayBeAsked) {
        m_recovery->keepBeyondThisRun();
        return true;
    }
    return settleUnsavedChanges();
}

void MainWindow::onCommitDataRequest(QSessionManager &manager)
{
    const bool mayEnd = mayEndSession(manager.allowsInteraction());
    manager.release();
    if (!mayEnd)
        manager.cancel();
}

void MainWindow::onDocumentChanged()
{
    const bool modified = isModified();
    setWindowModified(modified);
    if (modified)
        m_recovery->keep(document(), m_session.label.fileName);
    else
        m_recovery->discard();
}

void MainWindow::showLabel(const QString &path, const LabelRead &read)
{
    const std::optional<LabelLoader::Loaded> &loaded = read.label;
    if (!loaded) {
        showError(LabelFile::openErrorMessage());
        changeRecentLabels(&RecentLabels::remove, path);
        return;
    }
    m_session.label.fileName = path;
    m_savedDocument = loaded->document;
    takeLoadedLabel(read);
    m_labelFileOnDisk = KnownFile::of(path);
    showDocumentName(documentName(path));
    m_zoneTextEdit->setFocus();
    changeRecentLabels(&RecentLabels::add, path);
    reportPictureProblem(*loaded);
}

void MainWindow::takeLoadedLabel(const LabelRead &read)
{
    const LabelDocument &loaded = read.label->document;
    // Shown as drawn while it was read, so that the model's announcement finds it shown.
    m_pictureBox->setPicture(loaded.picture.decoded, read.drawn);
    m_model->replace(loaded);
}

// Told only once the label is the window's document: while the box waits for its answer,
// a half-shown label would count as modified and leave a recovery copy behind.
void MainWindow::reportPictureProblem(const LabelLoader::Loaded &loaded)
{
    if (!loaded.pictureProblem.isEmpty())
        showError(loaded.pictureProblem);
}

void MainWindow::onDocumentReplaced()
{
    m_session.label.selectedZone = ZoneId::First;
    for (ZoneId zone : AllZones)
        m_zoneLabels[zone]->setZone(document().zones[zone]);
    showSelectedZone();
    markSelectedZone();
    // The alignment frame's caption is left to the command: opening a label keeps it.
    showEditCaption();
    showPicture();
    onDocumentChanged();
}

void MainWindow::showSaveError(const QString &refusal)
{
    MsgBox(LabelFile::saveErrorPrompt(refusal), MsgBoxButtons::OKOnly, MsgBoxIcon::Critical,
           LabelFile::saveErrorTitle());
}

bool MainWindow::saveLabel(const QString &path)
{
    if (!mayReplaceChangedFile(m_labelFileOnDisk, path))
        return false;
    const LabelFile::SaveResult result = LabelFile::save(path, document());
    if (result) {
        m_savedDocument = document();
        m_labelFileOnDisk = KnownFile::of(path);
        changeRecentLabels(&RecentLabels::add, path);
    } else {
        showSaveError(result.refusal);
    }
    // Also after a failure: the copy's record names the file the label now goes by.
    onDocumentChanged();
    return bool(result);
}
