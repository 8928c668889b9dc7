// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A scheduler that answers without end, a byte at a time: every question still gives up
// within its connection's budget, the command line fails with the printer error, and a
// question stuck in a pool thread does not keep the program from quitting.
#include "DripScheduler.h"
#include "UnansweredPrint.h"

#include "print/CupsConnection.h"
#include "print/CupsDestination.h"
#include "print/CupsPrinters.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Short, so that the lookups cost the test little: the budget is what ends them, however short.
constexpr int LookupBudgetMs = 500;

class TestDripScheduler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_scheduler.isListening());
        QVERIFY(m_dir.isValid());
    }

    void lookupsGiveUp()
    {
        QTest::ignoreMessage(QtWarningMsg, noAnswer);
        QVERIFY(!CupsDestination::find(u"Bureau"_s, CupsConnection(LookupBudgetMs)));
        QVERIFY(std::holds_alternative<SchedulerAway>(
            CupsPrinters::installedPrinters(CupsConnection(LookupBudgetMs))));
    }

    void commandLinePrintFails_data() { addCommandLinePrinterRows(); }

    void commandLinePrintFails()
    {
        QFETCH(QStringList, printer);
        checkCommandLinePrintFails(m_dir.filePath(u"goutte.eti"_s), printer);
    }

    void quitsWhileAQuestionIsStuck()
    {
        QProcess program;
        program.start(QStringLiteral(STUCK_CUPS_CALL));
        QVERIFY(program.waitForStarted());
        const int goneBefore = m_scheduler.clientsGone();
        QVERIFY(m_scheduler.waitForClientsInHeaders(m_scheduler.clientsInHeaders() + 1, 60000));
        program.write("quit\n");
        // Its question has an hour left: only giving it up lets the program end.
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0); // the question was still waiting when it quit
        QVERIFY(m_scheduler.clientsGone() > goneBefore);
    }

private:
    DripScheduler m_scheduler; // first, so that libcups sees only this scheduler
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestDripScheduler)
#include "tst_dripscheduler.moc"
