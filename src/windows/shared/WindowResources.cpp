// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/WindowResources.h"

#include "windows/shared/ArtworkIconEngine.h"

// The drawings live in a static library, whose registration the linker would otherwise
// drop; Q_INIT_RESOURCE must be called from the global namespace, so no unnamed one here.
static void registerResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(korvalin_windows);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace WindowResources {

QIcon floppy()
{
    return icon(QStringLiteral("floppy"));
}

QIcon icon(const QString &name)
{
    registerResources();
    return QIcon(new ArtworkIconEngine(name));
}

} // namespace WindowResources
