// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/CupsPrinterSetup.h"

#include "print/CupsConnection.h"
#include "print/CupsDestination.h"
#include "print/CupsPrinters.h"
#include "print/PaperChoices.h"
#include "print/StoredDefaults.h"

namespace {

PrinterSetupOffer::Printer describe(const CupsDestination &destination)
{
    PrinterSetupOffer::Printer printer;
    printer.name = QString::fromUtf8(destination.dest()->name);
    printer.paper = destination.defaultMediaKeyword();
    for (const cups_size_t &size :
         PaperChoices::withoutBorderlessCopies(destination.media(), printer.paper))
        printer.papers.append({QString::fromUtf8(size.media),
                               PaperChoices::shownName(destination.mediaName(size), size)});
    printer.orientation = destination.defaultOrientation();
    return printer;
}

} // namespace

namespace CupsPrinterSetup {

PrinterSetupOffer offer(const QString &currentPrinter)
{
    PrinterSetupOffer offer;
    offer.current = currentPrinter;
    const CupsConnection connection;
    const SchedulerAnswer<QStringList> names = CupsPrinters::installedPrinters(connection);
    if (std::holds_alternative<SchedulerAway>(names)) {
        offer.printers = SchedulerAway{};
        return offer;
    }
    QList<PrinterSetupOffer::Printer> printers;
    for (const QString &name : std::get<QStringList>(names)) {
        const SchedulerAnswer<std::optional<CupsDestination>> destination =
            CupsDestination::lookUp(name, connection);
        if (std::holds_alternative<SchedulerAway>(destination)) {
            offer.printers = SchedulerAway{};
            return offer;
        }
        if (const std::optional<CupsDestination> &found = std::get<0>(destination))
            printers.append(describe(*found));
    }
    offer.printers = printers;
    return offer;
}

PrinterSetupStored store(const PrinterSetupChoice &choice)
{
    const StoredDefaults::Options wanted = {
        {"media", choice.paper.toUtf8()},
        {"orientation-requested", orientationRequested(choice.orientation)},
    };
    const QDeadlineTimer budget(CupsConnection::DefaultBudgetMs);
    const bool stored = [&] {
        const CupsConnection connection(int(budget.remainingTime()));
        if (!StoredDefaults::setUserDefaults(connection, choice.printer, wanted))
            return false;
        const std::optional<CupsDestination> destination =
            CupsDestination::find(choice.printer, connection);
        return destination && StoredDefaults::sees(*destination, wanted);
    }();
    return {stored, CupsPrinters::orientation(choice.printer, budget)};
}

} // namespace CupsPrinterSetup
