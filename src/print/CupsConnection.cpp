// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/CupsConnection.h"

#include "print/CupsWatchdog.h"

Q_LOGGING_CATEGORY(lcCups, "korvalin.print.cups", QtWarningMsg)

namespace {

// libcups would otherwise ask for a password on the terminal the program was started from,
// and wait there for ever; a refusal is a refusal.
const char *noPassword(const char *, http_t *, const char *, const char *, void *)
{
    return nullptr;
}

} // namespace

CupsConnection::CupsConnection(int budgetMs) : m_deadline(budgetMs)
{
    if (CupsWatchdog::quitting())
        return;
    cupsSetPasswordCB2(noPassword, nullptr);
    m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                          int(qMax<qint64>(1, m_deadline.remainingTime())), nullptr);
    if (!m_http) {
        // libcups keeps no reason for a failed connection: no such socket, or nobody there.
        qCWarning(lcCups).nospace() << "cannot reach the print scheduler at " << cupsServer();
        return;
    }
    m_watchdog = std::make_unique<CupsWatchdog>(m_http, m_deadline);
}

CupsConnection::~CupsConnection()
{
    m_watchdog.reset(); // before the connection it watches goes
    httpClose(m_http);
}

QString CupsConnection::failureReason() const
{
    if (m_watchdog && m_watchdog->fired())
        return QStringLiteral("the print scheduler %1 did not answer in time")
            .arg(QString::fromUtf8(cupsServer()));
    return QString::fromUtf8(cupsLastErrorString());
}

void CupsConnection::warnFailure(const char *step) const
{
    qCWarning(lcCups).nospace().noquote() << step << " failed: " << failureReason();
}

bool CupsConnection::succeeded(ipp_status_t status)
{
    // libcups's own "invalid" status lies below success.
    return status >= IPP_STATUS_OK && status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}
