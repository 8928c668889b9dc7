// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PrintDestination.h"

#include "print/Printer.h"

#include <QSettings>

namespace {

const QString TargetKey = QStringLiteral("print/target");
const QString PrinterKey = QStringLiteral("print/printer");
const QString PdfOrientationKey = QStringLiteral("print/pdfOrientation");
const QString PdfTarget = QStringLiteral("pdf");

} // namespace

PrintDestination PrintDestination::remembered()
{
    const QSettings settings;
    PrintDestination destination;
    if (settings.value(TargetKey).toString() == PdfTarget)
        destination.target = PrintTarget::PdfFile;
    destination.printerName = settings.value(PrinterKey).toString();
    destination.pdfOrientation =
        PageGeometry::orientationNamed(settings.value(PdfOrientationKey).toString())
            .value_or(PageGeometry::Orientation::Portrait);
    return destination;
}

void PrintDestination::remember() const
{
    QSettings settings;
    settings.setValue(TargetKey,
                      target == PrintTarget::PdfFile ? PdfTarget : QStringLiteral("printer"));
    settings.setValue(PrinterKey, printerName);
    settings.setValue(PdfOrientationKey, PageGeometry::orientationName(pdfOrientation));
}

SchedulerAnswer<Printer> PrintDestination::findPrinter() const
{
    if (!printerName.isEmpty()) {
        const SchedulerAnswer<QStringList> installed = Printer::findInstalledPrinters();
        if (std::holds_alternative<SchedulerAway>(installed))
            return SchedulerAway{};
        // A printer removed since is forgotten: the system's default stands in for it.
        if (std::get<QStringList>(installed).contains(printerName))
            return Printer(printerName);
    }
    return Printer::findSystemDefault();
}
