// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MsgBoxRecorder.h"

#include <QString>

// The question New asks before it clears the label.
inline MsgBoxCall newLabelQuestion()
{
    return {QStringLiteral("Création d'une nouvelle étiquette ?\r        Confirmer ?"),
            MsgBoxButtons::OKCancel, MsgBoxIcon::None, QStringLiteral("Création d'une étiquette"),
            MsgBoxDefault::First};
}

// The question Quit asks about a modified label.
inline MsgBoxCall saveQuestion(const QString &labelFileName)
{
    return {QStringLiteral("Fichier ") + labelFileName +
                QStringLiteral(" modifié !\r\n            Enregistrer le fichier ? "),
            MsgBoxButtons::YesNo, MsgBoxIcon::Exclamation, QStringLiteral("Quitter Korvalin"),
            MsgBoxDefault::First};
}

// The same question before New, Open, the window's frame or the session's end leave a
// modified label, with Cancel to stay.
inline MsgBoxCall leaveQuestion(const QString &labelFileName)
{
    MsgBoxCall call = saveQuestion(labelFileName);
    call.buttons = MsgBoxButtons::YesNoCancel;
    call.title = QStringLiteral("Korvalin");
    return call;
}

// Before a save over a file that another program changed since it was read or written.
inline MsgBoxCall changedOnDiskQuestion(const QString &path)
{
    return {QStringLiteral("Le fichier ") + path +
                QStringLiteral(" a été modifié par un autre programme depuis son ouverture.\r\n"
                               "L'enregistrer quand même ?"),
            MsgBoxButtons::YesNo, MsgBoxIcon::Exclamation, QStringLiteral("Korvalin"),
            MsgBoxDefault::Second};
}

inline MsgBoxCall quitConfirmation()
{
    return {QStringLiteral("Quitter Korvalin\r  Confirmez  ?"), MsgBoxButtons::YesNo,
            MsgBoxIcon::Question, QStringLiteral("Quitter le programme"), MsgBoxDefault::Second};
}

inline MsgBoxCall openError()
{
    return errorBox(QStringLiteral("Erreur d'ouverture du fichier"));
}

// The save message; why the save was refused follows on a second line.
inline MsgBoxCall saveError(const QString &why)
{
    QString prompt = QStringLiteral("Erreur lors de la sauvegarde du fichier !");
    if (!why.isEmpty())
        prompt += QLatin1Char('\r') + why;
    return {prompt, MsgBoxButtons::OKOnly, MsgBoxIcon::Critical, QStringLiteral("erreur"),
            MsgBoxDefault::First};
}
