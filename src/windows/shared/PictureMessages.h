// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// What every picture command says of a file it cannot show, whatever the reason.
inline QString unsupportedPictureMessage()
{
    return QCoreApplication::translate("PictureMessages", "Format d'image non supporté !");
}
