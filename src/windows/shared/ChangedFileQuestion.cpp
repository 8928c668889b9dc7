// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/ChangedFileQuestion.h"

#include "widgets/MsgBox.h"

#include <QCoreApplication>

bool mayReplaceChangedFile(const KnownFile &known, const QString &target)
{
    if (!known.changedOnDisk(target))
        return true;
    return MsgBox(QCoreApplication::translate(
                      "ChangedFileQuestion",
                      "Le fichier %1 a été modifié par un autre programme depuis son "
                      "ouverture.\r\nL'enregistrer quand même ?")
                      .arg(target),
                  MsgBoxButtons::YesNo, MsgBoxIcon::Exclamation, QStringLiteral("Korvalin"),
                  MsgBoxDefault::Second) == MsgBoxResult::Yes;
}
