// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PrinterSetup.h"

#include "print/CupsModule.h"
#include "print/CupsService.h"

namespace PrinterSetup {

PrinterSetupOffer offer(const QString &currentPrinter)
{
    if (CupsService *cups = CupsModule::service())
        return cups->printerSetupOffer(currentPrinter);
    PrinterSetupOffer offer;
    offer.current = currentPrinter;
    offer.printers = QList<PrinterSetupOffer::Printer>();
    offer.cupsFailure = CupsModule::failure();
    return offer;
}

PrinterSetupStored store(const PrinterSetupChoice &choice)
{
    if (CupsService *cups = CupsModule::service())
        return cups->storePrinterSetup(choice);
    return {false, std::nullopt};
}

} // namespace PrinterSetup
