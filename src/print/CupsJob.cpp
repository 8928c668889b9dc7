#include "print/CupsJob.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcCupsJob, "korvalin.print.cups", QtWarningMsg)

namespace {

bool succeeded(ipp_status_t status)
{
    return status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

// Job options, freed with the submission.
class JobOptions
{
public:
    JobOptions(const JobOptions &) = delete;
    JobOptions &operator=(const JobOptions &) = delete;
    explicit JobOptions(const PageGeometry &page)
    {
        const bool landscape = page.orientation == PageGeometry::Orientation::Landscape;
        add("media", page.mediaKeyword.toUtf8());
        add("orientation-requested", landscape ? "4" : "3");
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
        if (!succeeded(cupsCancelDestJob(CUPS_HTTP_DEFAULT, m_destination.dest(), m_id)))
            qCInfo(lcCupsJob) << "job" << m_id << "not cancelled:" << cupsLastErrorString();
    }
    void markDone() { m_done = true; }

private:
    const CupsDestination &m_destination;
    int m_id;
    bool m_done = false;
};

bool fail(const char *step)
{
    qCInfo(lcCupsJob) << step << "failed:" << cupsLastErrorString();
    return false;
}

} // namespace

bool CupsJob::submitPdf(const CupsDestination &destination, const PageGeometry &page,
                        const QByteArray &pdf, const QString &title)
{
    const JobOptions options(page);
    const QByteArray titleUtf8 = title.toUtf8();
    cups_dest_t *dest = destination.dest();
    cups_dinfo_t *info = destination.info();

    int jobId = 0;
    if (!succeeded(cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest, info, &jobId, titleUtf8.constData(),
                                     options.count(), options.options())) ||
        jobId <= 0)
        return fail("creating the job");
    PendingJob job(destination, jobId);

    if (cupsStartDestDocument(CUPS_HTTP_DEFAULT, dest, info, jobId, titleUtf8.constData(),
                              CUPS_FORMAT_PDF, 0, nullptr, 1) != HTTP_STATUS_CONTINUE)
        return fail("starting the document");
    // The request must be finished even after a failed write, or the connection stays busy.
    const bool written = cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                              size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
    const bool finished = succeeded(cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest, info));
    if (!written || !finished)
        return fail("sending the document");

    job.markDone();
    return true;
}
