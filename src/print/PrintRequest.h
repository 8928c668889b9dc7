// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelList.h"
#include "print/PrintRun.h"
#include "print/SheetLayout.h"

// What the user asked to print: the run, the sheet it is laid out on and, for a list, the
// labels' texts.
struct PrintRequest
{
    PrintRun run;
    SheetLayout layout;
    LabelList list;
};
