// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the image viewer remembers from one showing to the next.
struct ViewerMemory
{
    // The picture last copied from the viewer, which the main window may paste.
    QString copiedPicture;
    // The drive last shown, shown again when the viewer next opens.
    QString lastDrive;
};
