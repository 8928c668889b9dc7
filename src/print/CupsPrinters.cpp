// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/CupsPrinters.h"

#include "print/CupsConnection.h"
#include "print/CupsDestination.h"
#include "print/CupsJob.h"

#include <QScopeGuard>
#include <cups/cups.h>

namespace CupsPrinters {

SchedulerAnswer<QString> defaultPrinter()
{
    const CupsConnection connection;
    if (!connection.isOpen())
        return SchedulerAway{};
    // Without a name libcups asks only this connection: the user's default, else the queue
    // the scheduler names.
    cups_dest_t *dest = cupsGetNamedDest(connection.http(), nullptr, nullptr);
    if (!dest) {
        // libcups says "not found" for a default it could not ask for too: only a connection
        // that has not failed heard the scheduler say so.
        if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND && httpError(connection.http()) == 0)
            return QString();
        connection.warnFailure("finding the default printer");
        return SchedulerAway{};
    }
    const QString name = QString::fromUtf8(dest->name);
    cupsFreeDests(1, dest);
    return name;
}

SchedulerAnswer<QStringList> installedPrinters(const CupsConnection &connection)
{
    if (!connection.isOpen())
        return SchedulerAway{};
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(connection.http(), &dests);
    const auto freeDests = qScopeGuard([&] { cupsFreeDests(count, dests); });
    if (!CupsDestination::listingAnswered(count, connection)) {
        connection.warnFailure("listing the printers");
        return SchedulerAway{};
    }
    QStringList names;
    for (int i = 0; i < count; ++i) {
        if (!dests[i].instance) // an instance is a set of saved options, not another printer
            names.append(QString::fromUtf8(dests[i].name));
    }
    return names;
}

OrientationAnswer orientation(const QString &printer, const QDeadlineTimer &budget)
{
    if (printer.isEmpty())
        return std::nullopt;
    if (budget.hasExpired())
        return SchedulerAway{};
    const CupsConnection connection(int(budget.remainingTime()));
    SchedulerAnswer<std::optional<CupsDestination>> answer =
        CupsDestination::lookUp(printer, connection);
    if (std::holds_alternative<SchedulerAway>(answer))
        return SchedulerAway{};
    const std::optional<CupsDestination> &destination = std::get<0>(answer);
    if (!destination)
        return std::nullopt;
    return destination->defaultOrientation();
}

std::optional<PageGeometry> pageGeometry(const QString &printer)
{
    const CupsConnection connection;
    const std::optional<CupsDestination> destination = CupsDestination::find(printer, connection);
    if (!destination)
        return std::nullopt;
    return destination->defaultPage();
}

bool printPdf(const QString &printer, const CupsService::PdfRenderer &render, const QString &title)
{
    // One connection and one budget for the whole job: a scheduler that stops answering
    // midway costs no more time than one that never answered.
    const CupsConnection connection;
    const std::optional<CupsDestination> destination = CupsDestination::find(printer, connection);
    if (!destination)
        return false;
    const std::optional<PageGeometry> page = destination->defaultPage();
    if (!page)
        return false;
    const std::optional<QByteArray> pdf = render(*page);
    return pdf && CupsJob::submitPdf(connection, *destination, *page, *pdf, title);
}

} // namespace CupsPrinters
