// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/CupsDestination.h"
#include "print/PageGeometry.h"

#include <QByteArray>
#include <QString>

class CupsConnection;

namespace CupsJob {

// Sends one PDF document to the destination, found on connection, as a job of its own, with the
// page's media and orientation and one-sided printing asked for explicitly. True only once the
// scheduler has taken the whole document; a job that fails after it was created is cancelled, so
// nothing of it prints.
bool submitPdf(const CupsConnection &connection, const CupsDestination &destination,
               const PageGeometry &page, const QByteArray &pdf, const QString &title);

} // namespace CupsJob
