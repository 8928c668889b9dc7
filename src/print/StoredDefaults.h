// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

class CupsConnection;
class CupsDestination;

// A printer's stored defaults, which every later job of any CUPS program starts from: the
// queue's own, which every user sees, and the ones each user saves for himself (the lpoptions
// store), which override them for that user alone.
namespace StoredDefaults {

// Options by their job names, valued as CUPS writes them: {"orientation-requested", "4"}.
using Options = QList<std::pair<QByteArray, QByteArray>>;

// Makes the options the queue's own defaults; false when the scheduler refuses (this user
// may not administer the queue) or does not answer.
bool setQueueDefaults(const CupsConnection &connection, const CupsDestination &destination,
                      const Options &options);

// Saves the options as this user's defaults for the destination, keeping every other option
// saved for it and for every other destination; false when they cannot be saved. A value the
// queue already has is not saved, so a later change of the queue reaches this user too.
bool setUserDefaults(const CupsConnection &connection, const QString &name, const Options &options);

// Whether this user now sees every option at its value.
bool sees(const CupsDestination &destination, const Options &options);

} // namespace StoredDefaults
