// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/main/LabelEditing.h"
#include "windows/main/ProgramStart.h"
#include "windows/print-settings/PrintChoices.h"
#include "windows/viewer/ViewerMemory.h"

// What the windows keep while the program runs: made at start-up and handed to the main
// window, which lends each part to the window that uses it.
struct ProgramSession
{
    ProgramStart start;
    LabelEditing label;
    PrintChoices print;
    ViewerMemory viewer;

    ProgramSession() = default;
    explicit ProgramSession(const ProgramStart &programStart);
};
