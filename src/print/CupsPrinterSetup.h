// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PrinterSetup.h"

// The printer set-up's questions to CUPS (see PrinterSetup).
namespace CupsPrinterSetup {

PrinterSetupOffer offer(const QString &currentPrinter);
PrinterSetupStored store(const PrinterSetupChoice &choice);

} // namespace CupsPrinterSetup
