// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CupsScheduler.h"

#include "SchedulerSocket.h"
#include "TestFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <vector>

#include <grp.h>
#include <signal.h>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;

namespace {

// Installed by cups-filters; lpadmin names it lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd.
const QString genericPdfPpd = u"/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd"_s;
constexpr int toolTimeoutMs = 10000;
constexpr int pollMs = 10;

bool socketAccepts(const QByteArray &socketPath)
{
    sockaddr_un address{};
    const int fd =
        unixAddress(socketPath, address) ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0) : -1;
    if (fd < 0)
        return false;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

QByteArray directives(std::initializer_list<std::pair<const char *, QByteArray>> lines)
{
    QByteArray text;
    for (const auto &[name, value] : lines)
        text += name + (' ' + value) + '\n';
    return text;
}

struct QueuedJob
{
    int id;
    int state;
};

// The scheduler's jobs on one destination (every one when name is empty), oldest first;
// nothing when the scheduler does not answer.
std::optional<QList<QueuedJob>> fetchJobs(const QString &name, int which)
{
    const QByteArray queue = name.toUtf8();
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs,
                                   name.isEmpty() ? nullptr : queue.constData(), 0, which);
    if (count < 0)
        return std::nullopt;
    QList<QueuedJob> queued;
    for (int i = 0; i < count; ++i)
        queued.append({jobs[i].id, jobs[i].state});
    cupsFreeJobs(count, jobs);
    std::sort(queued.begin(), queued.end(),
              [](const QueuedJob &a, const QueuedJob &b) { return a.id < b.id; });
    return queued;
}

// Sends the request, asking for the attributes, and gives those of the group as text; a
// repeated attribute counts with its last value, as libcups takes it.
QMap<QString, QString> requestedAttributes(ipp_t *request, const QStringList &attributes,
                                           ipp_tag_t group)
{
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    std::vector<QByteArray> names;
    for (const QString &attribute : attributes)
        names.push_back(attribute.toUtf8());
    std::vector<const char *> nameList;
    for (const QByteArray &attributeName : names)
        nameList.push_back(attributeName.constData());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(nameList.size()), nullptr, nameList.data());

    QMap<QString, QString> values;
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    for (ipp_attribute_t *attribute = ippFirstAttribute(response); attribute;
         attribute = ippNextAttribute(response)) {
        const char *attributeName = ippGetName(attribute);
        if (ippGetGroupTag(attribute) != group || !attributeName)
            continue;
        char text[256];
        ippAttributeString(attribute, text, sizeof text);
        values.insert(QString::fromUtf8(attributeName), QString::fromUtf8(text));
    }
    ippDelete(response);
    return values;
}

} // namespace

CupsScheduler::CupsScheduler()
    : m_dir(u"/tmp/korvalin-cups-XXXXXX"_s) // short: a socket path has < 108 bytes
{
    if (!m_dir.isValid() || !writeConfiguration()) {
        m_error = u"cannot prepare %1"_s.arg(m_dir.path());
        return;
    }
    qputenv("CUPS_SERVER", QFile::encodeName(path(u"cupsd.sock"_s)));
    // Not the machine's client.conf and lpoptions, nor the user's own.
    qputenv("CUPS_SERVERROOT", QFile::encodeName(path(u"etc"_s)));
    qputenv("HOME", QFile::encodeName(path(u"home"_s)));
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + QFile::encodeName(path(u"no-bus"_s)));
    // libcups keeps the server of its first call; this makes it read CUPS_SERVER again.
    cupsSetServer(nullptr);
}

CupsScheduler::~CupsScheduler()
{
    stop();
}

bool CupsScheduler::setServerDirectives(const QByteArray &directives)
{
    m_directives = directives;
    return writeConfiguration();
}

bool CupsScheduler::setAdministrationAllowed(bool allowed)
{
    m_administrationAllowed = allowed;
    return writeConfiguration();
}

bool CupsScheduler::writeConfiguration()
{
    // Filters run as lp: every folder on the way to the spool must be open to them.
    if (!QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                 QFileDevice::ExeOther))
        return false;
    const QDir dir(m_dir.path());
    for (const char *sub :
         {"etc", "spool", "spool/tmp", "cache", "state", "log", "out", "home", "another-home"}) {
        if (!dir.mkpath(QString::fromLatin1(sub)))
            return false;
    }

    const QByteArray root = QFile::encodeName(m_dir.path());
    const group *primaryGroup = getgrgid(getgid());
    const QByteArray files = directives({
        {"ServerRoot", root + "/etc"},
        {"RequestRoot", root + "/spool"},
        {"TempDir", root + "/spool/tmp"},
        {"CacheDir", root + "/cache"},
        {"StateDir", root + "/state"},
        {"AccessLog", root + "/log/access_log"},
        {"ErrorLog", root + "/log/error_log"},
        {"PageLog", root + "/log/page_log"},
        {"Printcap", root + "/printcap"}, // or a scheduler running as root rewrites /etc/printcap
        {"FileDevice", "Yes"},
        {"SystemGroup", primaryGroup ? primaryGroup->gr_name : "root"},
    });
    const QByteArray server =
        directives({
            {"Listen", root + "/cupsd.sock"},
            {"LogLevel", "warn"},
            {"Browsing", "No"},
            {"BrowseLocalProtocols", "none"},
            {"WebInterface", "No"},
        }) +
        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Location /admin>\n  Order allow,deny\n  Allow all\n" +
        // The scheduler lets every local connection through Allow and
        // Deny: only a user it does not have keeps this one out.
        (m_administrationAllowed ? QByteArray()
                                 : "  AuthType Default\n  Require user korvalin-nobody\n") +
        "</Location>\n" + m_directives;
    return writeBytes(path(u"etc/cups-files.conf"_s), files) &&
           writeBytes(path(u"etc/cupsd.conf"_s), server);
}

bool CupsScheduler::start()
{
    if (!m_error.isEmpty())
        return false;
    if (m_cupsd.state() != QProcess::NotRunning)
        return true;
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    // The scheduler must not outlive a test process that crashes.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start(u"cupsd"_s, {u"-f"_s, u"-c"_s, path(u"etc/cupsd.conf"_s), u"-s"_s,
                               path(u"etc/cups-files.conf"_s)});
    if (!m_cupsd.waitForStarted(5000)) {
        m_error = u"cupsd does not start: %1"_s.arg(m_cupsd.errorString());
        return false;
    }
    if (!waitForListener(5000)) {
        QFile log(path(u"log/error_log"_s));
        const QByteArray logText = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
        m_error = u"cupsd does not listen: %1%2"_s.arg(QString::fromLocal8Bit(m_cupsd.readAll()),
                                                       QString::fromLocal8Bit(logText));
        stop();
        return false;
    }
    return true;
}

bool CupsScheduler::waitForListener(int timeoutMs)
{
    const QByteArray socketPath = QFile::encodeName(path(u"cupsd.sock"_s));
    const QDeadlineTimer deadline(timeoutMs);
    while (!socketAccepts(socketPath)) {
        if (m_cupsd.state() == QProcess::NotRunning || deadline.hasExpired())
            return false;
        QTest::qSleep(pollMs);
    }
    return true;
}

void CupsScheduler::stop()
{
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(5000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(2000);
    }
}

QString CupsScheduler::outputPath(const QString &queue) const
{
    return path(u"out/%1.pdf"_s.arg(queue));
}

QString CupsScheduler::addPdfQueue(const QString &name, const QStringList &lpadminOptions)
{
    const bool added = addQueue(
        name, {u"-m"_s, u"lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd"_s}, lpadminOptions);
    return added ? outputPath(name) : QString();
}

QString CupsScheduler::addPdfQueueWithA4Margins(const QString &name, const QMarginsF &marginsPt)
{
    QFile model(genericPdfPpd);
    if (!model.open(QIODevice::ReadOnly)) {
        m_error = u"cannot read %1"_s.arg(genericPdfPpd);
        return {};
    }
    QString ppd = QString::fromLatin1(model.readAll());
    // The PPD's A4 is 595 x 842 points; its printable area is "left bottom right top".
    const QString area = u"*ImageableArea A4/A4: \"%1 %2 %3 %4\""_s.arg(marginsPt.left())
                             .arg(marginsPt.bottom())
                             .arg(595 - marginsPt.right())
                             .arg(842 - marginsPt.top());
    ppd.replace(
        QRegularExpression(u"^\\*ImageableArea A4/A4: .*$"_s, QRegularExpression::MultilineOption),
        area);
    const QString ppdPath = path(name + u".ppd"_s);
    if (!ppd.contains(area) || !writeBytes(ppdPath, ppd.toLatin1())) {
        m_error = u"cannot write %1"_s.arg(ppdPath);
        return {};
    }
    const bool added = addQueue(name, {u"-P"_s, ppdPath}, {});
    return added ? outputPath(name) : QString();
}

bool CupsScheduler::addQueue(const QString &name, const QStringList &modelArguments,
                             const QStringList &lpadminOptions)
{
    // A raw queue with a file device writes nothing: the PDF printer model gives it a filter.
    QStringList arguments{u"-p"_s, name, u"-E"_s, u"-v"_s, u"file:"_s + outputPath(name)};
    arguments << modelArguments << u"-o"_s << u"PageSize=A4"_s;
    for (const QString &option : lpadminOptions)
        arguments << u"-o"_s << option;
    return run(u"lpadmin"_s, arguments);
}

bool CupsScheduler::rejectJobs(const QString &name)
{
    return run(u"cupsreject"_s, {name});
}

bool CupsScheduler::setDefault(const QString &name)
{
    return run(u"lpadmin"_s, {u"-d"_s, name});
}

bool CupsScheduler::setDefaultOrientation(const QString &name, int orientationRequested)
{
    return setQueueDefault(name, u"orientation-requested-default=%1"_s.arg(orientationRequested));
}

bool CupsScheduler::setQueueDefault(const QString &name, const QString &option)
{
    return run(u"lpadmin"_s, {u"-p"_s, name, u"-o"_s, option});
}

QMap<QString, QString> CupsScheduler::printerOptions(const QString &name) const
{
    return lpoptions(name, path(u"home"_s));
}

QMap<QString, QString> CupsScheduler::printerOptionsForAnotherUser(const QString &name) const
{
    return lpoptions(name, path(u"another-home"_s));
}

QMap<QString, QString> CupsScheduler::lpoptions(const QString &name, const QString &home) const
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home);
    tool.setProcessEnvironment(environment);
    tool.start(u"lpoptions"_s, {u"-p"_s, name});
    if (!tool.waitForFinished(toolTimeoutMs) || tool.exitCode() != 0) {
        tool.kill();
        tool.waitForFinished(1000);
        return {};
    }
    // lpoptions quotes its values the way cupsParseOptions reads them.
    const QByteArray output = tool.readAllStandardOutput().trimmed();
    cups_option_t *options = nullptr;
    const int count = cupsParseOptions(output.constData(), 0, &options);
    QMap<QString, QString> values;
    for (int i = 0; i < count; ++i)
        values.insert(QString::fromUtf8(options[i].name), QString::fromUtf8(options[i].value));
    cupsFreeOptions(count, options);
    return values;
}

bool CupsScheduler::run(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    if (!tool.waitForFinished(toolTimeoutMs)) {
        tool.kill();
        tool.waitForFinished(1000);
        m_error = u"%1 did not finish: %2"_s.arg(program, tool.errorString());
        return false;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        m_error = u"%1 %2 failed: %3"_s.arg(program, arguments.join(QLatin1Char(' ')),
                                            QString::fromLocal8Bit(tool.readAll()));
        return false;
    }
    return true;
}

QList<int> CupsScheduler::jobStates(const QString &name) const
{
    QList<int> states;
    for (const QueuedJob &job : fetchJobs(name, CUPS_WHICHJOBS_ALL).value_or(QList<QueuedJob>()))
        states.append(job.state);
    return states;
}

QMap<QString, QString> CupsScheduler::lastJobAttributes(const QString &name,
                                                        const QStringList &attributes) const
{
    const QList<QueuedJob> jobs = fetchJobs(name, CUPS_WHICHJOBS_ALL).value_or(QList<QueuedJob>());
    if (jobs.isEmpty())
        return {};
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 "ipp://localhost/");
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobs.last().id);
    return requestedAttributes(request, attributes, IPP_TAG_JOB);
}

QMap<QString, QString> CupsScheduler::queueAttributes(const QString &name,
                                                      const QStringList &attributes) const
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/printers/" + name.toUtf8();
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    return requestedAttributes(request, attributes, IPP_TAG_PRINTER);
}

bool CupsScheduler::waitForJobsToEnd(const QString &name, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const std::optional<QList<QueuedJob>> active = fetchJobs(name, CUPS_WHICHJOBS_ACTIVE);
        if (active && active->isEmpty())
            return true;
        if (!active || deadline.hasExpired())
            return false;
        QTest::qSleep(pollMs);
    }
}

bool CupsScheduler::waitUntilIdle(int timeoutMs)
{
    return waitForJobsToEnd(QString(), timeoutMs);
}

QString CupsScheduler::waitForOutput(const QString &name, int timeoutMs)
{
    const QString output = outputPath(name);
    return waitForJobsToEnd(name, timeoutMs) && QFileInfo(output).size() > 0 ? output : QString();
}
