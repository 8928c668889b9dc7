#include "print/Printer.h"

#include "print/CupsConnection.h"
#include "print/CupsDestination.h"

#include <QScopeGuard>
#include <cups/cups.h>

Printer::Printer(const QString &name) : m_name(name) {}

Printer Printer::systemDefault()
{
    const CupsConnection connection;
    if (!connection.isOpen())
        return {};
    // Without a name libcups asks only this connection: the user's default, else the queue
    // the scheduler names.
    cups_dest_t *dest = cupsGetNamedDest(connection.http(), nullptr, nullptr);
    if (!dest) {
        connection.warnFailure("finding the default printer");
        return {};
    }
    const Printer printer(QString::fromUtf8(dest->name));
    cupsFreeDests(1, dest);
    return printer;
}

QStringList Printer::installedPrinters()
{
    return installedPrinters(CupsConnection());
}

QStringList Printer::installedPrinters(const CupsConnection &connection)
{
    if (!connection.isOpen())
        return {};
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(connection.http(), &dests);
    const auto freeDests = qScopeGuard([&] { cupsFreeDests(count, dests); });
    QStringList names;
    for (int i = 0; i < count; ++i) {
        if (!dests[i].instance) // an instance is a set of saved options, not another printer
            names.append(QString::fromUtf8(dests[i].name));
    }
    return names;
}

int Printer::orientation() const
{
    const CupsConnection connection;
    const std::optional<CupsDestination> destination = CupsDestination::find(m_name, connection);
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
