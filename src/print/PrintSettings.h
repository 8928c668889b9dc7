// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/SheetLayout.h"

#include <QString>

// The print settings in use: the layout, and the settings file it came from or went to.
struct PrintSettings
{
    SheetLayout layout;
    // The settings file last loaded or saved, which the open dialog proposes.
    QString filePath;
    // The settings file last loaded, by its name; empty while none was.
    QString loadedName;
};
