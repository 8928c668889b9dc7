// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/CupsOrientation.h"

#include "print/CupsConnection.h"
#include "print/CupsDestination.h"
#include "print/StoredDefaults.h"

namespace {

// Whether this user now sees the options, asking the scheduler afresh.
bool userSees(const CupsConnection &connection, const QString &name,
              const StoredDefaults::Options &options)
{
    const std::optional<CupsDestination> destination = CupsDestination::find(name, connection);
    return destination && StoredDefaults::sees(*destination, options);
}

} // namespace

namespace CupsOrientation {

OrientationSwitch::SwitchResult store(PageGeometry::Orientation orientation, const QString &name,
                                      const QDeadlineTimer &budget)
{
    using Result = OrientationSwitch::SwitchResult;
    if (name.isEmpty())
        return Result::NoPrinter;
    const StoredDefaults::Options wanted = {
        {"orientation-requested", orientationRequested(orientation)},
        {"sides", "one-sided"},
    };
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

} // namespace CupsOrientation
