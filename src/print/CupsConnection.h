// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/SchedulerAnswer.h"

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QString>
#include <cups/cups.h>
#include <memory>

class CupsWatchdog;

Q_DECLARE_LOGGING_CATEGORY(lcCups)

// A connection to the print scheduler on which no call outlasts a budget. libcups's own
// connection waits a minute or more on a scheduler that takes the connection but never
// answers, and retries; every call of the program goes through one of these instead, so a
// print, a lookup or a change of defaults fails within the budget and the caller can say so,
// whether the scheduler is silent or answers without end (see CupsWatchdog).
// One connection per operation and per thread: libcups keeps its state per thread.
class CupsConnection
{
public:
    static constexpr int DefaultBudgetMs = SchedulerBudgetMs;

    explicit CupsConnection(int budgetMs = DefaultBudgetMs);
    ~CupsConnection();
    CupsConnection(const CupsConnection &) = delete;
    CupsConnection &operator=(const CupsConnection &) = delete;

    // Null when the scheduler could not be reached, or the program is quitting.
    http_t *http() const { return m_http; }
    bool isOpen() const { return m_http != nullptr; }

    // Why the last step failed: the scheduler's reason, or that it did not answer in time.
    QString failureReason() const;
    // Writes why a step failed to standard error: the scheduler's reason, or that it did
    // not answer in time. The user sees the program's own message instead.
    void warnFailure(const char *step) const;

    // Whether a status of the scheduler tells of success: the successful and informational
    // classes, below the redirections, as the scheduler's own commands judge it.
    static bool succeeded(ipp_status_t status);

private:
    QDeadlineTimer m_deadline;
    http_t *m_http = nullptr;
    std::unique_ptr<CupsWatchdog> m_watchdog;
};
