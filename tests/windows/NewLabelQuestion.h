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
