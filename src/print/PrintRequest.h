// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PrintRun.h"
#include "print/SheetLayout.h"

// What the user asked to print: the run, and the sheet it is laid out on.
struct PrintRequest
{
    PrintRun run;
    SheetLayout layout;
};
