// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageGeometry.h"
#include "print/SchedulerAnswer.h"
#include "print/StoredOrientation.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The program's printer: a CUPS destination chosen by name. It holds only the name; every
// question goes to the scheduler, so defaults changed since (by this program or any other)
// are the ones reported and printed with. A question may wait on the scheduler for as long
// as one connection's budget allows: a window asks off its user-interface thread. The
// questions go through the CUPS module (see CupsService); where it cannot be loaded, there is
// no printer.
class Printer
{
public:
    Printer() = default; // no printer
    explicit Printer(const QString &name);

    // The default destination as libcups chooses it (the user's own default first); no
    // printer when the scheduler answers that there is none.
    static SchedulerAnswer<Printer> findSystemDefault();
    // No printer either when the scheduler does not answer.
    static Printer systemDefault();
    // In CUPS order.
    static SchedulerAnswer<QStringList> findInstalledPrinters();

    QString name() const { return m_name; }
    bool isNull() const { return m_name.isEmpty(); }

    // The stored default orientation, asked within budget, the time left of a longer
    // operation; away at once when nothing of it is left.
    OrientationAnswer orientation() const;
    OrientationAnswer orientation(const QDeadlineTimer &budget) const;

    // Media and printable area of a job on this destination, as oriented; nothing when the
    // destination cannot be read.
    std::optional<PageGeometry> pageGeometry() const;

    // Sends the PDF that render lays out on the destination's default page as a job of its
    // own; true only once the scheduler has taken the whole document.
    bool printPdf(const std::function<std::optional<QByteArray>(const PageGeometry &)> &render,
                  const QString &title) const;

private:
    QString m_name;
};
