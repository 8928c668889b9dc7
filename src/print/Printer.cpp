#include "print/Printer.h"

#include "print/CupsDestination.h"

#include <cups/cups.h>

Printer::Printer(const QString &name) : m_name(name) {}

Printer Printer::systemDefault()
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest)
        return {};
    const Printer printer(QString::fromUtf8(dest->name));
    cupsFreeDests(1, dest);
    return printer;
}

QStringList Printer::installedPrinters()
{
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        if (!dests[i].instance) // an instance is a set of saved options, not another printer
            names.append(QString::fromUtf8(dests[i].name));
    }
    cupsFreeDests(count, dests);
    return names;
}

int Printer::orientation() const
{
    const std::optional<CupsDestination> destination = CupsDestination::find(m_name);
    if (!destination)
        return 0;
    return destination->defaultOrientation() == PageGeometry::Orientation::Landscape ? 2 : 1;
}

std::optional<PageGeometry> Printer::pageGeometry() const
{
    const std::optional<CupsDestination> destination = CupsDestination::find(m_name);
    if (!destination)
        return std::nullopt;
    return destination->defaultPage();
}
