// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/Printer.h"
#include "print/SchedulerAnswer.h"
#include "print/StoredOrientation.h"

#include <QStringList>

// The window's questions to CUPS that change nothing, asked through a short-lived child
// process of the program itself, so that the window's process maps libcups (and the
// libraries it pulls in) only once the user prints or changes a printer's defaults. A child
// that does not answer within the budget is killed, and counts as a scheduler away.
namespace PrinterQuery {

// The printer the window starts with (see PrintDestination::findPrinter), and its
// orientation (see Printer::orientation).
struct FoundPrinter
{
    SchedulerAnswer<Printer> printer;
    OrientationAnswer orientation;
};

// Wait on the child; run them off the user-interface thread.
FoundPrinter findPrinter(const QString &rememberedPrinter);
OrientationAnswer orientation(const Printer &printer);

// Whether the program was started as such a child, and its answer: the exit code.
bool isChild(const QStringList &arguments);
int answer(int argc, char *argv[], const QStringList &arguments);

} // namespace PrinterQuery
