// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/WindowResources.h"

#include "windows/shared/ArtworkIconEngine.h"

namespace WindowResources {

QIcon floppy()
{
    return icon(QStringLiteral("floppy"));
}

QIcon icon(const QString &name)
{
    return QIcon(new ArtworkIconEngine(name));
}

} // namespace WindowResources
