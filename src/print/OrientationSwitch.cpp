// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/OrientationSwitch.h"

#include "print/CupsConnection.h"
#include "print/CupsDestination.h"
#include "print/Printer.h"
#include "print/StoredDefaults.h"

namespace {

constexpr int DuplexOneSided = 1;

QByteArray sidesKeyword(int duplex)
{
    switch (duplex) {
    case 2:
        return "two-sided-long-edge";
    case 3:
        return "two-sided-short-edge";
    default:
        return "one-sided";
    }
}

// Whether this user now sees the options, asking the scheduler afresh.
bool userSees(const CupsConnection &connection, const QString &name,
              const StoredDefaults::Options &options)
{
    const std::optional<CupsDestination> destination = CupsDestination::find(name, connection);
    return destination && StoredDefaults::sees(*destination, options);
}

} // namespace

namespace OrientationSwitch {

SwitchResult storeOrientation(int duplex, qint16 orientation, const Printer &printer,
                              const QDeadlineTimer &budget)
{
    using Result = SwitchResult;
    if (printer.isNull())
        return Result::NoPrinter;
    const StoredDefaults::Options wanted = {
        {"orientation-requested", orientationRequested(orientation)},
        {"sides", sidesKeyword(duplex)},
    };
    const QString name = printer.name();
    const auto refused = [&name] {
        qCWarning(lcCups) << "the orientation of" << name << "could not be changed";
        return Result::Refused;
    };
    const CupsConnection connection(int(qMax<qint64>(0, budget.remainingTime())));
    const std::optional<CupsDestination> destination = CupsDestination::find(name, connection);
    if (!destination)
        return refused();

    if (StoredDefaults::setQueueDefaults(connection, *destination, wanted)) {
        // Values this user saved earlier would still hide the queue's new ones from him.
        if (userSees(connection, name, wanted) ||
            (StoredDefaults::setUserDefaults(connection, name, wanted) &&
             userSees(connection, name, wanted)))
            return Result::QueueChanged;
        return refused();
    }
    if (StoredDefaults::setUserDefaults(connection, name, wanted) &&
        userSees(connection, name, wanted))
        return Result::UserDefaultsChanged;
    return refused();
}

namespace {

Outcome switchTo(qint16 orientation, const Printer &printer)
{
    // A silent scheduler would otherwise cost the change's budget and the read-back's too.
    const QDeadlineTimer budget(CupsConnection::DefaultBudgetMs);
    const SwitchResult result = storeOrientation(DuplexOneSided, orientation, printer, budget);
    return {result, printer.orientation(budget)};
}

} // namespace

Outcome switchToLandscape(const Printer &printer)
{
    return switchTo(2, printer);
}

Outcome switchToPortrait(const Printer &printer)
{
    return switchTo(1, printer);
}

} // namespace OrientationSwitch
