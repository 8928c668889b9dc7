// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Compiled only to show that it does not compile: print/ sees its own headers and those of
// the layers below it, never a widget's.
#include "print/PageOutput.h"
#include "widgets/MsgBox.h"
