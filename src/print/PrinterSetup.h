// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PrintDestination.h"
#include "print/SchedulerAnswer.h"
#include "print/StoredOrientation.h"

#include <QList>
#include <QString>

// What the printer set-up dialog offers: every installed printer with the paper it takes and
// the defaults this user now sees for it, then a PDF file.
struct PrinterSetupOffer
{
    struct Paper
    {
        QString keyword; // the CUPS media name, e.g. "iso_a4_210x297mm"
        QString name;    // as CUPS shows it to people
    };
    struct Printer
    {
        QString name;
        QList<Paper> papers;
        QString paper; // keyword of the default paper
        PageGeometry::Orientation orientation = PageGeometry::Orientation::Portrait;
    };

    // None when the scheduler answers that none is installed.
    SchedulerAnswer<QList<Printer>> printers;
    // Why the program cannot print through CUPS at all (its CUPS module could not be
    // loaded); empty when it can.
    QString cupsFailure;
    QString current; // the program's printer
    PrintTarget currentTarget = PrintTarget::CupsPrinter;
    // Of the PDF page.
    PageGeometry::Orientation pdfOrientation = PageGeometry::Orientation::Portrait;
};

// What the user chose in it.
struct PrinterSetupChoice
{
    QString printer; // empty for a PDF file
    QString paper;
    PageGeometry::Orientation orientation = PageGeometry::Orientation::Portrait;
    PrintTarget target = PrintTarget::CupsPrinter;
};

// Whether the choice was stored, and the orientation the printer reports after it (see
// Printer::orientation).
struct PrinterSetupStored
{
    bool stored;
    OrientationAnswer orientation;
};

namespace PrinterSetup {

// The installed printers as the dialog offers them; waits on the scheduler.
PrinterSetupOffer offer(const QString &currentPrinter);

// Saves the paper and orientation as this user's defaults for the chosen printer, so later
// jobs follow them, and reads back the orientation, within one connection's budget. Not
// stored when CUPS does not then report them. Waits on the scheduler.
PrinterSetupStored store(const PrinterSetupChoice &choice);

} // namespace PrinterSetup
