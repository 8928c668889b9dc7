// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The CUPS module's entry point: the one symbol the program looks up in it.
#include "print/CupsConnection.h"
#include "print/CupsOrientation.h"
#include "print/CupsPrinterSetup.h"
#include "print/CupsPrinters.h"
#include "print/CupsService.h"

namespace {

class LibcupsService final : public CupsService
{
public:
    SchedulerAnswer<QString> defaultPrinter() override { return CupsPrinters::defaultPrinter(); }

    SchedulerAnswer<QStringList> installedPrinters() override
    {
        return CupsPrinters::installedPrinters(CupsConnection());
    }

    OrientationAnswer orientation(const QString &printer, const QDeadlineTimer &budget) override
    {
        return CupsPrinters::orientation(printer, budget);
    }

    std::optional<PageGeometry> pageGeometry(const QString &printer) override
    {
        return CupsPrinters::pageGeometry(printer);
    }

    bool printPdf(const QString &printer, const PdfRenderer &render, const QString &title) override
    {
        return CupsPrinters::printPdf(printer, render, title);
    }

    PrinterSetupOffer printerSetupOffer(const QString &currentPrinter) override
    {
        return CupsPrinterSetup::offer(currentPrinter);
    }

    PrinterSetupStored storePrinterSetup(const PrinterSetupChoice &choice) override
    {
        return CupsPrinterSetup::store(choice);
    }

    OrientationSwitch::SwitchResult storeOrientation(PageGeometry::Orientation orientation,
                                                     const QString &printer,
                                                     const QDeadlineTimer &budget) override
    {
        return CupsOrientation::store(orientation, printer, budget);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT CupsService *KORVALIN_CUPS_SERVICE_ENTRY()
{
    static LibcupsService service;
    return &service;
}
