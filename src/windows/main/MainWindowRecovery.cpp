// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery copies left by a program that ended without saving its label: offered at
// start-up, one at a time, newest first.
#include "label/FilePaths.h"
#include "windows/main/MainWindow.h"

#include "widgets/MsgBox.h"
#include "windows/main/RecoveryKeeper.h"

#include <QCoreApplication>

namespace {

QString recoveryQuestion(const QString &name, const QDateTime &writtenAt)
{
    return QCoreApplication::translate("MainWindow",
                                       "Une étiquette non enregistrée a été retrouvée (%1, %2).\r\n"
                                       "La récupérer ?")
        .arg(name, writtenAt.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
}

} // namespace

void MainWindow::offerRecoveryCopies()
{
    // A recovered label must not be replaced by the one named on the command line.
    if (isReadingDocument()) {
        connect(this, &MainWindow::documentRead, this, &MainWindow::offerRecoveryCopies,
                Qt::SingleShotConnection);
        return;
    }
    for (const RecoveryCopy &copy : m_recovery->folder().orphans()) {
        const QString name =
            copy.originalName.isEmpty() ? untitledName() : documentName(copy.originalName);
        if (MsgBox(recoveryQuestion(name, copy.writtenAt), MsgBoxButtons::YesNo,
                   MsgBoxIcon::Question, programName()) == MsgBoxResult::Yes) {
            // One label at a time: the others wait for the next start.
            recover(copy);
            return;
        }
        RecoveryFolder::remove(copy);
    }
}

// Editing goes on: the user learns only that a crash now would lose his edits.
void MainWindow::reportRecoveryRefusal(const QString &reason)
{
    MsgBox(tr("Impossible d'écrire la copie de secours de l'étiquette.") + QLatin1Char('\r') +
               reason,
           MsgBoxButtons::OKOnly, MsgBoxIcon::Information, programName());
}

// The recovered label comes back under its own name, modified: it is in no file but the
// copy until the user saves it, and the user's own file is left as it is.
void MainWindow::recover(const RecoveryCopy &copy)
{
    readLabel(copy.copyPath, [this, copy](const LabelRead &read) {
        if (!read.label) {
            // Kept: a copy that cannot be read now is still offered at the next start.
            showError(LabelFile::openErrorMessage());
            return;
        }
        m_session.label.fileName = copy.originalName;
        m_savedDocument.reset();
        takeLoadedLabel(read);
        showAlignmentCaption();
        showDocumentName(documentName(copy.originalName));
        // This program's own copy is on the disk before the one it came from goes.
        m_recovery->writeNow();
        m_recovery->removeLater(copy);
        reportPictureProblem(*read.label);
    });
}
