// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/CupsService.h"
#include "print/PageGeometry.h"
#include "print/SchedulerAnswer.h"
#include "print/StoredOrientation.h"

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <optional>

class CupsConnection;

// The printers as the scheduler reports them, and jobs sent to them: the questions
// CupsService answers, asked of libcups.
namespace CupsPrinters {

// The default destination as libcups chooses it (the user's own default first); empty when the
// scheduler answers that there is none.
SchedulerAnswer<QString> defaultPrinter();
// In CUPS order.
SchedulerAnswer<QStringList> installedPrinters(const CupsConnection &connection);

// The stored default orientation, asked within budget, the time left of a longer operation;
// away at once when nothing of it is left.
OrientationAnswer orientation(const QString &printer, const QDeadlineTimer &budget);

// Media and printable area of a job on this destination, as oriented; nothing when the
// destination cannot be read.
std::optional<PageGeometry> pageGeometry(const QString &printer);

// Renders the page for the destination's default paper and sends it as a job of its own.
bool printPdf(const QString &printer, const CupsService::PdfRenderer &render, const QString &title);

} // namespace CupsPrinters
