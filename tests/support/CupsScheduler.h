// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QMap>
#include <QMarginsF>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private CUPS scheduler for tests: its configuration, spool, logs and socket live in a
// temporary folder, and the test process talks to it alone. Make one per test process,
// before anything calls libcups: libcups reads the configuration folder and the home folder
// once. Queues are of the generic PDF printer model and write each job into a PDF file.
class CupsScheduler
{
public:
    CupsScheduler(); // prepares the folder and points this process's CUPS clients at it
    ~CupsScheduler();
    CupsScheduler(const CupsScheduler &) = delete;
    CupsScheduler &operator=(const CupsScheduler &) = delete;

    // Starts cupsd as a child (again after stop(), with the queues it had); false, with
    // errorString(), when it does not listen within a few seconds. Use it in a QVERIFY2 so
    // that a test needing the scheduler fails rather than skips.
    [[nodiscard]] bool start();
    void stop();
    // Extra cupsd.conf directives, taken up at the next start().
    [[nodiscard]] bool setServerDirectives(const QByteArray &directives);
    // Whether the /admin location lets anyone change the queues, taken up at the next
    // start(); when it does not, lpadmin is refused too.
    [[nodiscard]] bool setAdministrationAllowed(bool allowed);
    QString errorString() const { return m_error; }

    // Each returns the file that the queue's jobs are written to, empty on failure.
    QString addPdfQueue(const QString &name, const QStringList &lpadminOptions = {});
    // The same printer with its A4 printable area inset by the given margins, in points.
    QString addPdfQueueWithA4Margins(const QString &name, const QMarginsF &marginsPt);

    [[nodiscard]] bool rejectJobs(const QString &name);
    [[nodiscard]] bool setDefault(const QString &name);
    [[nodiscard]] bool setDefaultOrientation(const QString &name, int orientationRequested);
    // A queue default through lpadmin, "sides-default=two-sided-long-edge".
    [[nodiscard]] bool setQueueDefault(const QString &name, const QString &option);

    // The destination's options as lpoptions reports them: for this process's user, or for
    // another user of the machine who saved no options of his own. Empty when lpoptions fails.
    QMap<QString, QString> printerOptions(const QString &name) const;
    QMap<QString, QString> printerOptionsForAnotherUser(const QString &name) const;
    // The queue's own defaults as the scheduler reports them over IPP ("media-default" ->
    // "iso_a4_210x297mm"); absent ones are left out.
    QMap<QString, QString> queueAttributes(const QString &name,
                                           const QStringList &attributes) const;
    // This user's saved options, as lpoptions keeps them.
    QString userOptionsPath() const { return path(QStringLiteral("home/.cups/lpoptions")); }

    // The PDF of the queue's finished job, once no job of the queue is pending; empty when
    // none arrived within the timeout.
    QString waitForOutput(const QString &name, int timeoutMs = 10000);
    // Whether every job the scheduler holds has ended within the timeout.
    [[nodiscard]] bool waitUntilIdle(int timeoutMs = 10000);
    // The state (ipp_jstate_t) of every job ever queued on the destination (on any when
    // name is empty), oldest first.
    QList<int> jobStates(const QString &name) const;
    // The named attributes of the destination's newest job as the scheduler keeps them,
    // each as text ("media" -> "iso_a4_210x297mm"); absent ones are left out.
    QMap<QString, QString> lastJobAttributes(const QString &name,
                                             const QStringList &attributes) const;

    QString outputPath(const QString &queue) const;

private:
    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    bool writeConfiguration();
    QMap<QString, QString> lpoptions(const QString &name, const QString &home) const;
    bool addQueue(const QString &name, const QStringList &modelArguments,
                  const QStringList &lpadminOptions);
    bool run(const QString &program, const QStringList &arguments);
    bool waitForListener(int timeoutMs);
    bool waitForJobsToEnd(const QString &name, int timeoutMs);

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_error;
    QByteArray m_directives;
    bool m_administrationAllowed = true;
};
