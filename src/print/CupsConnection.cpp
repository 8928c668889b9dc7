#include "print/CupsConnection.h"

Q_LOGGING_CATEGORY(lcCups, "korvalin.print.cups", QtWarningMsg)

namespace {

// How often a wait comes back to check the deadline.
constexpr double WaitSliceSeconds = 0.25;

// libcups would otherwise ask for a password on the terminal the program was started from,
// and wait there for ever; a refusal is a refusal.
const char *noPassword(const char *, http_t *, const char *, const char *, void *)
{
    return nullptr;
}

} // namespace

CupsConnection::CupsConnection(int budgetMs) : m_deadline(budgetMs)
{
    cupsSetPasswordCB2(noPassword, nullptr);
    m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                          int(qMax<qint64>(1, m_deadline.remainingTime())), nullptr);
    if (!m_http) {
        // libcups keeps no reason for a failed connection: no such socket, or nobody there.
        qCWarning(lcCups).nospace() << "cannot reach the print scheduler at " << cupsServer();
        return;
    }
    httpSetTimeout(m_http, WaitSliceSeconds, keepWaiting, this);
}

CupsConnection::~CupsConnection()
{
    httpClose(m_http);
}

int CupsConnection::keepWaiting(http_t *, void *connection)
{
    auto *self = static_cast<CupsConnection *>(connection);
    if (self->m_deadline.hasExpired())
        self->m_gaveUp = true;
    return self->m_gaveUp ? 0 : 1;
}

QString CupsConnection::failureReason() const
{
    if (m_gaveUp)
        return QStringLiteral("the print scheduler %1 did not answer in time")
            .arg(QString::fromUtf8(cupsServer()));
    return QString::fromUtf8(cupsLastErrorString());
}

void CupsConnection::warnFailure(const char *step) const
{
    qCWarning(lcCups).nospace().noquote() << step << " failed: " << failureReason();
}
