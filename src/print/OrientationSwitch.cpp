// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/OrientationSwitch.h"

#include "print/CupsModule.h"
#include "print/CupsService.h"
#include "print/Printer.h"

namespace {

constexpr int DuplexOneSided = 1;

} // namespace

namespace OrientationSwitch {

SwitchResult storeOrientation(int duplex, qint16 orientation, const Printer &printer,
                              const QDeadlineTimer &budget)
{
    CupsService *cups = CupsModule::service();
    if (!cups)
        return SwitchResult::NoPrinter;
    return cups->storeOrientation(duplex, orientation, printer.name(), budget);
}

namespace {

Outcome switchTo(qint16 orientation, const Printer &printer)
{
    // A silent scheduler would otherwise cost the change's budget and the read-back's too.
    const QDeadlineTimer budget(SchedulerBudgetMs);
    const SwitchResult result = storeOrientation(DuplexOneSided, orientation, printer, budget);
    return {result, printer.orientation(budget)};
}

} // namespace

Outcome switchToLandscape(const Printer &printer)
{
    return switchTo(2, printer);
}

Outcome switchToPortrait(const Printer &printer)
{
    return switchTo(1, printer);
}

} // namespace OrientationSwitch
