// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageGeometry.h"
#include "print/SchedulerAnswer.h"

#include <QString>

class Printer;

enum class PrintTarget
{
    CupsPrinter,
    PdfFile // a file the user names at each print
};

// Where the window's print commands put their pages, as the user last chose it in the printer
// set-up; kept in his settings, so that the next start prints where this one did.
struct PrintDestination
{
    PrintTarget target = PrintTarget::CupsPrinter;
    QString printerName; // the CUPS printer chosen in the set-up; empty for the system's default
    PageGeometry::Orientation pdfOrientation = PageGeometry::Orientation::Portrait;

    PageGeometry pdfPage() const { return PageGeometry::a4(pdfOrientation); }

    // What the user's settings hold; the defaults for what they do not.
    static PrintDestination remembered();
    void remember() const;

    // The printer chosen earlier while CUPS still has it, else the system's default. Waits on
    // the scheduler.
    SchedulerAnswer<Printer> findPrinter() const;
};
