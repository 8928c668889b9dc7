#include "print/PrinterSetup.h"

#include "print/CupsConnection.h"
#include "print/CupsDestination.h"
#include "print/Printer.h"
#include "print/StoredDefaults.h"

namespace {

PrinterSetupOffer::Printer describe(const CupsDestination &destination)
{
    PrinterSetupOffer::Printer printer;
    printer.name = QString::fromUtf8(destination.dest()->name);
    for (const cups_size_t &size : destination.media())
        printer.papers.append({QString::fromUtf8(size.media), destination.mediaName(size)});
    printer.paper = destination.defaultMediaKeyword();
    printer.orientation =
        destination.defaultOrientation() == PageGeometry::Orientation::Landscape ? 2 : 1;
    return printer;
}

} // namespace

namespace PrinterSetup {

PrinterSetupOffer offer(const QString &currentPrinter)
{
    PrinterSetupOffer offer;
    offer.current = currentPrinter;
    const CupsConnection connection;
    for (const QString &name : Printer::installedPrinters(connection)) {
        if (const std::optional<CupsDestination> destination =
                CupsDestination::find(name, connection))
            offer.printers.append(describe(*destination));
    }
    return offer;
}

bool store(const PrinterSetupChoice &choice)
{
    const StoredDefaults::Options wanted = {
        {"media", choice.paper.toUtf8()},
        {"orientation-requested", orientationRequested(choice.orientation)},
    };
    const CupsConnection connection;
    if (!StoredDefaults::setUserDefaults(connection, choice.printer, wanted))
        return false;
    const std::optional<CupsDestination> destination =
        CupsDestination::find(choice.printer, connection);
    return destination && StoredDefaults::sees(*destination, wanted);
}

} // namespace PrinterSetup
