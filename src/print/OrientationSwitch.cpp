// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/OrientationSwitch.h"

#include "print/CupsModule.h"
#include "print/CupsService.h"
#include "print/Printer.h"

namespace OrientationSwitch {

SwitchResult storeOrientation(PageGeometry::Orientation orientation, const Printer &printer,
                              const QDeadlineTimer &budget)
{
    CupsService *cups = CupsModule::service();
    if (!cups)
        return SwitchResult::NoPrinter;
    return cups->storeOrientation(orientation, printer.name(), budget);
}

Outcome switchTo(PageGeometry::Orientation orientation, const Printer &printer)
{
    // A silent scheduler would otherwise cost the change's budget and the read-back's too.
    const QDeadlineTimer budget(SchedulerBudgetMs);
    const SwitchResult result = storeOrientation(orientation, printer, budget);
    return {result, printer.orientation(budget)};
}

} // namespace OrientationSwitch
