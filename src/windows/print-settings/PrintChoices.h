// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileStamp.h"
#include "print/PrintRequest.h"
#include "print/PrintSettings.h"

// What the print settings window edits, and shows again when it next opens however it was
// left.
struct PrintChoices
{
    PrintRun run;
    PrintSettings settings;
    // The automatic numbering box as the user left it. The run numbers only once it is
    // printed or previewed with the box ticked.
    bool numberingTicked = false;
    // The settings file as the window last read or wrote it.
    KnownFile settingsFileOnDisk;

    PrintRequest request() const { return {run, settings.layout}; }
};
