// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/OrientationSwitch.h"
#include "print/PageGeometry.h"
#include "print/PrinterSetup.h"
#include "print/SchedulerAnswer.h"
#include "print/StoredOrientation.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Everything the program asks of CUPS, by printer name. libcups and the libraries it pulls in
// (TLS, Kerberos, service discovery) cost several megabytes and much of the start-up once
// mapped, so they live in a module of their own that the program loads only when it first
// needs the scheduler (see CupsModule); this interface is all that crosses into it, and it
// names no libcups type. Every question may wait on the scheduler for as long as one
// connection's budget allows: a window asks off its user-interface thread.
class CupsService
{
public:
    // The PDF of the page to print, laid out on the page the destination takes.
    using PdfRenderer = std::function<std::optional<QByteArray>(const PageGeometry &page)>;

    virtual ~CupsService() = default;

    // The default destination's name as libcups chooses it (the user's own default first);
    // empty when the scheduler answers that there is none.
    virtual SchedulerAnswer<QString> defaultPrinter() = 0;
    // In CUPS order.
    virtual SchedulerAnswer<QStringList> installedPrinters() = 0;
    virtual OrientationAnswer orientation(const QString &printer, const QDeadlineTimer &budget) = 0;
    virtual std::optional<PageGeometry> pageGeometry(const QString &printer) = 0;
    // True only once the scheduler has taken the whole document.
    virtual bool printPdf(const QString &printer, const PdfRenderer &render,
                          const QString &title) = 0;
    virtual PrinterSetupOffer printerSetupOffer(const QString &currentPrinter) = 0;
    virtual PrinterSetupStored storePrinterSetup(const PrinterSetupChoice &choice) = 0;
    virtual OrientationSwitch::SwitchResult storeOrientation(PageGeometry::Orientation orientation,
                                                             const QString &printer,
                                                             const QDeadlineTimer &budget) = 0;
};

// The module's one entry point, versioned by its name: a module left from another build of
// the program is refused instead of being called through a different interface.
#define KORVALIN_CUPS_SERVICE_ENTRY korvalinCupsService2
#define KORVALIN_CUPS_SERVICE_ENTRY_NAME "korvalinCupsService2"
