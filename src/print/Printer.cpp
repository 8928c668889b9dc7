// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/Printer.h"

#include "print/CupsConnection.h"
#include "print/CupsDestination.h"

#include <QScopeGuard>
#include <cups/cups.h>

Printer::Printer(const QString &name) : m_name(name) {}

SchedulerAnswer<Printer> Printer::findSystemDefault()
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
            return Printer();
        connection.warnFailure("finding the default printer");
        return SchedulerAway{};
    }
    const Printer printer(QString::fromUtf8(dest->name));
    cupsFreeDests(1, dest);
    return printer;
}

Printer Printer::systemDefault()
{
    const SchedulerAnswer<Printer> answer = findSystemDefault();
    const Printer *found = std::get_if<Printer>(&answer);
    return found ? *found : Printer();
}

QStringList Printer::installedPrinters()
{
    const SchedulerAnswer<QStringList> answer = installedPrinters(CupsConnection());
    const QStringList *names = std::get_if<QStringList>(&answer);
    return names ? *names : QStringList();
}

SchedulerAnswer<QStringList> Printer::installedPrinters(const CupsConnection &connection)
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

SchedulerAnswer<int> Printer::orientation() const
{
    return orientation(QDeadlineTimer(CupsConnection::DefaultBudgetMs));
}

SchedulerAnswer<int> Printer::orientation(const QDeadlineTimer &budget) const
{
    if (isNull())
        return 0;
    if (budget.hasExpired())
        return SchedulerAway{};
    const CupsConnection connection(int(budget.remainingTime()));
    SchedulerAnswer<std::optional<CupsDestination>> answer =
        CupsDestination::lookUp(m_name, connection);
    if (std::holds_alternative<SchedulerAway>(answer))
        return SchedulerAway{};
    const std::optional<CupsDestination> &destination = std::get<0>(answer);
    if (!destination)
        return 0;
    return destination->defaultOrientation() == PageGeometry::Orientation::Landscape ? 2 : 1;
}

std::optional<PageGeometry> Printer::pageGeometry() const
{
    const CupsConnection connection;
    const std::optional<CupsDestination> destination = CupsDestination::find(m_name, connection);
    if (!destination)
        return std::nullopt;
    return destination->defaultPage();
}
