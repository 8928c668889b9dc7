// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The file names of every kind of picture the program reads, for the picture dialog's
// first file type and the image viewer's first pattern: the reader goes by content, so
// this is only what a folder listing offers.
namespace PicturePatterns {

inline QStringList readable()
{
    return {QStringLiteral("*.ico"),  QStringLiteral("*.cur"), QStringLiteral("*.bmp"),
            QStringLiteral("*.wmf"),  QStringLiteral("*.gif"), QStringLiteral("*.jpg"),
            QStringLiteral("*.jpeg"), QStringLiteral("*.png"), QStringLiteral("*.svg")};
}

} // namespace PicturePatterns
