// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageGeometry.h"
#include "print/SchedulerAnswer.h"
#include "print/StoredOrientation.h"

#include <QDeadlineTimer>

class Printer;

// The orientation switch: the printer's stored default orientation and two-sided mode, which
// every later job of this program and of any other CUPS program follows, and which outlive
// the program.
namespace OrientationSwitch {

enum class SwitchResult
{
    NoPrinter,           // nothing to change
    QueueChanged,        // the queue's own defaults, for every user
    UserDefaultsChanged, // this user's saved defaults: he may not change the queue
    Refused              // nothing could be stored, or the scheduler did not answer
};

// What a switch did, and the orientation the printer reports after it (see
// Printer::orientation).
struct Outcome
{
    SwitchResult result;
    OrientationAnswer orientation;
};

// Stores orientation and one-sided printing as the defaults of the printer's destination: the
// queue's own where the scheduler lets this user change it, else this user's own, leaving
// paper, copies and every other option as they were. Only a change that CUPS then reports
// counts. Waits on the scheduler for no longer than budget: a window runs it off its
// user-interface thread.
SwitchResult storeOrientation(PageGeometry::Orientation orientation, const Printer &printer,
                              const QDeadlineTimer &budget);

// Switch the printer to the orientation, one-sided, and read back what it reports: the whole
// within one connection's budget.
Outcome switchTo(PageGeometry::Orientation orientation, const Printer &printer);

} // namespace OrientationSwitch
