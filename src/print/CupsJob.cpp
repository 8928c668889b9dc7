// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/CupsJob.h"

#include "print/CupsConnection.h"

namespace {

// Cancelling gets a connection of its own: the job's may have spent its time already.
constexpr int CancelBudgetMs = 3000;

// Job options, freed with the submission.
class JobOptions
{
public:
    JobOptions(const JobOptions &) = delete;
    JobOptions &operator=(const JobOptions &) = delete;
    explicit JobOptions(const PageGeometry &page)
    {
        add("media", page.mediaKeyword.toUtf8());
        add("orientation-requested", orientationRequested(page.orientation));
        add("sides", "one-sided");
        // The drawing is placed to the tenth of a millimetre: no filter may fit it to the page.
        add("print-scaling", "none");
    }
    ~JobOptions() { cupsFreeOptions(m_count, m_options); }

    int count() const { return m_count; }
    cups_option_t *options() const { return m_options; }

private:
    void add(const char *name, const QByteArray &value)
    {
        m_count = cupsAddOption(name, value.constData(), m_count, &m_options);
    }

    int m_count = 0;
    cups_option_t *m_options = nullptr;
};

// A created job that is cancelled unless it was completed.
class PendingJob
{
public:
    PendingJob(const PendingJob &) = delete;
    PendingJob &operator=(const PendingJob &) = delete;
    PendingJob(const CupsDestination &destination, int id) : m_destination(destination), m_id(id) {}
    ~PendingJob()
    {
        if (m_done)
            return;
        const CupsConnection connection(CancelBudgetMs);
        if (connection.isOpen() && !CupsConnection::succeeded(cupsCancelDestJob(
                                       connection.http(), m_destination.dest(), m_id)))
            connection.warnFailure("cancelling the unfinished job");
    }
    void markDone() { m_done = true; }

private:
    const CupsDestination &m_destination;
    int m_id;
    bool m_done = false;
};

} // namespace

bool CupsJob::submitPdf(const CupsConnection &connection, const CupsDestination &destination,
                        const PageGeometry &page, const QByteArray &pdf, const QString &title)
{
    const auto fail = [&connection](const char *step) {
        connection.warnFailure(step);
        return false;
    };
    const JobOptions options(page);
    const QByteArray titleUtf8 = title.toUtf8();
    http_t *http = connection.http();
    cups_dest_t *dest = destination.dest();
    cups_dinfo_t *info = destination.info();

    int jobId = 0;
    if (!CupsConnection::succeeded(cupsCreateDestJob(
            http, dest, info, &jobId, titleUtf8.constData(), options.count(), options.options())) ||
        jobId <= 0)
        return fail("creating the job");
    PendingJob job(destination, jobId);

    if (cupsStartDestDocument(http, dest, info, jobId, titleUtf8.constData(), CUPS_FORMAT_PDF, 0,
                              nullptr, 1) != HTTP_STATUS_CONTINUE)
        return fail("starting the document");
    // The request must be finished even after a failed write, or the connection stays busy.
    const bool written =
        cupsWriteRequestData(http, pdf.constData(), size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
    const bool finished = CupsConnection::succeeded(cupsFinishDestDocument(http, dest, info));
    if (!written || !finished)
        return fail("sending the document");

    job.markDone();
    return true;
}
